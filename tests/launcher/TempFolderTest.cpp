// Where the launcher's work folder goes, with the temporary folder given to
// this process: a name the ANSI code page cannot spell is reached through
// its short form.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "launcher/MiscUtils.h"
#include "tests/support/Driver.h"
#include "toolkit/Win.h"

namespace {

class TempFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    GetEnvironmentVariableW(L"TMP", tmp_, MAX_PATH);
    GetEnvironmentVariableW(L"TEMP", temp_, MAX_PATH);
    CreateDirectoryW(kRoot, nullptr);
  }
  void TearDown() override {
    SetEnvironmentVariableW(L"TMP", *tmp_ ? tmp_ : nullptr);
    SetEnvironmentVariableW(L"TEMP", *temp_ ? temp_ : nullptr);
    for (const std::wstring& name : made_) RemoveDirectoryW(name.c_str());
    RemoveDirectoryW(kRoot);
  }
  // Makes the folder root\name and gives it to this process as TMP and TEMP.
  std::wstring UseTemp(const std::wstring& name) {
    const std::wstring folder = std::wstring(kRoot) + L"\\" + name;
    CreateDirectoryW(folder.c_str(), nullptr);
    made_.insert(made_.begin(), folder);
    SetEnvironmentVariableW(L"TMP", (folder + L"\\").c_str());
    SetEnvironmentVariableW(L"TEMP", (folder + L"\\").c_str());
    return folder;
  }
  // A work folder made where GetTempFolder() says, as the launcher makes it;
  // true when it appears in folder.
  bool WorkFolderLandsIn(const std::wstring& folder) {
    const std::string temp = GetTempFolder();
    if (!CreateDirectoryA((temp + "~1_2.stp").c_str(), nullptr)) return false;
    made_.insert(made_.begin(), folder + L"\\~1_2.stp");
    return GetFileAttributesW((folder + L"\\~1_2.stp").c_str()) == FILE_ATTRIBUTE_DIRECTORY;
  }
  static constexpr const wchar_t* kRoot = L"C:\\temp-tests";
  wchar_t tmp_[MAX_PATH] = {}, temp_[MAX_PATH] = {};
  std::vector<std::wstring> made_;
};

TEST_F(TempFolder, KeepsALongNameTheCodePageSpellsAndShortensOneItCannot) {
  // "Città Lunga" spells in code page 1252 and keeps its long form.
  const std::wstring latin = UseTemp(L"Citt\u00e0 Lunga");
  EXPECT_EQ(GetTempFolder(), "C:\\temp-tests\\Citt\xe0 Lunga\\");
  EXPECT_TRUE(WorkFolderLandsIn(latin));

  // A Greek user name does not.
  const std::wstring greek = UseTemp(L"\u0395\u03bb\u03ad\u03bd\u03b7");
  const std::string temp = GetTempFolder();
  EXPECT_EQ(temp.find('?'), std::string::npos) << temp;
  EXPECT_TRUE(WorkFolderLandsIn(greek)) << temp;
}

}  // namespace
