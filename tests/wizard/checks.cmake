# The folder check and the drive report: their texts in both builds; the
# checks against the disk, the drive facts and the wizard's controls under
# Wine.
setup_gtest(wizard_checks_text_test LABEL wizard
  SOURCES TargetPathTextTest.cpp DriveReportTextTest.cpp
  LIBS wizard_core)

if(WIN32)
  setup_gtest(wizard_target_path_test LABEL wizard
    SOURCES TargetPathWinTest.cpp
    LIBS wizard testsupport)
endif()
