# Tests of the window toolkit (Windows build, under Wine with a display).
if(WIN32)
  setup_gtest(toolkit_gui_test LABEL toolkit
    SOURCES FormTest.cpp FormFaceTest.cpp PictureBoxTest.cpp ScreenTest.cpp
    LIBS toolkit)

  # Pictures and icons come from the program's own resource script.
  enable_language(RC)
  setup_gtest(toolkit_image_test LABEL toolkit
    SOURCES ImageTest.cpp ${PROJECT_SOURCE_DIR}/assets/Setup.rc
    LIBS toolkit)
  target_include_directories(toolkit_image_test PRIVATE ${PROJECT_SOURCE_DIR}/assets)
endif()

# The default host's message boxes, shown for real and answered from inside
# their own loop.
if(WIN32)
  setup_gtest(toolkit_host_win_test LABEL toolkit
    SOURCES HostWinTest.cpp
    LIBS toolkit)
endif()
