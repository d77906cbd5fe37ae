// The check of an installed machine against its description, on a small
// machine made here: a folder with files, a link written through the
// system's shell link object, a registry key and a record file. What the
// readers list is what the demo's summary shows; every kind of difference
// is reported on a line of its own.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/Driver.h"
#include "tests/support/InstalledMachine.h"
#include "toolkit/Owners.h"
#include "toolkit/Win.h"

namespace {

using testsupport::Differences;
using testsupport::InstalledMachine;

// A link through the system's shell link object; false when it was not saved.
bool WriteLink(const std::string& path, const std::string& target, const std::string& arguments) {
  const tk::ComApartment com;
  tk::ComPtr<IShellLinkA> link;
  tk::ComPtr<IPersistFile> file;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.outVoid())) ||
      FAILED(link->SetPath(target.c_str())) || FAILED(link->SetArguments(arguments.c_str())) ||
      FAILED(link->QueryInterface(IID_IPersistFile, file.outVoid())))
    return false;
  const std::wstring wide(path.begin(), path.end());
  return SUCCEEDED(file->Save(wide.c_str(), TRUE));
}

class InstalledMachineCheck : public ::testing::Test {
 protected:
  // A folder and a key of each case's own: the cases may run side by side.
  void SetUp() override {
    const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    dir_ = "C:\\installed-machine-" + name;
    key_ = "Software\\Velmarind Checker " + name;
    testsupport::RemoveTree(dir_);
    ASSERT_TRUE(CreateDirectoryA(dir_.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA((dir_ + "\\Doc").c_str(), nullptr));
    ASSERT_TRUE(testsupport::WriteFileBytes(dir_ + "\\App.exe", "programma"));
    ASSERT_TRUE(testsupport::WriteFileBytes(dir_ + "\\Doc\\Manuale.txt", "manuale"));
    ASSERT_TRUE(testsupport::WriteFileBytes(dir_ + "\\Uninstall.ini", "App\r\nLNK=a\r\n;[REMOVE]\r\n"));
    ASSERT_TRUE(WriteLink(dir_ + "\\App.lnk", dir_ + "\\App.exe", "/x"));
    RegDeleteKeyA(HKEY_CURRENT_USER, (key_ + "\\Sub").c_str());
    tk::RegKey key;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, (key_ + "\\Sub").c_str(), key.out()), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key.get(), "Cartella", 0, REG_SZ, reinterpret_cast<const BYTE*>("C:\\App"), 7),
              ERROR_SUCCESS);
  }
  void TearDown() override {
    RegDeleteKeyA(HKEY_CURRENT_USER, (key_ + "\\Sub").c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, key_.c_str());
    testsupport::RemoveTree(dir_);
  }

  std::string dir_, key_;
};

