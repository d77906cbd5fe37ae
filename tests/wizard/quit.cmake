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

if(WIN32)
  # A quit confirmed during an installation that the wizard runs in this
  # process, with the real shell component (registered into the system
  # folder), the stand-ins and the copy's components with version resources.
  setup_gtest(wizard_install_quit_test LABEL wizard
    SOURCES InstallQuitTest.cpp ${PROJECT_SOURCE_DIR}/assets/Setup.rc
    LIBS wizard testsupport qx_shell_path standin_paths ole32 uuid
    RESOURCE_LOCK qx_shell wininit user-locale)
  target_include_directories(wizard_install_quit_test PRIVATE ${PROJECT_SOURCE_DIR}/assets)
  string(REPLACE "/" "\\\\" install_quit_versions "Z:${CMAKE_BINARY_DIR}/tests/engine/versiondata")
  target_compile_definitions(wizard_install_quit_test PRIVATE "VERSION_DATA=\"${install_quit_versions}\"")
  add_dependencies(wizard_install_quit_test v6_0_81_69 v5_1_2600_0)
endif()
