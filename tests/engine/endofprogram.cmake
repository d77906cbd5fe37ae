# The end of the program, under Wine: it needs the wizard window (for its
# run-after-install box) and the resources the window's pictures come from.
if(WIN32)
  enable_language(RC)
  string(REPLACE "/" "\\\\" shell_probe_wine "Z:${CMAKE_BINARY_DIR}/tests/toolkit/tk_shell_probe.exe")
  setup_gtest(engine_end_of_program_test LABEL engine
    SOURCES EndOfProgramTest.cpp ${PROJECT_SOURCE_DIR}/assets/Setup.rc
    LIBS engine wizard testsupport)
  target_include_directories(engine_end_of_program_test PRIVATE ${PROJECT_SOURCE_DIR}/assets)
  target_compile_definitions(engine_end_of_program_test PRIVATE "SHELL_PROBE_PATH=\"${shell_probe_wine}\"")
  add_dependencies(engine_end_of_program_test tk_shell_probe)
endif()
