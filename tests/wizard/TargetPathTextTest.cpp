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