TEST_F(InstalledMachineCheck, TheReadersListWhatIsThere) {
  const auto files = testsupport::FilesUnder(dir_);
  std::string listed;
  for (const auto& file : files) listed += file.name + " " + std::to_string(file.size) + ";";
  EXPECT_NE(listed.find("App.exe 9;"), std::string::npos) << listed;
  EXPECT_NE(listed.find("Doc\\Manuale.txt 7;"), std::string::npos) << listed;
  EXPECT_EQ(files.size(), 4u) << listed;

  const auto links = testsupport::LinksIn(dir_);
  ASSERT_EQ(links.size(), 1u);
  EXPECT_EQ(links[0].path, dir_ + "\\App.lnk");
  ASSERT_TRUE(links[0].link.has_value());
  EXPECT_EQ(links[0].link->target, dir_ + "\\App.exe");
  EXPECT_EQ(links[0].link->arguments, "/x");

  const auto values = testsupport::ValuesUnder(HKEY_CURRENT_USER, key_);
  ASSERT_EQ(values.size(), 1u);
  EXPECT_EQ(values[0].key, key_ + "\\Sub");
  EXPECT_EQ(values[0].name, "Cartella");
  EXPECT_EQ(values[0].value.type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(values[0].value.text, "C:\\App");
}

TEST_F(InstalledMachineCheck, AMatchingMachineHasNoDifferenceAndEveryOtherIsReported) {
  const std::string key = key_ + "\\Sub";
  InstalledMachine machine;
  machine.files = {{dir_ + "\\App.exe", "programma"},
                   {.path = dir_ + "\\Doc\\Manuale.txt", .size = 7},
                   {dir_ + "\\Doc"},
                   {.path = dir_ + "\\Manca.txt", .absent = true}};
  machine.values = {{HKEY_CURRENT_USER, key, "Cartella", "C:\\App"}, {HKEY_CURRENT_USER, key, "Altro", {}}};
  machine.links = {{.path = dir_ + "\\App.lnk", .target = dir_ + "\\APP.EXE", .arguments = "/x",
                    .targetInAnyCase = true},
                   {.path = dir_ + "\\Altro.lnk", .absent = true}};
  machine.texts = {{.path = dir_ + "\\Uninstall.ini", .head = "App\r\n", .holds = {"LNK=a\r\n"},
                    .lacks = {"LNK=b"}, .tail = ";[REMOVE]\r\n"}};
  EXPECT_EQ(Differences(machine), "");

  InstalledMachine wrong;
  wrong.files = {{dir_ + "\\App.exe", "altro"},
                 {.path = dir_ + "\\Doc\\Manuale.txt", .size = 8},
                 {dir_ + "\\Manca.txt"},
                 {.path = dir_ + "\\Doc", .absent = true}};
  wrong.values = {{HKEY_CURRENT_USER, key, "Cartella", "C:\\Altro"}, {HKEY_CURRENT_USER, key, "Altro", "x"},
                  {HKEY_CURRENT_USER, key, "Cartella", {}}};
  wrong.links = {{.path = dir_ + "\\App.lnk", .target = dir_ + "\\APP.EXE", .arguments = "/y",
                  .workingFolder = "C:\\", .iconPath = "C:\\App.ico"},
                 {.path = dir_ + "\\App.exe", .target = "x"},
                 {.path = dir_ + "\\App.lnk", .absent = true}};
  wrong.texts = {{.path = dir_ + "\\Uninstall.ini", .head = "Altro\r\n", .holds = {"LNK=b\r\n"},
                  .lacks = {"LNK=a"}, .tail = "[FINE]\r\n"},
                 {.path = dir_ + "\\Install.Log"}};
  const std::string I = dir_ + "\\";
  const std::string text = "\"App\\r\\nLNK=a\\r\\n;[REMOVE]\\r\\n\"";
  EXPECT_EQ(Differences(wrong),
            I + "App.exe: expected \"altro\", found \"programma\"\n" +
            I + "Doc\\Manuale.txt: expected 8 bytes, found 7 bytes\n" +
            I + "Manca.txt: expected a file or folder, found nothing\n" +
            I + "Doc: expected nothing, found a file or folder\n"
            "HKCU\\" + key + " \"Cartella\": expected \"C:\\Altro\", found \"C:\\App\"\n"
            "HKCU\\" + key + " \"Altro\": expected \"x\", found no value\n"
            "HKCU\\" + key + " \"Cartella\": expected no value, found \"C:\\App\"\n" +
            I + "App.lnk target: expected \"" + I + "APP.EXE\", found \"" + I + "App.exe\"\n" +
            I + "App.lnk arguments: expected \"/y\", found \"/x\"\n" +
            I + "App.lnk working folder: expected \"C:\\\", found \"\"\n" +
            I + "App.lnk icon: expected \"C:\\App.ico\", found \"\"\n" +
            I + "App.exe: expected a link, found a file that is no link\n" +
            I + "App.lnk: expected no link, found a file\n" +
            I + "Uninstall.ini head: expected \"Altro\\r\\n\", found " + text + "\n" +
            I + "Uninstall.ini: expected to hold \"LNK=b\\r\\n\", found " + text + "\n" +
            I + "Uninstall.ini: expected to lack \"LNK=a\", found " + text + "\n" +
            I + "Uninstall.ini tail: expected \"[FINE]\\r\\n\", found \"EMOVE]\\r\\n\"\n" +
            I + "Install.Log: expected a text file, found nothing\n");
}

}  // namespace
