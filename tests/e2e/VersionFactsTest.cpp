// The version facts of this run's prefix as the program reads them in this
// process: the real GetVersionExA (the host passes it on unchanged), the
// shell component's failure text that depends on the major version, and the
// restart road of the platform family. The host records the restart
// request and the shutdown-privilege calls instead of making them.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "engine/Csidl.h"
#include "engine/EndOfProgram.h"
#include "engine/Installation.h"
#include "engine/Misc.h"
#include "engine/ProgramManager.h"
#include "engine/SetupState.h"
#include "engine/SpecialFolder.h"
#include "tests/e2e/VersionMatrix.h"
#include "tests/support/InstalledMachine.h"
#include "tests/support/ScriptedHost.h"
#include "tests/support/WorkFolder.h"
#include "toolkit/Files.h"
#include "toolkit/Win.h"
#include "wizard/FrmSetup.h"

namespace {

using testsupport::ReadFileBytes;
using testsupport::ScratchWork;

// Records, in order, every restart request and privilege call.
class RecordingHost : public testsupport::ScriptedHost {
 public:
  std::vector<std::string> calls;
  bool RequestExitWindows(uint32_t mode, uint32_t reason) override {
    calls.push_back("restart " + std::to_string(mode));
    return ScriptedHost::RequestExitWindows(mode, reason);
  }
  bool OpenProcessTokenForPrivileges(uintptr_t& token) override {
    calls.push_back("open token");
    return ScriptedHost::OpenProcessTokenForPrivileges(token);
  }
  bool LookupShutdownPrivilege(uint64_t& luid) override {
    calls.push_back("look up");
    return ScriptedHost::LookupShutdownPrivilege(luid);
  }
  bool AdjustShutdownPrivilege(uintptr_t token, uint64_t luid, bool enable) override {
    calls.push_back(enable ? "enable" : "disable");
    return ScriptedHost::AdjustShutdownPrivilege(token, luid, enable);
  }
  void CloseToken(uintptr_t token) override {
    calls.push_back("close token");
    ScriptedHost::CloseToken(token);
  }
};

class VersionFacts : public ::testing::Test {
 protected:
  void SetUp() override {
    expected_ = versionmatrix::ExpectedHere();
    if (!expected_) GTEST_SKIP() << "not run in a prefix of the version matrix (WINE_VERSION)";
    name_ = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    work_ = std::make_unique<ScratchWork>("version-facts", name_);
    SourceDir = work_->work();
    SetupInfo = {};
    RestartNeeded = false;
    InstallStarted = false;
    RunCommand.clear();
    WinMajor = 0;
  }

  void TearDown() override {
    FrmSetup().Unload();
    tk::Reset();
    RestartNeeded = false;
    SetCurrentDirectoryA("C:\\");
    work_.reset();
  }

