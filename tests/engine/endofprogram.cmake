# The end of the program, under Wine, with a recording setup view for its
# run-after-install box.
if(WIN32)
  string(REPLACE "/" "\\\\" shell_probe_wine "Z:${CMAKE_BINARY_DIR}/tests/toolkit/tk_shell_probe.exe")
  setup_gtest(engine_end_of_program_test LABEL engine
    SOURCES EndOfProgramTest.cpp
    LIBS engine testsupport)
  target_compile_definitions(engine_end_of_program_test PRIVATE "SHELL_PROBE_PATH=\"${shell_probe_wine}\"")
  add_dependencies(engine_end_of_program_test tk_shell_probe)
endif()
