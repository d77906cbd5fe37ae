// The readings of a version resource's texts.
#include <gtest/gtest.h>

#include "engine/VersionText.h"

namespace {

TEST(VersionText, ReadsTheNumberAtTheStartOfTheFileVersion) {
  EXPECT_DOUBLE_EQ(VersionText::ReadFileVersion("6.0.81.69"), 6.0);
  EXPECT_DOUBLE_EQ(VersionText::ReadFileVersion("5.1.2600.0"), 5.1);
  EXPECT_DOUBLE_EQ(VersionText::ReadFileVersion("1, 0, 0, 1"), 1.0);
  EXPECT_DOUBLE_EQ(VersionText::ReadFileVersion("4.71.3110.0"), 4.71);
  EXPECT_DOUBLE_EQ(VersionText::ReadFileVersion("4.8.0.0"), 4.8);
  EXPECT_LT(VersionText::ReadFileVersion("4.71.3110.0"), VersionText::ReadFileVersion("4.8.0.0"));
  // Blanks anywhere, a point first, and what stops the reading.
  EXPECT_DOUBLE_EQ(VersionText::ReadFileVersion("  1 2.5 (build 7)"), 12.5);
  EXPECT_DOUBLE_EQ(VersionText::ReadFileVersion(".5"), 0.5);
  EXPECT_DOUBLE_EQ(VersionText::ReadFileVersion("3.abc"), 3.0);
  EXPECT_DOUBLE_EQ(VersionText::ReadFileVersion("-2"), 0.0);
  EXPECT_DOUBLE_EQ(VersionText::ReadFileVersion(""), 0.0);
  EXPECT_DOUBLE_EQ(VersionText::ReadFileVersion("."), 0.0);
  EXPECT_DOUBLE_EQ(VersionText::ReadFileVersion("v6.0"), 0.0);
}

TEST(VersionText, FormsTheStringTableKeyUnsigned) {
  EXPECT_EQ(VersionText::TranslationKey(0x0409, 1200), "040904B0");
  EXPECT_EQ(VersionText::TranslationKey(0x0410, 0x04E4), "041004E4");
  EXPECT_EQ(VersionText::TranslationKey(0, 0), "00000000");
  // A code page with its top bit set leaves the language part whole.
  EXPECT_EQ(VersionText::TranslationKey(0x0409, 0xFDE9), "0409FDE9");
  EXPECT_EQ(VersionText::TranslationKey(0xFFFF, 0x8000), "FFFF8000");
}

}  // namespace
