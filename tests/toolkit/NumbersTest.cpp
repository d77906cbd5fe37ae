#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

#include "toolkit/Numbers.h"

using tk::Val;
using Cases = std::initializer_list<std::pair<std::string, double>>;

void ExpectReadings(Cases cases) {
  for (const auto& [text, expected] : cases) EXPECT_EQ(Val(text), expected) << '"' << text << '"';
}

TEST(Val, ReadsTheLeadingNumberPassingOverBlanksTabsAndLineFeedsAnywhere) {
  ExpectReadings({{"1 2 3", 123}, {" - 5", -5}, {"\t1\n000 bytes", 1000}, {"+7", 7}, {"12abc", 12},
                  {"1,5", 1}, {".5", 0.5}, {"3.", 3}, {"1\r2", 1}, {"", 0}, {"abc", 0}, {"-", 0},
                  {".", 0}, {std::string("4\0" "2", 3), 4}});
  // Version texts stop at the second point or at a comma.
  ExpectReadings({{"6.0.81.69", 6}, {"5.1.2600.0", 5.1}, {"4.71.3110.0", 4.71}, {"1, 0, 0, 1", 1}});
  EXPECT_LT(Val("4.71.3110.0"), Val("4.8.0.0"));
  // Exponents with E or D.
  ExpectReadings({{"1.5E3", 1500}, {"1.5d3", 1500}, {"25e-2", 0.25}, {"3 E + 2", 300}, {"7E", 7},
                  {"7e-x", 7}, {"2E3E4", 2000}});
}

TEST(Val, HexAndOctalAreSigned16BitWhenTheyFitElse32Bit) {
  ExpectReadings({{"&HFFFF", -1}, {"&H8000", -32768}, {"&H7FFF", 32767}, {"&H10000", 65536},
                  {"&HFFFFFFFF", -1}, {"&H80000000", -2147483648.0}, {"&h400", 1024}, {"&H f f", 255},
                  {"&H1G", 1}, {"&H00000000FF", 255}, {"&O17", 15}, {"&o177777", -1}, {"&O8", 0},
                  {"&H", 0}, {"&X1", 0}, {"-&H10", 0}});
}

TEST(Val, OverflowReadsAsInfinityThatNoCheckedConversionAccepts) {
  ExpectReadings({{"1e400", HUGE_VAL}, {"-1e400", -HUGE_VAL}, {"1" + std::string(400, '0'), HUGE_VAL},
                  {"&H100000000", HUGE_VAL}, {"&O40000000000", HUGE_VAL}, {"1e99999999999999999999", HUGE_VAL},
                  {"1e-400", 0}, {"0." + std::string(400, '0') + "1e400", 0.1}});
  int32_t out = 42;
  EXPECT_FALSE(tk::ToInt32(Val("1e400"), out));
  EXPECT_EQ(out, 42);
}

TEST(Rounding, HalvesGoToTheEvenNeighbourAndCheckedConversionsRefuseOverflow) {
  for (const auto& [value, rounded] : Cases{{"0.5", 0}, {"1.5", 2}, {"2.5", 2}, {"3.5", 4}, {"-2.5", -2},
                                            {"-1.5", -2}, {"-0.4", 0}, {"2.4999999", 2}, {"2.5000001", 3}}) {
    EXPECT_EQ(tk::RoundHalfEven(Val(value)), rounded) << value;
  }
  int32_t i32 = 7;
  EXPECT_TRUE(tk::ToInt32(-2147483648.5, i32));  // the even neighbour fits
  EXPECT_EQ(i32, -2147483648);
  EXPECT_FALSE(tk::ToInt32(2147483647.5, i32));
  EXPECT_FALSE(tk::ToInt32(std::nan(""), i32));
  EXPECT_EQ(i32, -2147483648);
  int16_t i16 = 7;
  EXPECT_TRUE(tk::ToInt16(2.5, i16));
  EXPECT_EQ(i16, 2);
  EXPECT_FALSE(tk::ToInt16(32767.5, i16));
  EXPECT_FALSE(tk::ToInt16(-32769, i16));
  EXPECT_EQ(i16, 2);
}

TEST(FormatPattern, GroupsByThreesAndShowsTheLeastDigitsOfItsZeros) {
  EXPECT_EQ(tk::FormatPattern(0, "#,###", ','), "");
  EXPECT_EQ(tk::FormatPattern(-0.4, "#,###", ','), "");
  EXPECT_EQ(tk::FormatPattern(999, "#,###", ','), "999");
  EXPECT_EQ(tk::FormatPattern(1000, "#,###", ','), "1,000");
  EXPECT_EQ(tk::FormatPattern(1234567, "#,###", '.'), "1.234.567");
  EXPECT_EQ(tk::FormatPattern(-1234, "#,###", '.'), "-1.234");
  EXPECT_EQ(tk::FormatPattern(2500.5, "#,###", ','), "2,500");
  const std::string bytes = "###,###,###,##0";
  EXPECT_EQ(tk::FormatPattern(0, bytes, ','), "0");
  EXPECT_EQ(tk::FormatPattern(123456, bytes, '.'), "123.456");
  EXPECT_EQ(tk::FormatPattern(1234567890123.0, bytes, ','), "1,234,567,890,123");
  EXPECT_EQ(tk::FormatPattern(5, "0000", ','), "0005");
  EXPECT_EQ(tk::FormatPattern(HUGE_VAL, bytes, ','), "");
}

TEST(SingleToText, SevenSignificantDigitsWithENotationBeyondTheirRange) {
  EXPECT_EQ(tk::SingleToText(45296.52f, '.'), "45296.52");
  EXPECT_EQ(tk::SingleToText(45296.52f, ','), "45296,52");
  EXPECT_EQ(tk::SingleToText(86399.999f, '.'), "86400");
  EXPECT_EQ(tk::SingleToText(-2.25f, ','), "-2,25");
  EXPECT_EQ(tk::SingleToText(-0.0f, '.'), "0");
  EXPECT_EQ(tk::SingleToText(0.0001f, '.'), "0.0001");
  EXPECT_EQ(tk::SingleToText(9999999.0f, '.'), "9999999");
  EXPECT_EQ(tk::SingleToText(12345678.0f, ','), "1,234568E+07");
  EXPECT_EQ(tk::SingleToText(10000000.0f, '.'), "1E+07");
  EXPECT_EQ(tk::SingleToText(0.00001f, '.'), "1E-05");
  EXPECT_EQ(tk::SingleToText(-1.5e-7f, '.'), "-1.5E-07");
  EXPECT_EQ(tk::SingleToText(3e38f, '.'), "3E+38");
}

TEST(SingleToText, SecondsReadBackKeepTheirFractionOnlyWithADecimalPoint) {
  // The work folder's name: written in the user's locale, read back by Val.
  EXPECT_EQ(tk::SingleToText(static_cast<float>(Val(tk::SingleToText(45296.52f, '.'))), '.'), "45296.52");
  EXPECT_EQ(tk::SingleToText(static_cast<float>(Val(tk::SingleToText(45296.98f, ','))), ','), "45296");
}
