#include <gtest/gtest.h>

#include "toolkit/Random.h"

// Expected values worked out from the generator's definition:
// state = (state * 0x43FD43FD + 0xC39EC3) mod 2^24, Rnd = state / 2^24.
TEST(Random, UnseededSequenceStartsFromTheClassicState) {
  tk::RandomGenerator g;
  EXPECT_EQ(g.State(), 0x50000u);
  EXPECT_FLOAT_EQ(g.Next(), 0.7055475f);
  EXPECT_EQ(g.State(), 0xB49EC3u);
  EXPECT_FLOAT_EQ(g.Next(), 0.533424f);
  EXPECT_EQ(g.State(), 0x888E7Au);
  EXPECT_FLOAT_EQ(g.Next(), 0.5795186f);
  EXPECT_EQ(g.State(), 0x945B55u);
}

TEST(Random, SeedMixesTheHighWordOfTheDoubleAndKeepsTheLowByte) {
  tk::RandomGenerator g;
  g.Next();  // state 0xB49EC3
  // 1.0 is 0x3FF00000'00000000: (0x0000 ^ 0x3FF0) << 8 = 0x3FF000.
  g.Seed(1.0);
  EXPECT_EQ(g.State(), 0x3FF0C3u);
  // 45296.52 is 0x40E61E10'A3D70A3D: (0x1E10 ^ 0x40E6) << 8 = 0x5EF600.
  g.Seed(45296.52);
  EXPECT_EQ(g.State(), 0x5EF6C3u);
  // -0.0 sets bit 31 only: (0x0000 ^ 0x8000) << 8 = 0x800000.
  g.Seed(-0.0);
  EXPECT_EQ(g.State(), 0x8000C3u);
  EXPECT_FLOAT_EQ(g.Next(), 0.1812817f);
}
