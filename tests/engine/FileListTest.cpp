#include "engine/FileList.h"

#include <gtest/gtest.h>

namespace {

using Gest_File::ParseFileListLine;

TEST(FileList, LinesWithoutAFileNameAreSkipped) {
  EXPECT_FALSE(ParseFileListLine("", "D:"));
  EXPECT_FALSE(ParseFileListLine("Demo.exe", "D:"));
  EXPECT_FALSE(ParseFileListLine(";Demo.exe;\\x\\;1", "D:"));
  EXPECT_FALSE(ParseFileListLine(";", "D:"));
}

TEST(FileList, FoldersAndTargets) {
  auto e = ParseFileListLine("Demo.exe;D:\\Programmi\\Demo;1", "C:");
  ASSERT_TRUE(e);
  EXPECT_EQ(e->FileName, "Demo.exe");
  EXPECT_EQ(e->Folder, "D:\\Programmi\\Demo\\");
  EXPECT_TRUE(e->Replace);
  EXPECT_EQ(e->Source, "files\\Demo.exe");
  EXPECT_EQ(e->Target, "D:\\Programmi\\Demo\\Demo.exe");

  e = ParseFileListLine("Demo.exe;\\Demo\\;1", "D:");
  ASSERT_TRUE(e);
  EXPECT_EQ(e->Target, "D:\\Demo\\Demo.exe");
  e = ParseFileListLine("Demo.exe;Demo;1", "D:");
  EXPECT_EQ(e->Target, "D:Demo\\Demo.exe");
  // A ";" inside the folder belongs to it: the cut is made from the end.
  e = ParseFileListLine("a b.txt; x;y \\;0", "D:");
  EXPECT_EQ(e->FileName, "a b.txt");
  EXPECT_EQ(e->Folder, "D: x;y \\");
  EXPECT_FALSE(e->Replace);
}

TEST(FileList, ShortTailsAndTheFlag) {
  // Nothing after the first ";": the root of the install drive.
  auto e = ParseFileListLine("Demo.exe;", "D:");
  EXPECT_EQ(e->Folder, "D:\\");
  EXPECT_FALSE(e->Replace);
  // One character: kept whole as the folder, and read as the flag too.
  e = ParseFileListLine("Demo.exe;7", "D:");
  EXPECT_EQ(e->Folder, "D:7\\");
  EXPECT_TRUE(e->Replace);
  // Two characters: both cut.
  e = ParseFileListLine("Demo.exe;;1", "D:");
  EXPECT_EQ(e->Folder, "D:\\");
  // A blank after the flag is the flag; the folder keeps the second ";".
  e = ParseFileListLine("Demo.exe;\\Demo\\;1 ", "D:");
  EXPECT_EQ(e->Folder, "D:\\Demo\\;\\");
  EXPECT_FALSE(e->Replace);
  for (const char* flag : {"0", "x", "-", "."}) {
    EXPECT_FALSE(ParseFileListLine(std::string("f;C:\\;") + flag, "D:")->Replace) << flag;
  }
  EXPECT_TRUE(ParseFileListLine("f;C:\\;9", "D:")->Replace);
}

}  // namespace
