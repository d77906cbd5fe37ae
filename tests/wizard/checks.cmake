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

if(WIN32)
  # The wizard window in this process, with the program's resources. The
  # separator test changes the prefix's thousands separator for a moment.
  enable_language(RC)
  setup_gtest(wizard_drive_report_test LABEL wizard
    SOURCES DriveReportWinTest.cpp ${PROJECT_SOURCE_DIR}/assets/Setup.rc
    LIBS wizard testsupport
    RESOURCE_LOCK user-locale)
  target_include_directories(wizard_drive_report_test PRIVATE ${PROJECT_SOURCE_DIR}/assets)
endif()
