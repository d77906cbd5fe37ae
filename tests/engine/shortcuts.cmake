# The shortcuts under Wine: CreateShortcut and the installation's shortcuts
# through the built shell component, which the cases register (lock
# "qx_shell", held by every test that registers or unregisters it). The
# wizard window's desktop box needs the program's resources.
if(WIN32)
  enable_language(RC)
  setup_gtest(engine_shortcuts_test LABEL engine
    SOURCES ShortCutsTest.cpp ${PROJECT_SOURCE_DIR}/assets/Setup.rc
    LIBS engine wizard testsupport qx_shell_path
    RESOURCE_LOCK qx_shell)
  target_include_directories(engine_shortcuts_test PRIVATE ${PROJECT_SOURCE_DIR}/assets)
endif()
