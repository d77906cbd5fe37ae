#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "toolkit/Numbers.h"

using tk::Val;

TEST(Val, ReadsTheLeadingNumberPassingOverBlanksTabsAndLineFeedsAnywhere) {
  EXPECT_EQ(Val("1 2 3"), 123);
  EXPECT_EQ(Val(" - 5"), -5);
  EXPECT_EQ(Val("\t1\n000 bytes"), 1000);
  EXPECT_EQ(Val("+7"), 7);
  EXPECT_EQ(Val("12abc"), 12);
  EXPECT_EQ(Val("1,5"), 1);
  EXPECT_EQ(Val(".5"), 0.5);
  EXPECT_EQ(Val("3."), 3);
  EXPECT_EQ(Val("1\r2"), 1);  // a carriage return is not passed over
  EXPECT_EQ(Val(""), 0);
  EXPECT_EQ(Val("abc"), 0);
  EXPECT_EQ(Val("-"), 0);
  EXPECT_EQ(Val("."), 0);
  EXPECT_EQ(Val(std::string("4\0" "2", 3)), 4);
}

TEST(Val, VersionTextsStopAtTheSecondPointOrAComma) {
  EXPECT_EQ(Val("6.0.81.69"), 6);
  EXPECT_EQ(Val("5.1.2600.0"), 5.1);
  EXPECT_EQ(Val("4.71.3110.0"), 4.71);
  EXPECT_LT(Val("4.71.3110.0"), Val("4.8.0.0"));
  EXPECT_EQ(Val("1, 0, 0, 1"), 1);
}

TEST(Val, ExponentsWithEOrDInEitherCase) {
  EXPECT_EQ(Val("1.5E3"), 1500);
  EXPECT_EQ(Val("1.5d3"), 1500);
  EXPECT_EQ(Val("25e-2"), 0.25);
  EXPECT_EQ(Val("3 E + 2"), 300);
  EXPECT_EQ(Val("7E"), 7);
  EXPECT_EQ(Val("7e-x"), 7);
  EXPECT_EQ(Val("2E3E4"), 2000);
}

TEST(Val, HexAndOctalAreSigned16BitWhenTheyFitElse32Bit) {
  EXPECT_EQ(Val("&HFFFF"), -1);
  EXPECT_EQ(Val("&H8000"), -32768);
  EXPECT_EQ(Val("&H7FFF"), 32767);
  EXPECT_EQ(Val("&H10000"), 65536);
  EXPECT_EQ(Val("&HFFFFFFFF"), -1);
  EXPECT_EQ(Val("&H80000000"), -2147483648.0);
  EXPECT_EQ(Val("&h400"), 1024);
  EXPECT_EQ(Val("&H f f"), 255);
  EXPECT_EQ(Val("&H1G"), 1);
  EXPECT_EQ(Val("&H00000000FF"), 255);
  EXPECT_EQ(Val("&O17"), 15);
  EXPECT_EQ(Val("&o177777"), -1);
  EXPECT_EQ(Val("&O8"), 0);
  EXPECT_EQ(Val("&H"), 0);
  EXPECT_EQ(Val("&X1"), 0);
  EXPECT_EQ(Val("-&H10"), 0);
}

TEST(Val, OverflowReadsAsInfinityThatNoCheckedConversionAccepts) {
  EXPECT_EQ(Val("1e400"), HUGE_VAL);
  EXPECT_EQ(Val("-1e400"), -HUGE_VAL);
  EXPECT_EQ(Val("1" + std::string(400, '0')), HUGE_VAL);
  EXPECT_EQ(Val("&H100000000"), HUGE_VAL);
  EXPECT_EQ(Val("&O40000000000"), HUGE_VAL);
  EXPECT_EQ(Val("1e99999999999999999999"), HUGE_VAL);
  EXPECT_EQ(Val("1e-400"), 0);
  EXPECT_EQ(Val("0." + std::string(400, '0') + "1e400"), 1e-1);  // not an overflow
  int32_t out = 42;
  EXPECT_FALSE(tk::ToInt32(Val("1e400"), out));
  EXPECT_EQ(out, 42);
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(tk::RoundHalfEven(0.5), 0);
  EXPECT_EQ(tk::RoundHalfEven(1.5), 2);
  EXPECT_EQ(tk::RoundHalfEven(2.5), 2);
  EXPECT_EQ(tk::RoundHalfEven(3.5), 4);
  EXPECT_EQ(tk::RoundHalfEven(-2.5), -2);
  EXPECT_EQ(tk::RoundHalfEven(-1.5), -2);
  EXPECT_EQ(tk::RoundHalfEven(-0.4), 0);
  EXPECT_EQ(tk::RoundHalfEven(2.4999999), 2);
  EXPECT_EQ(tk::RoundHalfEven(2.5000001), 3);
  EXPECT_EQ(tk::RoundHalfEven(4503599627370497.0), 4503599627370497.0);
}

