#include <gtest/gtest.h>

#include "toolkit/Clock.h"
#include "toolkit/Win.h"

namespace {

double SecondsOfDay(const SYSTEMTIME& t) {
  return t.wHour * 3600.0 + t.wMinute * 60.0 + t.wSecond + t.wMilliseconds / 1000.0;
}

TEST(Clock, TimerGivesTheLocalTimeOfDayInSeconds) {
  SYSTEMTIME before{}, after{};
  ::GetLocalTime(&before);
  const float now = tk::Timer();
  ::GetLocalTime(&after);
  EXPECT_GE(now, 0.0f);
  EXPECT_LT(now, 86400.0f);
  if (after.wDay == before.wDay) {  // not across midnight
    // A single keeps about 7 digits: allow for its rounding.
    EXPECT_GE(now, SecondsOfDay(before) - 0.01);
    EXPECT_LE(now, SecondsOfDay(after) + 0.01);
  }
}

}  // namespace
