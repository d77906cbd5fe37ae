// The temporary folder that the launcher's work folder goes into, with TMP
// and TEMP changed in this process: a name the ANSI code page cannot spell
// is reached through its short form.
#include <gtest/gtest.h>

#include <string>

#include "launcher/MiscUtils.h"
#include "toolkit/Win.h"

namespace {

TEST(TempFolder, KeepsALongNameTheCodePageSpellsAndShortensOneItCannot) {
  wchar_t tmp[MAX_PATH] = {}, temp[MAX_PATH] = {};
  GetEnvironmentVariableW(L"TMP", tmp, MAX_PATH);
  GetEnvironmentVariableW(L"TEMP", temp, MAX_PATH);
  CreateDirectoryW(L"C:\\temp-tests", nullptr);
  // "Città Lunga" is spelt in code page 1252, a Greek user name is not.
  for (const wchar_t* name : {L"Citt\u00e0 Lunga", L"\u0395\u03bb\u03ad\u03bd\u03b7"}) {
    const std::wstring folder = std::wstring(L"C:\\temp-tests\\") + name + L"\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    SetEnvironmentVariableW(L"TMP", folder.c_str());
    SetEnvironmentVariableW(L"TEMP", folder.c_str());
    const std::string given = GetTempFolder();
    if (name[0] == L'C') {
      EXPECT_EQ(given, "C:\\temp-tests\\Città Lunga\\");
    }
    // A work folder made there as the launcher makes it lands in the folder.
    EXPECT_TRUE(CreateDirectoryA((given + "~1_2.stp").c_str(), nullptr)) << given;
    EXPECT_TRUE(RemoveDirectoryW((folder + L"~1_2.stp").c_str())) << given;
    RemoveDirectoryW(folder.c_str());
  }
  SetEnvironmentVariableW(L"TMP", *tmp ? tmp : nullptr);
  SetEnvironmentVariableW(L"TEMP", *temp ? temp : nullptr);
  RemoveDirectoryW(L"C:\\temp-tests");
}

}  // namespace
