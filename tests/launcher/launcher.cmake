# The launcher's own tests (Windows build).

# Setup.exe imports Windows system DLLs only (both Windows builds; this check
# needs no Wine, so it also runs where 32-bit programs cannot).
add_test(NAME imports_Setup.exe
  COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP} -DPROGRAM=$<TARGET_FILE:Setup>
          -P ${PROJECT_SOURCE_DIR}/cmake/CheckImports.cmake)
set_tests_properties(imports_Setup.exe PROPERTIES LABELS launcher)

# Wine sees the build machine's root as drive Z:.
string(REPLACE "/" "\\\\" setup_exe_wine "Z:${CMAKE_BINARY_DIR}/launcher/Setup.exe")

# Whole runs of Setup.exe: one at a time, with the display to themselves.
setup_gtest(launcher_run_test LABEL launcher TIMEOUT 300 RESOURCE_LOCK display
  SOURCES LauncherRunTest.cpp
  LIBS testsupport)
target_compile_definitions(launcher_run_test PRIVATE "SETUP_EXE_PATH=\"${setup_exe_wine}\"")
add_dependencies(launcher_run_test Setup)

setup_gtest(launcher_extract_test LABEL launcher
  SOURCES ExtractTest.cpp
  LIBS launcher testsupport)
