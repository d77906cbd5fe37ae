# The launcher's own tests (Windows build).

# Setup.exe imports only libraries that Windows takes from the system folder
# (both Windows builds, in the build itself: the check needs no Wine, so it
# also runs where 32-bit programs cannot).
setup_check_imports(Setup launcher)

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
