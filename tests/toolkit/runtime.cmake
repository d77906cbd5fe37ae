# Runtime services: numbers and random numbers in both builds; files by
# number, program facts, command start, system libraries and the owners of
# handles under Wine.
setup_gtest(toolkit_numbers_test LABEL toolkit
  SOURCES NumbersTest.cpp RandomTest.cpp
  LIBS ${TOOLKIT_LIB})

if(WIN32)
  setup_gtest(toolkit_files_test LABEL toolkit
    SOURCES FilesTest.cpp
    LIBS toolkit)

  # The owners of handles, COM references and the COM apartment.
  setup_gtest(toolkit_owners_test LABEL toolkit
    SOURCES OwnersTest.cpp
    LIBS toolkit)

  # Stand-ins that the program-facts and command-start tests run.
  add_executable(tk_instance_probe InstanceProbe.cpp)
  target_link_libraries(tk_instance_probe PRIVATE toolkit)
  add_executable(tk_shell_probe ShellProbe.cpp)

  setup_gtest(toolkit_app_test LABEL toolkit
    SOURCES AppTest.cpp ShellTest.cpp
    LIBS toolkit testsupport)
  add_dependencies(toolkit_app_test tk_instance_probe tk_shell_probe)

  # The Wine runner itself, in a prefix of its own (its notes of programs
  # run again are looked at).
  add_executable(tk_output_probe OutputProbe.cpp)
  target_link_libraries(tk_output_probe PRIVATE testsupport)
  setup_script_test(toolkit_wine_run_test LABEL toolkit
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/wine_run_test.sh ${PROJECT_SOURCE_DIR}/tools/wine-run
      ${CMAKE_BINARY_DIR}/wineprefix-winerun $<TARGET_FILE:tk_output_probe>)

  # Libraries of the system by their full paths; a planted library
  # (tests/e2e/planted) copied beside the test program.
  setup_gtest(toolkit_system_library_test LABEL toolkit
    SOURCES SystemLibraryTest.cpp
    LIBS toolkit testsupport planted_paths)
endif()
