// The system's libraries by their full paths, and the search for libraries
// limited to the system folder, under Wine. A library copied beside this
// test program stands for one planted beside Setup.exe.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/Driver.h"
#include "toolkit/Owners.h"
#include "toolkit/SystemLibrary.h"

namespace {

using testsupport::Exists;
using testsupport::Lower;

std::string FolderOf(HMODULE module) {
  char path[MAX_PATH] = {};
  const std::string file(path, GetModuleFileNameA(module, path, MAX_PATH));
  return file.substr(0, file.find_last_of('\\'));
}

// A library under a name of the case's own beside this program (the
// cases may run side by side), which leaves a marker when it is loaded.
class SystemLibraryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    name_ = std::string("planted_") + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".dll";
    beside_ = FolderOf(nullptr) + "\\" + name_;
    ASSERT_TRUE(CopyFileA(PLANTED_DIR "\\qx_shell.dll", beside_.c_str(), FALSE));
  }
  void TearDown() override {
    DeleteFileA(beside_.c_str());
    DeleteFileA((beside_ + ".ran").c_str());
  }

  std::string name_, beside_;
};

TEST_F(SystemLibraryTest, LoadsOnlyFromTheSystemFolder) {
  const tk::Library version(tk::LoadSystemLibrary("version.dll"));
  ASSERT_TRUE(version.valid());
  EXPECT_EQ(Lower(FolderOf(version.get())), Lower(tk::SystemFolderPath()));
  EXPECT_NE(tk::ProcAddress<FARPROC>(version.get(), "GetFileVersionInfoA"), nullptr);
  EXPECT_EQ(tk::ProcAddress<FARPROC>(version.get(), "NoSuchExport"), nullptr);

  // The search order would find this one beside the program; the system
  // folder has none.
  EXPECT_FALSE(tk::Library(tk::LoadSystemLibrary(name_.c_str())).valid());
  EXPECT_FALSE(Exists(beside_ + ".ran"));
}

TEST_F(SystemLibraryTest, TheLimitedSearchNoLongerLooksBesideTheProgram) {
  // Without the limit a bare name is looked for beside the program first.
  ASSERT_TRUE(tk::Library(LoadLibraryA(name_.c_str())).valid());

  ASSERT_TRUE(tk::LimitLibrarySearchToSystemFolder());
  EXPECT_FALSE(tk::Library(LoadLibraryA(name_.c_str())).valid());
  const tk::Library system(LoadLibraryA("version.dll"));
  ASSERT_TRUE(system.valid());
  EXPECT_EQ(Lower(FolderOf(system.get())), Lower(tk::SystemFolderPath()));
}

}  // namespace
