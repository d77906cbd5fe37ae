# The shortcuts under Wine: CreateShortcut and the installation's shortcuts
# through the built shell component, which the cases register (lock
# "qx_shell", held by every test that registers or unregisters it). The
# desktop box is a recording setup view's.
if(WIN32)
  setup_gtest(engine_shortcuts_test LABEL engine
    SOURCES ShortCutsTest.cpp
    LIBS engine testsupport qx_shell_path
    RESOURCE_LOCK qx_shell)
endif()
