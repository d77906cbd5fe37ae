# Runtime services: numbers and random numbers in both builds; files by
# number, program facts, command start and the clock under Wine.
setup_gtest(toolkit_numbers_test LABEL toolkit
  SOURCES NumbersTest.cpp RandomTest.cpp
  LIBS ${TOOLKIT_LIB})

