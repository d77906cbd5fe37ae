#include <gtest/gtest.h>

#include "engine/Regional.h"

using namespace std::string_literals;

TEST(RegionalText, TrimAtNullOrEmptyCutsAtTheFirstNulAndGivesNothingWithoutOne) {
  EXPECT_EQ(Misc::TrimAtNullOrEmpty("dd/MM/yyyy"), "");
  EXPECT_EQ(Misc::TrimAtNullOrEmpty(""), "");
  EXPECT_EQ(Misc::TrimAtNullOrEmpty("dd/MM/yy\0yy\0"s), "dd/MM/yy");
  EXPECT_EQ(Misc::TrimAtNullOrEmpty("\0EUR"s), "");
  EXPECT_EQ(Misc::TrimAtNullOrEmpty("2"s + std::string(98, '\0')), "2");
}
