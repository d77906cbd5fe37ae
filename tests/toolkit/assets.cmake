# The wizard's and the quit dialog's pictures, loaded from the program's own
# resource script (Windows build, under Wine with a display).
if(WIN32)
  enable_language(RC)
  setup_gtest(toolkit_assets_test LABEL toolkit
    SOURCES AssetsTest.cpp ${PROJECT_SOURCE_DIR}/assets/Setup.rc
    LIBS toolkit)
  target_include_directories(toolkit_assets_test PRIVATE ${PROJECT_SOURCE_DIR}/assets)
endif()
