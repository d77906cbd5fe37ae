# Tests of the windowed controls (Windows build, under Wine with a display).
# They link the program's resources: its manifest gives them the same
# common controls as the program, and its hand cursor serves as a pointer.
if(WIN32)
  enable_language(RC)
  setup_gtest(toolkit_controls_test LABEL toolkit
    SOURCES TextBoxTest.cpp TimerTest.cpp ControlsTest.cpp
            ${PROJECT_SOURCE_DIR}/assets/Setup.rc
    LIBS toolkit)
  target_include_directories(toolkit_controls_test PRIVATE ${PROJECT_SOURCE_DIR}/assets)
endif()
