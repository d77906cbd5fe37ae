// The registry settings import in this process: Settings.reg written from
// Settings.lrk in the current folder, imported by the real registry editor,
// and RunAndWait returning only once its process has ended.
#include <gtest/gtest.h>

#include <string>

#include "engine/Import.h"
#include "engine/InstallLog.h"
#include "engine/ProgramManager.h"
#include "engine/SetupState.h"
#include "tests/support/Driver.h"
#include "tests/support/Registry.h"
#include "tests/support/WorkFolder.h"
#include "toolkit/Files.h"
#include "toolkit/Win.h"

namespace {

using testsupport::ReadFileBytes;
using testsupport::RegistryString;

class Import : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    work_ = std::make_unique<testsupport::ScratchWork>("engine-import", info->name());
    key_ = std::string("Software\\Velmarind Import\\") + info->name();
    ASSERT_TRUE(SetCurrentDirectoryA(work_->work().c_str()));
    SetupInfo = {};
    SetupInfo.InstallDir = "C:\\Programmi\\Demo \"v2\"";
    SetupInfo.ApplicationName = "Demo \\ App";
    SetupInfo.AppVersion = "2.0";
  }
  void TearDown() override {
    RegDeleteKeyA(HKEY_CURRENT_USER, key_.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Velmarind Import");
    tk::Reset();
    work_.reset();
  }
  std::unique_ptr<testsupport::ScratchWork> work_;
  std::string key_;
};

TEST_F(Import, WritesEveryTemplateLineInRegistryModeAndImportsIt) {
  const std::string system = ProgramManager::GetSystemDir();
  // The last line has no line end; an empty line stays empty.
  ASSERT_TRUE(work_->Write("Settings.lrk", "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\" + key_ +
                                               "]\r\n\"Path\"=\"§§qx_app_path§§\"\r\n"
                                               "\"System\"=\"§§QX_WIN_SYS_PATH§§\"\r\n"
                                               "\"Version\"=\"§§QX_Version§§\""));
  Misc::ImportSettings();

  std::string doubled = "C:\\\\Programmi\\\\Demo \"v2\"";
  std::string systemDoubled;
  for (char c : system) systemDoubled += c == '\\' ? std::string("\\\\") : std::string(1, c);
  EXPECT_EQ(ReadFileBytes(work_->work() + "\\Settings.reg").value_or("<missing>"),
            "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\" + key_ + "]\r\n\"Path\"=\"" + doubled + "\"\r\n\"System\"=\"" +
                systemDoubled + "\"\r\n\"Version\"=\"2.0\"\r\n");
  // The editor has ended and imported the values: the paths single again.
  EXPECT_EQ(RegistryString(HKEY_CURRENT_USER, key_, "System"), system);
  EXPECT_EQ(RegistryString(HKEY_CURRENT_USER, key_, "Version"), "2.0");
  EXPECT_FALSE(tk::IsOpen(1) || tk::IsOpen(2));
}

TEST_F(Import, AnEmptyTemplateGivesAnEmptyFileAndAMissingOneNone) {
  ASSERT_TRUE(work_->Write("Settings.lrk", ""));
  Misc::ImportSettings();
  EXPECT_EQ(ReadFileBytes(work_->work() + "\\Settings.reg").value_or("<missing>"), "");

  DeleteFileA((work_->work() + "\\Settings.lrk").c_str());
  DeleteFileA((work_->work() + "\\Settings.reg").c_str());
  Misc::ImportSettings();
  EXPECT_FALSE(ReadFileBytes(work_->work() + "\\Settings.reg").has_value());
  EXPECT_FALSE(tk::IsOpen(1) || tk::IsOpen(2));
}

// The system folder's registry editor when it has one, else the Windows
// folder's (here scratch folders with a stand-in that records how it was
// started); with neither, nothing is started and Install.Log says so.
TEST_F(Import, StartsTheSystemFoldersRegistryEditorElseTheWindowsFolders) {
  const std::string system = work_->work() + "\\system", windows = work_->work() + "\\windows";
  ASSERT_TRUE(CreateDirectoryA(system.c_str(), nullptr) && CreateDirectoryA(windows.c_str(), nullptr));
  EXPECT_EQ(Misc::RegistryEditor(system, windows), "");
  ASSERT_TRUE(CopyFileA(APPREMOVE_STANDIN_PATH, (windows + "\\regedit.exe").c_str(), FALSE));
  EXPECT_EQ(Misc::RegistryEditor(system, windows), windows + "\\regedit.exe");
  ASSERT_TRUE(CopyFileA(APPREMOVE_STANDIN_PATH, (system + "\\regedit.exe").c_str(), FALSE));
  EXPECT_EQ(Misc::RegistryEditor(system, windows), system + "\\regedit.exe");

  ASSERT_TRUE(work_->Write("Settings.lrk", "REGEDIT4"));
  SetupInfo.InstallDir = work_->work();
  Gest_File::CreateInstallLog();
  Misc::ImportSettings(system, windows);
  EXPECT_TRUE(ReadFileBytes(system + "\\appremove.log").value_or("").ends_with("/S Settings.reg\r\n"));
  EXPECT_FALSE(ReadFileBytes(windows + "\\appremove.log").has_value());

  const std::string none = work_->work() + "\\files";
  Misc::ImportSettings(none, none);
  EXPECT_EQ(ReadFileBytes(work_->work() + "\\Install.Log").value_or("<missing>"),
            "Impostazioni non importate: Settings.reg\r\n");
  EXPECT_EQ(Gest_File::InstallFailures(), 1);
}

TEST_F(Import, RunAndWaitReturnsWhenTheProcessHasEnded) {
  // The command writes its file only after a pause: it is there on return.
  EXPECT_TRUE(Misc::RunAndWait("cmd.exe /c ping -n 2 127.0.0.1 >nul & echo fatto> segno.txt"));
  EXPECT_EQ(ReadFileBytes(work_->work() + "\\segno.txt").value_or("<missing>"), "fatto\r\n");
  // A program that cannot be started returns at once.
  EXPECT_FALSE(Misc::RunAndWait("non-esiste-affatto.exe"));
}

}  // namespace
