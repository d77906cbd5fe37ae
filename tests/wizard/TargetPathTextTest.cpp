// The folder check's clean-up and syntax checks, without a disk.
#include <gtest/gtest.h>

#include "wizard/TargetPathText.h"

namespace {

using TargetPathText::CheckSyntax;
using TargetPathText::Clean;
using TargetPathText::Syntax;

TEST(TargetPathText, CleanRemovesBlanksAroundAndTrailingBackslashes) {
  EXPECT_EQ(Clean("  C:\\Programmi\\Demo\\\\ "), "C:\\Programmi\\Demo");
  EXPECT_EQ(Clean("C:\\"), "C:");
  EXPECT_EQ(Clean(" C:\\a b \\ "), "C:\\a b ");  // blanks before a backslash stay
  EXPECT_EQ(Clean("\t C:\\x"), "\t C:\\x");        // only spaces are blanks
  EXPECT_EQ(Clean("   "), "");
  EXPECT_EQ(Clean("\\\\"), "");
  EXPECT_EQ(Clean(""), "");
}

TEST(TargetPathText, TheDriveColonMustBeTheSecondCharacterAndComesFirst) {
  EXPECT_EQ(CheckSyntax(""), Syntax::BadDrive);
  EXPECT_EQ(CheckSyntax("Programmi\\Demo"), Syntax::BadDrive);
  EXPECT_EQ(CheckSyntax("\\\\server\\share"), Syntax::BadDrive);
  EXPECT_EQ(CheckSyntax("CD:\\x"), Syntax::BadDrive);
  EXPECT_EQ(CheckSyntax(":\\x"), Syntax::BadDrive);
  EXPECT_EQ(CheckSyntax("\\x:*"), Syntax::BadDrive);  // before the character checks

  EXPECT_EQ(CheckSyntax("C:"), Syntax::Ok);
  EXPECT_EQ(CheckSyntax("C:\\Programmi\\Velmarind Demo"), Syntax::Ok);
  EXPECT_EQ(CheckSyntax("1:\\x"), Syntax::Ok);  // the first character is not examined
  EXPECT_EQ(CheckSyntax("*:\\x"), Syntax::Ok);
}

TEST(TargetPathText, AFolderRelativeToADrivesCurrentFolderIsABadDrive) {
  EXPECT_EQ(CheckSyntax("C:Demo"), Syntax::BadDrive);
  EXPECT_EQ(CheckSyntax("C:Programmi\\Demo"), Syntax::BadDrive);
  EXPECT_EQ(CheckSyntax("C: Demo"), Syntax::BadDrive);
  EXPECT_EQ(CheckSyntax("C:Demo*"), Syntax::ForbiddenCharacter);  // the other checks first
  EXPECT_EQ(CheckSyntax("C:Demo\\\\x"), Syntax::NetworkPath);
  EXPECT_EQ(CheckSyntax("C:.."), Syntax::BadDrive);
  // The drive's root, typed with its backslash, stays a drive.
  EXPECT_EQ(CheckSyntax(Clean("C:\\")), Syntax::Ok);
  EXPECT_EQ(CheckSyntax("C:\\Demo"), Syntax::Ok);
}

TEST(TargetPathText, ForbiddenCharactersAfterTheDriveThenDoubledBackslashes) {
  for (const char c : std::string("/:*?\"<>|")) {
    EXPECT_EQ(CheckSyntax(std::string("C:\\a") + c + "b"), Syntax::ForbiddenCharacter) << c;
    EXPECT_EQ(CheckSyntax(std::string("C:") + c), Syntax::ForbiddenCharacter) << c;
  }
  EXPECT_EQ(CheckSyntax("C:\\a\\\\b"), Syntax::NetworkPath);
  EXPECT_EQ(CheckSyntax("C:\\\\"), Syntax::NetworkPath);
  EXPECT_EQ(CheckSyntax("C:\\a\\\\b|"), Syntax::ForbiddenCharacter);  // characters first
  EXPECT_EQ(CheckSyntax("C:\\a\\b\\c"), Syntax::Ok);
}

}  // namespace

namespace {

TEST(TargetPathText, TheLongestPathBelowTheFolderCountsOnlyWhatLiesBelowIt) {
  using TargetPathText::LongestPathBelow;
  Misc::TokenValues values;
  values.InstallDir = "D:\\Altro";  // the folder checked takes its place
  values.SystemDir = "c:\\windows\\system32";
  const std::string folder = "C:\\Programmi\\Demo";
  // Nothing listed: the record the installation writes there.
  EXPECT_EQ(LongestPathBelow(folder, {}, values), folder.size() + std::string("\\Uninstall.ini").size());

  const std::string name(100, 'n');
  EXPECT_EQ(LongestPathBelow(folder,
                             {"Demo.exe;§§qx_app_path§§;1", name + ";§§QX_App_Path§§\\Dati;1",
                              std::string(300, 's') + ";§§QX_WIN_SYS_PATH§§;0",  // elsewhere
                              std::string(300, 'r') + ";\\Altrove\\;0", ";§§QX_App_Path§§;1", ""},
                             values),
            folder.size() + std::string("\\Dati\\").size() + name.size());
  // A folder without its drive lies on the folder's drive: below it here.
  EXPECT_EQ(LongestPathBelow(folder, {name + ";\\PROGRAMMI\\demo\\Sub\\;1"}, values),
            folder.size() + std::string("\\Sub\\").size() + name.size());
}

TEST(TargetPathText, AProgramGroupHoldsNoCharacterAFolderCannotHold) {
  using TargetPathText::HoldsForbiddenCharacter;
  EXPECT_TRUE(HoldsForbiddenCharacter("Giochi/Utilità: \"nuovi\""));
  for (const char c : std::string("/:*?\"<>|")) EXPECT_TRUE(HoldsForbiddenCharacter(std::string("G") + c)) << c;
  EXPECT_FALSE(HoldsForbiddenCharacter("Giochi\\Utilità nuovi"));
  EXPECT_FALSE(HoldsForbiddenCharacter(""));
}

}  // namespace
