# The block copy and the per-file installer: the version text's reading in
# both builds; the copy and the installer under Wine, with small components
# that carry real version resources.
setup_gtest(engine_version_text_test LABEL engine
  SOURCES VersionTextTest.cpp
  LIBS engine_core)
setup_gtest(engine_pending_renames_test LABEL engine
  SOURCES PendingRenamesTest.cpp
  LIBS engine_core)

if(WIN32)
  enable_language(RC)
  set(version_data ${CMAKE_CURRENT_BINARY_DIR}/versiondata)
  set(version_dlls)
  # install_test_dll(<name> <FileVersion text or "">): a component whose
  # registration leaves a marker; "" gives one without a version resource.
  # NO_COMPANY leaves CompanyName out of its strings.
  function(install_test_dll name file_version)
    cmake_parse_arguments(D "NO_COMPANY" "" "" ${ARGN})
    set(sources data/TestDll.c data/Component.def)
    if(NOT file_version STREQUAL "")
      set(FILE_VERSION "${file_version}")
      if(D_NO_COMPANY)
        set(COMPANY_LINE "")
      else()
        set(COMPANY_LINE "      VALUE \"CompanyName\", \"Velmarind\\0\"")
      endif()
      configure_file(data/Version.rc.in ${CMAKE_CURRENT_BINARY_DIR}/${name}.rc @ONLY)
      list(APPEND sources ${CMAKE_CURRENT_BINARY_DIR}/${name}.rc)
    endif()
    add_library(${name} SHARED ${sources})
    target_link_options(${name} PRIVATE -static-libgcc -Wl,--enable-stdcall-fixup)
    set_target_properties(${name} PROPERTIES PREFIX "" RUNTIME_OUTPUT_DIRECTORY ${version_data})
    setup_check_exports(${name} engine)
    set(version_dlls ${version_dlls} ${name} PARENT_SCOPE)
  endfunction()

  install_test_dll(v6_0_81_69 "6.0.81.69")
  install_test_dll(v5_1_2600_0 "5.1.2600.0")
  install_test_dll(v1_0_0_1 "1, 0, 0, 1")
  install_test_dll(v4_71_3110_0 "4.71.3110.0")
  install_test_dll(v4_8_0_0 "4.8.0.0")
  install_test_dll(v6_no_company "6.0.81.69" NO_COMPANY)
  string(REPEAT "0" 300 zeros)
  install_test_dll(v7_5_long "7.5${zeros}")
  install_test_dll(v_none "")

  string(REPLACE "/" "\\\\" version_data_wine "Z:${version_data}")
  # The copy and the installer write wininit.ini in the prefix's Windows
  # folder: one case at a time.
  setup_gtest(engine_install_files_test LABEL engine
    SOURCES BlockCopyTest.cpp InstallFileTest.cpp
    LIBS engine registry testsupport
    RESOURCE_LOCK wininit)
  target_compile_definitions(engine_install_files_test PRIVATE "VERSION_DATA=\"${version_data_wine}\"")
  add_dependencies(engine_install_files_test ${version_dlls})
endif()
