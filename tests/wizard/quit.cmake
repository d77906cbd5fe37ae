# The quit dialog and the quit roads in this process, with the program's
# resources, on scratch folders of the Wine prefix. A quit cancels the
# replacements a copy deferred, in the prefix's wininit.ini and registry:
# one case at a time beside the copy's tests.
if(WIN32)
  enable_language(RC)
  setup_gtest(wizard_quit_test LABEL wizard
    SOURCES FrmQuitTest.cpp QuitRoadTest.cpp ${PROJECT_SOURCE_DIR}/assets/Setup.rc
    LIBS wizard testsupport
    RESOURCE_LOCK wininit)
  target_include_directories(wizard_quit_test PRIVATE ${PROJECT_SOURCE_DIR}/assets)
endif()
