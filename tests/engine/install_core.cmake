# The installation's portable pieces: tokens, file-list lines, uninstall records.
setup_gtest(engine_install_core_test LABEL engine
  SOURCES TokensTest.cpp FileListTest.cpp UninstallRecordsTest.cpp
  LIBS engine_core)
