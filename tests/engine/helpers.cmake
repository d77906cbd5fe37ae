# The file, path and system helpers, and the toolkit's folder listing.
setup_gtest(engine_misctext_test LABEL engine
  SOURCES MiscTextTest.cpp
  LIBS engine_core)

if(WIN32)
  setup_gtest(engine_helpers_test LABEL engine
    SOURCES HelpersTest.cpp
    LIBS engine testsupport)
  setup_gtest(toolkit_dirlist_test LABEL toolkit
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/../toolkit/DirListTest.cpp
    LIBS toolkit testsupport)
endif()
