# Whole installations under Wine, shown on a recording setup view: the real
# shell component, the stand-ins for the uninstaller, the runtime library
# and the Access runtime, and a shell component that refuses to register.
# Setup.dip is read as the wizard's start-up reads it (wizard_core). The
# cases replace the system folder's qx_shell.dll and force the user's
# regional formats, so they run alone.
if(WIN32)
  add_library(failing_shell SHARED data/FailingShell.cpp data/Component.def)
  target_include_directories(failing_shell PRIVATE ${PROJECT_SOURCE_DIR})
  set_target_properties(failing_shell PROPERTIES PREFIX "" OUTPUT_NAME failing_shell
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/engine/data)
  target_link_options(failing_shell PRIVATE -Wl,--enable-stdcall-fixup)
  setup_check_exports(failing_shell engine)
  string(REPLACE "/" "\\\\" failing_shell_wine "Z:${CMAKE_BINARY_DIR}/tests/engine/data/failing_shell.dll")

  setup_gtest(engine_installation_test LABEL engine
    SOURCES InstallationTest.cpp
    LIBS engine wizard_core testsupport qx_shell_path standin_paths ole32 uuid
    TIMEOUT 120
    RESOURCE_LOCK qx_shell wininit user-locale)
  target_compile_definitions(engine_installation_test PRIVATE
    "FAILING_SHELL_DLL_PATH=\"${failing_shell_wine}\"")
  add_dependencies(engine_installation_test failing_shell)
endif()

if(WIN32)
  setup_gtest(engine_import_test LABEL engine
    SOURCES ImportTest.cpp
    LIBS engine testsupport)
endif()
