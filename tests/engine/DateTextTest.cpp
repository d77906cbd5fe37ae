#include "engine/DateText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

using DateText::FileTimeToDateString;
using DateText::FileTimeToFields;
using DateText::TimeFields;

namespace {

constexpr uint64_t kTicksPerSecond = 10000000;
constexpr uint64_t kTicksPerDay = 86400 * kTicksPerSecond;
// 1 January 1970 as a file time.
constexpr uint64_t kUnixEpoch = 116444736000000000ull;

std::string Fields(uint64_t fileTime) {
  TimeFields f;
  if (!FileTimeToFields(fileTime, f)) return "refused";
  char text[96];
  std::snprintf(text, sizeof text, "%d-%02d-%02d %02d:%02d:%02d.%03d w%d", f.Year, f.Month, f.Day,
                f.Hour, f.Minute, f.Second, f.Milliseconds, f.DayOfWeek);
  return text;
}

}  // namespace

TEST(DateText, ConvertsBothEndsOfTheRangeAndLeapDays) {
  EXPECT_EQ(Fields(0), "1601-01-01 00:00:00.000 w1");
  EXPECT_EQ(Fields(kUnixEpoch), "1970-01-01 00:00:00.000 w4");
  // 5 March 2004 09:07:03.250 UTC.
  EXPECT_EQ(Fields(kUnixEpoch + 1078477623ull * kTicksPerSecond + 2500000),
            "2004-03-05 09:07:03.250 w5");
  // Leap days: 2000 is a leap year, 1900 is not, 2004 is.
  EXPECT_EQ(Fields(kUnixEpoch + 11016 * kTicksPerDay), "2000-02-29 00:00:00.000 w2");
  EXPECT_EQ(Fields(kUnixEpoch + 11017 * kTicksPerDay), "2000-03-01 00:00:00.000 w3");
  EXPECT_EQ(Fields(kUnixEpoch - 25508 * kTicksPerDay), "1900-03-01 00:00:00.000 w4");
  EXPECT_EQ(Fields(kUnixEpoch + 12478 * kTicksPerDay - 1), "2004-02-29 23:59:59.999 w0");
  // The last instant the system converts; one tick more is refused.
  EXPECT_EQ(Fields(0x7FFFFFFFFFFFFFFFull), "30828-09-14 02:48:05.477 w4");
  EXPECT_EQ(Fields(0x8000000000000000ull), "refused");
  EXPECT_EQ(Fields(UINT64_MAX), "refused");
}

TEST(DateText, FormatsDayMonthYearAndTimeWithoutLeadingZeros) {
  const uint64_t march5 = kUnixEpoch + 1078477623ull * kTicksPerSecond;
  EXPECT_EQ(FileTimeToDateString(march5, "/"), "05/03/2004 9.7.3");
  EXPECT_EQ(FileTimeToDateString(march5, "-"), "05-03-2004 9.7.3");
  EXPECT_EQ(FileTimeToDateString(0, "/"), "01/01/1601 0.0.0");
  EXPECT_EQ(FileTimeToDateString(kUnixEpoch + 12478 * kTicksPerDay - 1, "."),
            "29.02.2004 23.59.59");
  EXPECT_EQ(FileTimeToDateString(0x7FFFFFFFFFFFFFFFull, "/"), "14/09/30828 2.48.5");
  EXPECT_EQ(FileTimeToDateString(0x8000000000000000ull, "/"), "");

  TimeFields year99;
  year99.Year = 99;
  year99.Month = 12;
  year99.Day = 1;
  EXPECT_EQ(DateText::FormatDateText(year99, "/"), "01/12/0099 0.0.0");
}

TEST(DateText, InstallExtensionIsTextAfterTheFirstDotUpperCased) {
  EXPECT_EQ(DateText::InstallExtension("files\\Foo.dll"), "DLL");
  EXPECT_EQ(DateText::InstallExtension("files\\a.b.dll"), "B.DLL");
  EXPECT_EQ(DateText::InstallExtension("files\\Readme"), "FILES\\README");
  EXPECT_EQ(DateText::InstallExtension("files\\Foo."), "");
  EXPECT_EQ(DateText::InstallExtension("files\\Font.TtF"), "TTF");
}