TEST(Rounding, CheckedConversionsRefuseWhatRoundsOutOfRange) {
  int32_t i32 = 7;
  EXPECT_TRUE(tk::ToInt32(2147483647.4, i32));
  EXPECT_EQ(i32, 2147483647);
  EXPECT_TRUE(tk::ToInt32(-2147483648.5, i32));  // rounds to the even -2147483648
  EXPECT_EQ(i32, -2147483648);
  EXPECT_FALSE(tk::ToInt32(2147483647.5, i32));
  EXPECT_FALSE(tk::ToInt32(3e9, i32));
  EXPECT_FALSE(tk::ToInt32(std::nan(""), i32));
  EXPECT_EQ(i32, -2147483648);

  int16_t i16 = 7;
  EXPECT_TRUE(tk::ToInt16(-32768.0, i16));
  EXPECT_EQ(i16, -32768);
  EXPECT_TRUE(tk::ToInt16(2.5, i16));
  EXPECT_EQ(i16, 2);
  EXPECT_FALSE(tk::ToInt16(32767.5, i16));
  EXPECT_FALSE(tk::ToInt16(-32769, i16));
  EXPECT_EQ(i16, 2);
}

TEST(FormatPattern, HashPatternGroupsByThreesAndShowsNothingForZero) {
  EXPECT_EQ(tk::FormatPattern(0, "#,###", ','), "");
  EXPECT_EQ(tk::FormatPattern(0.4, "#,###", ','), "");
  EXPECT_EQ(tk::FormatPattern(-0.4, "#,###", ','), "");
  EXPECT_EQ(tk::FormatPattern(7, "#,###", ','), "7");
  EXPECT_EQ(tk::FormatPattern(999, "#,###", ','), "999");
  EXPECT_EQ(tk::FormatPattern(1000, "#,###", ','), "1,000");
  EXPECT_EQ(tk::FormatPattern(1234567, "#,###", ','), "1,234,567");
  EXPECT_EQ(tk::FormatPattern(1234567, "#,###", '.'), "1.234.567");
  EXPECT_EQ(tk::FormatPattern(-1234, "#,###", '.'), "-1.234");
  EXPECT_EQ(tk::FormatPattern(2500.5, "#,###", ','), "2,500");
  EXPECT_EQ(tk::FormatPattern(2501.5, "#,###", ','), "2,502");
}

TEST(FormatPattern, ZeroPlaceholdersGiveTheLeastDigits) {
  const std::string bytes = "###,###,###,##0";
  EXPECT_EQ(tk::FormatPattern(0, bytes, ','), "0");
  EXPECT_EQ(tk::FormatPattern(12, bytes, '.'), "12");
  EXPECT_EQ(tk::FormatPattern(123456, bytes, '.'), "123.456");
  EXPECT_EQ(tk::FormatPattern(1234567890123.0, bytes, ','), "1,234,567,890,123");  // past 32 bits
  EXPECT_EQ(tk::FormatPattern(-5, bytes, ','), "-5");
  EXPECT_EQ(tk::FormatPattern(5, "0000", ','), "0005");
  EXPECT_EQ(tk::FormatPattern(1234, "#", ','), "1234");
  EXPECT_EQ(tk::FormatPattern(HUGE_VAL, bytes, ','), "");
}

TEST(SingleToText, SevenSignificantDigitsInTheGivenSeparator) {
  EXPECT_EQ(tk::SingleToText(45296.52f, '.'), "45296.52");
  EXPECT_EQ(tk::SingleToText(45296.52f, ','), "45296,52");
  EXPECT_EQ(tk::SingleToText(45296.0f, ','), "45296");
  EXPECT_EQ(tk::SingleToText(86399.999f, '.'), "86400");
  EXPECT_EQ(tk::SingleToText(1234567.0f, '.'), "1234567");
  EXPECT_EQ(tk::SingleToText(0.5f, '.'), "0.5");
  EXPECT_EQ(tk::SingleToText(-2.25f, ','), "-2,25");
  EXPECT_EQ(tk::SingleToText(100.0f, '.'), "100");
  EXPECT_EQ(tk::SingleToText(0.0f, '.'), "0");
  EXPECT_EQ(tk::SingleToText(-0.0f, '.'), "0");
  EXPECT_EQ(tk::SingleToText(0.0001f, '.'), "0.0001");
  EXPECT_EQ(tk::SingleToText(0.000123f, ','), "0,000123");
}

TEST(SingleToText, ENotationBelowMinusFourAndAboveSixInTheExponent) {
  EXPECT_EQ(tk::SingleToText(12345678.0f, '.'), "1.234568E+07");
  EXPECT_EQ(tk::SingleToText(12345678.0f, ','), "1,234568E+07");
  EXPECT_EQ(tk::SingleToText(9999999.0f, '.'), "9999999");
  EXPECT_EQ(tk::SingleToText(10000000.0f, '.'), "1E+07");
  EXPECT_EQ(tk::SingleToText(1e15f, '.'), "1E+15");
  EXPECT_EQ(tk::SingleToText(0.00001f, '.'), "1E-05");
  EXPECT_EQ(tk::SingleToText(-1.5e-7f, '.'), "-1.5E-07");
  EXPECT_EQ(tk::SingleToText(3e38f, '.'), "3E+38");
}

TEST(SingleToText, SecondsReadBackKeepTheirFractionOnlyWithADecimalPoint) {
  // The work folder's name: written in the user's locale, read back by Val.
  EXPECT_EQ(tk::SingleToText(static_cast<float>(Val(tk::SingleToText(45296.52f, '.'))), '.'), "45296.52");
  EXPECT_EQ(tk::SingleToText(static_cast<float>(Val(tk::SingleToText(45296.52f, ','))), ','), "45296");
  EXPECT_EQ(tk::SingleToText(static_cast<float>(Val(tk::SingleToText(45296.98f, ','))), ','), "45296");
}