  const versionmatrix::Expected* expected_ = nullptr;
  std::string name_;
  std::unique_ptr<ScratchWork> work_;
  RecordingHost host_;
};

TEST_F(VersionFacts, TheFamilyAndMajorVersionAreThePrefixs) {
  int err = -1;
  EXPECT_EQ(Misc::IsWinNT(&err), expected_->nt);
  EXPECT_EQ(err, 0);
  EXPECT_EQ(WinMajor, static_cast<int16_t>(expected_->major));
  const tk::VersionFacts facts = tk::host().Version();
  ASSERT_TRUE(facts.ok);
  EXPECT_EQ(facts.major, expected_->major);
  EXPECT_EQ(facts.minor, expected_->minor);
  EXPECT_EQ(facts.platformId, expected_->nt ? 2u : 1u);
  std::printf("[ version  ] %s reports %u.%u build %u on platform %u\n", expected_->name.c_str(),
              static_cast<unsigned>(facts.major), static_cast<unsigned>(facts.minor),
              static_cast<unsigned>(facts.build), static_cast<unsigned>(facts.platformId));
}

// A shell component that will not register ends the installation; the
// administrator hint belongs to this version or not.
TEST_F(VersionFacts, TheShellComponentsFailureTextFitsTheVersion) {
  const std::string installDir = "C:\\version-facts\\" + name_ + "\\Programmi\\Demo";
  ASSERT_TRUE(work_->Write("Welcome.txt", "Benvenuti in @ !"));
  ASSERT_TRUE(work_->Write("Licence.txt", "Licenza"));
  ASSERT_TRUE(CopyFileA(FAILING_SHELL_DLL_PATH, (work_->work() + "\\qx_shell.dll").c_str(), FALSE));
  ASSERT_TRUE(CopyFileA(APPREMOVE_STANDIN_PATH, (work_->work() + "\\AppRemove.dll").c_str(), FALSE));
  ASSERT_TRUE(CopyFileA(MSVBVM50_STANDIN_PATH, (work_->work() + "\\MsVBvm50.dll").c_str(), FALSE));
  ASSERT_TRUE(work_->Write("Settings.lrk", "REGEDIT4\r\n"));
  ASSERT_TRUE(work_->Write("files\\Demo.exe", "x"));
  ASSERT_TRUE(work_->Write("Setup.ftc", "Demo.exe;§§QX_App_Path§§;1\r\n"));
  ASSERT_TRUE(work_->Write("Setup.dip", testsupport::SetupDipText({"Demo " + name_, "descrizione", "Velmarind",
                                                                   "Gruppo", "1.0", "Demo", "4096", "Demo.exe", "",
                                                                   "", "Demo.ico", "Leggimi", "Leggimi.txt",
                                                                   "Demo.ico"})));
  FrmSetup().Show();
  ASSERT_TRUE(FrmSetup().Loaded());
  // The folder proposed from the version the start-up read.
  const std::string programFiles = SpecialFolder::GetSpecialFolder(Csidl::ProgramFiles);
  EXPECT_EQ(SetupInfo.InstallDir,
            (expected_->programFilesFolder ? programFiles : programFiles.substr(0, 2)) + "\\Demo");
  SetupInfo.InstallDir = installDir;
  host_.boxes.clear();

  bool ended = false;
  try {
    Gest_File::RunInstallation(FrmSetupView());
  } catch (const tk::ProcessEnded&) {
    ended = true;
  }
  // The good component back in the system folder for whoever follows.
  CopyFileA(QX_SHELL_DLL_PATH, (ProgramManager::GetSystemDir() + "\\qx_shell.dll").c_str(), FALSE);

  ASSERT_TRUE(ended);
  ASSERT_EQ(host_.boxes.size(), 1u);
  const std::string hint =
      expected_->administratorHint
          ? "Provare a rieseguire l'installazione con 'tasto destro' «Esegui come Amministratore».\r\n\r\n"
          : "";
  EXPECT_EQ(host_.boxes[0].text, "QXSHELL#1 Si è verificato un errore per il file QX_SHELL.DLL\r\n" + hint +
                                     "L'installazione sarà terminata.");
  EXPECT_EQ(host_.boxes[0].style, tk::vbCritical);
  EXPECT_EQ(testsupport::Differences({.files = {{.path = installDir + "\\Demo.exe", .absent = true}}}), "");
  // Nothing asked for a restart on the way out.
  EXPECT_TRUE(host_.calls.empty());
}

// The end of the program with a replacement pending: the 9x family asks
// for the restart alone; the NT family enables the shutdown privilege
// first and disables it after, closing the token each time.
TEST_F(VersionFacts, TheRestartTakesThePlatformsRoad) {
  FrmSetup().AutoEsegui.SetValue(0);
  RestartNeeded = true;

  EXPECT_THROW(Misc::CleanUpAndExit(), tk::ProcessEnded);

  const std::vector<std::string> dos = {"restart 2"};
  const std::vector<std::string> nt = {"open token", "look up", "enable",  "close token", "restart 2",
                                       "open token", "look up", "disable", "close token"};
  EXPECT_EQ(host_.calls, expected_->nt ? nt : dos);
  EXPECT_TRUE(host_.boxes.empty());
}

}  // namespace
