#include <gtest/gtest.h>

#include <climits>

#include "engine/Progress.h"

TEST(ProgressPercent, RoundsUpShowsOverflowAs99AndClampsEverythingElse) {
  EXPECT_EQ(ProgressPercent(0, 100), 0);
  EXPECT_EQ(ProgressPercent(45, 100), 45);
  EXPECT_EQ(ProgressPercent(100, 100), 100);
  EXPECT_EQ(ProgressPercent(101, 100), 99);
  EXPECT_EQ(ProgressPercent(INT32_MAX, 100), 99);
  EXPECT_EQ(ProgressPercent(-5, 100), 0);
  EXPECT_EQ(ProgressPercent(1, 3), 34);
  EXPECT_EQ(ProgressPercent(2, 3), 67);
  EXPECT_EQ(ProgressPercent(1, 1000), 1);  // any progress shows
  EXPECT_EQ(ProgressPercent(999, 1000), 100);
}

TEST(ProgressPercent, ExtremeArgumentsNeitherDivideByZeroNorWrap) {
  EXPECT_EQ(ProgressPercent(0, 0), 0);
  EXPECT_EQ(ProgressPercent(5, 0), 0);
  EXPECT_EQ(ProgressPercent(-5, -1), 0);
  EXPECT_EQ(ProgressPercent(INT32_MIN, 100), 0);   // (100 - value) * 100 leaves 32 bits
  EXPECT_EQ(ProgressPercent(-400, 1), 0);          // 100 - q leaves 16 bits
  EXPECT_EQ(ProgressPercent(INT32_MAX, INT32_MAX), 100);
  EXPECT_EQ(ProgressPercent(INT32_MAX - 1, INT32_MAX), 100);
  EXPECT_EQ(ProgressPercent(INT32_MIN, INT32_MAX), 0);
  EXPECT_EQ(ProgressPercent(1, INT32_MAX), 1);
  EXPECT_EQ(ProgressLabel(0), "0%");
  EXPECT_EQ(ProgressLabel(45), "45%");
  EXPECT_EQ(ProgressLabel(100), "100%");
}
