#include <gtest/gtest.h>

#include "engine/Misc.h"

using namespace std::string_literals;

TEST(MiscText, FolderPartAndFileNameOfSamplePaths) {
  struct Row {
    std::string path, folder, file;
  };
  const Row rows[] = {
      {"C:\\Prog\\App\\file.dll", "C:\\Prog\\App\\", "file.dll"},
      {"C:file.txt", "C:", "C:file.txt"},
      {"C:\\", "C:\\", ""},
      {"file.txt", "", "file.txt"},
      {":x\\y", "", "y"},
      {"", "", ""},
      {"\\", "\\", ""},
      {"a/b/c.txt", "", "a/b/c.txt"},
      {"C:\\dir:stream\\x", "C:\\dir:stream\\", "x"},
      {"C:\\a\\b:c", "C:\\a\\b:", "b:c"},
      {"\\\\server\\share\\f", "\\\\server\\share\\", "f"},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(Misc::GetFolderPart(r.path), r.folder) << r.path;
    EXPECT_EQ(Misc::GetFileName(r.path), r.file) << r.path;
  }
}

TEST(MiscText, TrimAtNullCutsAtTheFirstNul) {
  EXPECT_EQ(Misc::TrimAtNull("C:\\windows"), "C:\\windows");
  EXPECT_EQ(Misc::TrimAtNull("\0abc"s), "");
  EXPECT_EQ(Misc::TrimAtNull("ab\0cd\0"s), "ab");
  EXPECT_EQ(Misc::TrimAtNull("abc"s + std::string(509, '\0')), "abc");
  EXPECT_EQ(Misc::TrimAtNull(""), "");
}

TEST(MiscText, ProgramFolderAndTheSetupFileThatStampsTimes) {
  EXPECT_EQ(Misc::AppPathOf("C:\\Setup.exe"), "C:");
  EXPECT_EQ(Misc::AppPathOf("D:\\Work\\Disk1\\Setup.exe"), "D:\\Work\\Disk1");
  EXPECT_EQ(Misc::AppPathOf("Setup.exe"), "");

  EXPECT_EQ(Misc::SetupProgramPath("C:\\setup.exe"), "C:\\setup.Exe");
  EXPECT_EQ(Misc::SetupProgramPath("D:\\Work\\my.setup.EXE"), "D:\\Work\\my.setup.Exe");
  EXPECT_EQ(Misc::SetupProgramPath("D:\\Work.d\\installer"), "D:\\Work.d\\installer.Exe");
}
