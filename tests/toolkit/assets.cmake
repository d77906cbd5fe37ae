# The wizard's and the quit dialog's pictures, loaded from the program's own
# resource script (Windows build, under Wine with a display).
if(WIN32)
  enable_language(RC)
  # windres reports no dependencies: name the pictures so that a redrawn one
  # is compiled in again.
  file(GLOB asset_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/assets/wizard/*)
  set_property(SOURCE ${PROJECT_SOURCE_DIR}/assets/Setup.rc APPEND PROPERTY OBJECT_DEPENDS ${asset_files})
  setup_gtest(toolkit_assets_test LABEL toolkit
    SOURCES AssetsTest.cpp ${PROJECT_SOURCE_DIR}/assets/Setup.rc
    LIBS toolkit)
  target_include_directories(toolkit_assets_test PRIVATE ${PROJECT_SOURCE_DIR}/assets)
endif()
