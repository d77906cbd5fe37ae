#include "engine/Tokens.h"

#include <gtest/gtest.h>

namespace {

Misc::TokenValues Values() {
  Misc::TokenValues v;
  v.OfficeRuntimePath = "C:\\Program Files\\OfficeRT";
  v.InstallDir = "D:\\Programmi\\Demo";
  v.AppVersion = "1.2";
  v.SoftwareHouseName = "Ditta \"Rossi\"";
  v.CommonFilesFolder = "C:\\Program Files\\Common Files\\";
  v.MdwName = "Demo.mdw";
  v.MdeName = "Demo.mde";
  v.SystemDir = "c:\\windows\\system32";
  v.ApplicationName = "Demo";
  v.FontsFolder = "C:\\Windows\\Fonts";
  v.ProgramFilesFolder = "C:\\Program Files\\";
  v.WindowsDir = "c:\\windows";
  return v;
}

TEST(Tokens, SectionSignIsTheSingleByteOfTheTextFiles) {
  EXPECT_EQ(static_cast<unsigned char>(Misc::kTokens[0][0]), 0xA7);
  EXPECT_EQ(std::string(Misc::kTokens[8]), "\xA7\xA7QX_App_Name\xA7\xA7");
}

TEST(Tokens, EveryTokenPlainAndInRegistryMode) {
  const auto v = Values();
  const std::string all =
      "1=§§QX_Off_RT_Path§§|2=§§QX_App_Path§§|3=§§QX_Version§§|4=§§QX_SH_Name§§|"
      "5=§§QX_WIN_SHARED_PRG§§|6=§§QX_MDW§§|7=§§QX_MDE§§|8=§§QX_WIN_SYS_PATH§§|"
      "9=§§QX_App_Name§§|10=§§QX_WIN_FONTS_PATH§§|11=§§QX_WIN_PRG§§|12=§§QX_WIN_PATH§§";
  EXPECT_EQ(Misc::ReplaceTokens(all, false, v),
            "1=C:\\Program Files\\OfficeRT|2=D:\\Programmi\\Demo|3=1.2|4=Ditta \"Rossi\"|"
            "5=C:\\Program Files\\Common Files|6=Demo.mdw|7=Demo.mde|"
            "8=c:\\windows\\system32|9=Demo|10=C:\\Windows\\Fonts|11=C:\\Program Files|"
            "12=c:\\windows");
  EXPECT_EQ(Misc::ReplaceTokens(all, true, v),
            "1=C:\\\\Program Files\\\\OfficeRT|2=D:\\\\Programmi\\\\Demo|3=1.2|"
            "4=Ditta \"Rossi\"|5=C:\\\\Program Files\\\\Common Files|6=Demo.mdw|7=Demo.mde|"
            "8=c:\\\\windows\\\\system32|9=Demo|10=C:\\\\Windows\\\\Fonts|"
            "11=C:\\\\Program Files|12=c:\\\\windows");
}

TEST(Tokens, CaseRepeatsEmptyAndUntouchedText) {
  const auto v = Values();
  EXPECT_EQ(Misc::ReplaceTokens("§§qx_app_name§§ §§QX_APP_NAME§§§§Qx_App_Name§§", false, v),
            "Demo DemoDemo");
  EXPECT_EQ(Misc::ReplaceTokens("", true, v), "");
  EXPECT_EQ(Misc::ReplaceTokens("§QX_App_Name§ \\a\\ §§QX_Nothing§§", true, v),
            "§QX_App_Name§ \\a\\ §§QX_Nothing§§");
  // Backslashes of the text itself and of names are never doubled.
  auto named = v;
  named.ApplicationName = "A\\B";
  EXPECT_EQ(Misc::ReplaceTokens("x\\§§QX_App_Name§§", true, named), "x\\A\\B");
}

TEST(Tokens, ValuesAreSearchedForLaterTokensOnly) {
  auto v = Values();
  v.ApplicationName = "App in §§QX_WIN_PATH§§ not §§QX_App_Path§§";  // row 9
  EXPECT_EQ(Misc::ReplaceTokens("§§QX_App_Name§§", false, v),
            "App in c:\\windows not §§QX_App_Path§§");
  // The later value arrives doubled in registry mode, the earlier token stays.
  EXPECT_EQ(Misc::ReplaceTokens("§§QX_App_Name§§", true, v),
            "App in c:\\\\windows not §§QX_App_Path§§");
}

TEST(Tokens, ValueHoldingItsOwnTokenComesToAnEnd) {
  auto v = Values();
  v.ApplicationName = "x§§qx_app_name§§y";
  EXPECT_EQ(Misc::ReplaceTokens("<§§QX_App_Name§§|§§QX_App_Name§§>", false, v),
            "<x§§qx_app_name§§y|x§§qx_app_name§§y>");
  // A value that, joined with the text on its right, forms its token again
  // is replaced there as well, and still comes to an end.
  v.ApplicationName = "§§QX_App";
  EXPECT_EQ(Misc::ReplaceTokens("§§QX_App_Name§§_Name§§!", false, v), "§§QX_App!");
  v.ApplicationName = "A§§§§QX_App_Name§";
  EXPECT_EQ(Misc::ReplaceTokens("§§QX_App_Name§§§", false, v), "A§§A§§§§QX_App_Name§");
  // A token that overlaps the next one and whose value is the token itself:
  // the second is found across the first value's end, and the two values
  // then hold the token again, which is left as it is.
  v.MdwName = "§§QX_MDW§§";
  EXPECT_EQ(Misc::ReplaceTokens("§§QX_MDW§§QX_MDW§§", false, v), "§§QX_MDW§§QX_MDW§§");
  // Two values that meet and together spell their token.
  v.MdwName = "MDW§§§§QX_";
  EXPECT_EQ(Misc::ReplaceTokens("§§QX_MDW§§§§QX_MDW§§", false, v), "MDW§§§§QX_MDW§§§§QX_");
}

TEST(Tokens, TokensJoinedOnTheLeftOfAValueAreReplaced) {
  auto v = Values();
  // The text before the token ends in a token's beginning, the value goes on
  // with the rest of it.
  v.MdwName = "MDW§§-x";
  EXPECT_EQ(Misc::ReplaceTokens("§§QX_§§QX_MDW§§", false, v), "MDW§§-x-x");
  // A value shorter than its token, joined on both sides.
  v.MdwName = "X_M";
  EXPECT_EQ(Misc::ReplaceTokens("§§Q§§QX_MDW§§DW§§", false, v), "X_M");
  // An earlier row's value that ends in the beginning of a later token.
  v.SoftwareHouseName = "Rossi §§QX_";
  v.MdwName = "MDW§§";
  EXPECT_EQ(Misc::ReplaceTokens("§§QX_SH_Name§§§§QX_MDW§§", false, v), "Rossi MDW§§");
  EXPECT_EQ(Misc::ReplaceTokens("§§QX_SH_Name§§§§QX_MDW§§", true, v), "Rossi MDW§§");
}

TEST(Tokens, LongTextsHaveNoLengthLimit) {
  const auto v = Values();
  std::string text;
  for (int i = 0; i < 5000; ++i) text += "§§QX_MDE§§;";
  const std::string out = Misc::ReplaceTokens(text, false, v);
  ASSERT_EQ(out.size(), 5000u * 9u);
  EXPECT_EQ(out.substr(out.size() - 9), "Demo.mde;");
  EXPECT_EQ(Misc::DoubleBackslashes(std::string(40000, '\\')).size(), 79998u);
}

TEST(Tokens, DoubleBackslashes) {
  EXPECT_EQ(Misc::DoubleBackslashes(""), "");
  EXPECT_EQ(Misc::DoubleBackslashes("\\"), "");
  EXPECT_EQ(Misc::DoubleBackslashes("C:\\a\\b\\"), "C:\\\\a\\\\b");
  EXPECT_EQ(Misc::DoubleBackslashes("\\\\srv\\x"), "\\\\\\\\srv\\\\x");
  EXPECT_EQ(Misc::DoubleBackslashes("plain"), "plain");
}

}  // namespace
