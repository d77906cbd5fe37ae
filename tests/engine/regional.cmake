# The regional formats: the text helper in both builds, the user's locale
# under Wine (the test restores the values it changes).
setup_gtest(engine_regional_text_test LABEL engine
  SOURCES RegionalTextTest.cpp
  LIBS engine_core)

if(WIN32)
  setup_gtest(engine_regional_test LABEL engine
    SOURCES RegionalTest.cpp
    LIBS engine
    RESOURCE_LOCK user-locale)
endif()
