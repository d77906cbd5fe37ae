// A quit confirmed during an installation that the wizard runs in this
// process: the real copy shown through the wizard's setup view, the real
// quit dialog and roll-back, on a scratch work folder of the Wine prefix
// with the real shell component and the stand-ins of the system folder's
// files. The scripted host answers the message boxes and turns the end of
// the process into an exception.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/Installation.h"
#include "engine/SetupState.h"
#include "tests/support/Driver.h"
#include "tests/support/ForwardingView.h"
#include "tests/support/InstalledMachine.h"
#include "tests/support/ScriptedHost.h"
#include "tests/support/WorkFolder.h"
#include "toolkit/Files.h"
#include "toolkit/Owners.h"
#include "toolkit/Win.h"
#include "wizard/FrmQuit.h"
#include "wizard/FrmSetup.h"
#include "wizard/QuitRoad.h"

namespace {

using testsupport::Lines;
using testsupport::ReadFileBytes;

// Confirms the quit dialog as soon as its modal loop runs.
class ConfirmQuitWhenAsked {
 public:
  ConfirmQuitWhenAsked() : timer_(SetTimer(nullptr, 0, 10, &Tick)) {}
  ~ConfirmQuitWhenAsked() { KillTimer(nullptr, timer_); }
  ConfirmQuitWhenAsked(const ConfirmQuitWhenAsked&) = delete;
  ConfirmQuitWhenAsked& operator=(const ConfirmQuitWhenAsked&) = delete;

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (FrmQuit().Loaded()) FrmQuit().EndSetup_Click();
  }
  UINT_PTR timer_;
};

// The wizard's view, with `atBlock` run once a block has been shown.
class BlockWatch final : public testsupport::ForwardingView {
 public:
  BlockWatch() : ForwardingView(FrmSetupView()) {}
  std::function<void()> atBlock;
  void ShowBytesCopied(const std::string& caption) override {
    ForwardingView::ShowBytesCopied(caption);
    if (atBlock) atBlock();
  }
};

// What is left under a folder: each file's name and size.
std::vector<std::string> Left(const std::string& folder) {
  std::vector<std::string> left;
  for (const auto& file : testsupport::FilesUnder(folder)) left.push_back(file.name + " " + std::to_string(file.size));
  return left;
}

// The setup's own files in the work folder, as the launcher leaves them:
// the real shell component and the stand-ins. An earlier run's end removed
// the work folder: it is made again.
void WriteSetupFiles(testsupport::ScratchWork& work, const std::string& name) {
  CreateDirectoryA(work.work().c_str(), nullptr);
  CreateDirectoryA((work.work() + "\\files").c_str(), nullptr);
  ASSERT_TRUE(work.Write("Welcome.txt", "Benvenuti in @ !"));
  ASSERT_TRUE(work.Write("Licence.txt", "Licenza"));
  ASSERT_TRUE(CopyFileA(QX_SHELL_DLL_PATH, (work.work() + "\\qx_shell.dll").c_str(), FALSE));
  ASSERT_TRUE(CopyFileA(APPREMOVE_STANDIN_PATH, (work.work() + "\\AppRemove.dll").c_str(), FALSE));
  ASSERT_TRUE(CopyFileA(MSVBVM50_STANDIN_PATH, (work.work() + "\\MsVBvm50.dll").c_str(), FALSE));
  ASSERT_TRUE(work.Write("Settings.lrk", "REGEDIT4\r\n"));
  ASSERT_TRUE(work.Write("Setup.dip", testsupport::SetupDipText({"Demo " + name, "descrizione", "Velmarind",
                                                                 "Velmarind Test " + name, "1.5", "Demo", "200000",
                                                                 "Demo.exe", "", "", "Demo.ico"})));
}

// A quit confirmed during the copy of the last file, by Exit or by the
// system's close command: what the installation added goes, a file whose
// fonts step failed after its copy included; the user's own files stay,
// those the folder listing does not show too, whether kept by the flag or
// replaced by a newer version; the work folder is emptied. `left` gets what
// stays under the test's folder.
void QuitDuringTheLastCopy(bool closeCommand, std::vector<std::string>& left) {
  SCOPED_TRACE(closeCommand ? "the close command" : "Exit");
  const tk::ComApartment apartment;
  const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
  testsupport::ScriptedHost host;
  testsupport::ScratchWork work("wizard-install-quit", name);
  const std::string root = "C:\\wizard-install-quit\\" + name;
  const std::string installDir = root + "\\Programmi\\Demo";
  const std::string payload = installDir + "\\";
  WriteSetupFiles(work, name);
  const std::string newer = std::string(VERSION_DATA) + "\\v6_0_81_69.dll";
  ASSERT_TRUE(work.Write("files\\Nascosto.txt", "nuovo"));
  ASSERT_TRUE(CopyFileA(newer.c_str(), (work.work() + "\\files\\Motore.exe").c_str(), FALSE));
  ASSERT_TRUE(work.Write("files\\Carattere.ttf", "font"));
  ASSERT_TRUE(work.Write("files\\Ultimo.txt", "ultimo"));
  ASSERT_TRUE(work.Write("Setup.ftc", Lines({"Nascosto.txt;§§QX_App_Path§§;0", "Motore.exe;§§QX_App_Path§§;1",
                                             "Carattere.ttf;§§QX_App_Path§§;1", "Ultimo.txt;§§QX_App_Path§§;1"})));
  testsupport::RemoveTree(installDir);
  SHCreateDirectoryExA(nullptr, installDir.c_str(), nullptr);
  ASSERT_TRUE(testsupport::WriteFileBytes(payload + "Nascosto.txt", "mio"));
  ASSERT_TRUE(SetFileAttributesA((payload + "Nascosto.txt").c_str(), FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(CopyFileA((std::string(VERSION_DATA) + "\\v5_1_2600_0.dll").c_str(), (payload + "Motore.exe").c_str(),
                        FALSE));
  ASSERT_TRUE(SetFileAttributesA((payload + "Motore.exe").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
  SourceDir = work.work();
  SetupInfo = {};
  RestartNeeded = false;
  InstallStarted = false;
  QuitConfirmed = false;
  RunCommand.clear();
  FrmSetup().Show();
  ASSERT_TRUE(FrmSetup().Loaded());
  SetupInfo.InstallDir = installDir;
  FrmSetup().DeskShort.SetValue(0);

  // The version facts fail while the font is copied, so its fonts step
  // fails; the quit comes during the last file's copy.
  std::optional<std::string> listAtQuit;
  BlockWatch view;
  view.atBlock = [&] {
    host.overrideVersion = CopyUnderWay == payload + "Carattere.ttf";
    host.version = {};
    if (CopyUnderWay != payload + "Ultimo.txt") return;
    listAtQuit = ReadFileBytes(work.work() + "\\Uninstall.Tmp");
    ConfirmQuitWhenAsked confirm;
    if (closeCommand) {
      SendMessageA(FrmSetup().hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
    } else {
      QuitRoad::EndSetup_Click();
    }
  };
  EXPECT_THROW(Gest_File::RunInstallation(view), tk::ProcessEnded);

  EXPECT_EQ(listAtQuit.value_or("<missing>"), Lines({payload + "Carattere.ttf"}));
  ASSERT_EQ(host.boxes.size(), 2u);
  EXPECT_EQ(host.boxes[0].text, "Invalid procedure call or argument");
  EXPECT_EQ(host.boxes[1].text, "Installazione interrotta dall'Utente.");
  const auto read = [](const std::string& path) { return ReadFileBytes(path).value_or("<missing>"); };
  EXPECT_EQ(testsupport::Differences({.files = {{payload + "Install.Log", ""},
                                                {payload + "Nascosto.txt", "mio"},
                                                {payload + "Motore.exe", read(newer)},
                                                {.path = payload + "Carattere.ttf", .absent = true},
                                                {.path = payload + "Ultimo.txt", .absent = true}}}),
            "");
  EXPECT_EQ(Left(work.work()), std::vector<std::string>{});
  left = Left(root);

  FrmSetup().Unload();
  tk::Reset();
  testsupport::RemoveTree(root + "\\Programmi");
}

// The close command confirmed rolls back as a confirmed Exit does.
TEST(Installation, AQuitRemovesWhatWasAddedAndKeepsTheUsersHiddenFiles) {
  std::vector<std::string> byExit, byClose;
  QuitDuringTheLastCopy(false, byExit);
  QuitDuringTheLastCopy(true, byClose);
  EXPECT_EQ(byClose, byExit);
}

// A reinstall stopped during the copy of a file that the earlier
// installation left, on either road (the Exit picture, and the system's
// close command): the earlier installation stays as it was, the file under
// copy and its records whole, with nothing set aside left behind.
TEST(Installation, AReinstallStoppedDuringTheCopyKeepsTheEarlierInstallation) {
  const tk::ComApartment apartment;
  const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
  testsupport::ScriptedHost host;
  testsupport::ScratchWork work("wizard-install-quit", name);
  const std::string installDir = "C:\\wizard-install-quit\\" + name + "\\Demo", payload = installDir + "\\";
  const std::string old(100000, 'v'), records = "vecchie righe\r\nLNK=C:\\Vecchio.lnk\r\n",
                    log = "File non copiato: Vecchio.txt\r\n";
  // The wizard starts from the setup files of the work folder.
  WriteSetupFiles(work, name);
  ASSERT_TRUE(work.Write("Setup.ftc", Lines({"Grande.dat;§§QX_App_Path§§;1"})));
  SourceDir = work.work();
  FrmSetup().Show();
  ASSERT_TRUE(FrmSetup().Loaded());
  FrmSetup().DeskShort.SetValue(0);
  for (const bool exitRoad : {true, false}) {
    SCOPED_TRACE(exitRoad ? "Exit road" : "system close");
    WriteSetupFiles(work, name);
    ASSERT_TRUE(work.Write("files\\Grande.dat", std::string(200000, 'n')));
    ASSERT_TRUE(work.Write("Setup.ftc", Lines({"Grande.dat;§§QX_App_Path§§;1"})));
    testsupport::RemoveTree(installDir);
    SHCreateDirectoryExA(nullptr, installDir.c_str(), nullptr);
    ASSERT_TRUE(testsupport::WriteFileBytes(payload + "Grande.dat", old));
    ASSERT_TRUE(testsupport::WriteFileBytes(payload + "Uninstall.ini", records));
    ASSERT_TRUE(testsupport::WriteFileBytes(payload + "Install.Log", log));
    SourceDir = work.work();
    SetupInfo = {};
    SetupInfo.InstallDir = installDir;
    InstallStarted = QuitConfirmed = RestartNeeded = false;

    int blocks = 0;
    BlockWatch view;
    view.atBlock = [&] {
      if (CopyUnderWay != payload + "Grande.dat" || ++blocks != 3) return;
      ConfirmQuitWhenAsked confirm;
      int16_t cancel = 0;
      exitRoad ? QuitRoad::EndSetup_Click() : QuitRoad::Form_Unload(cancel);
    };
    EXPECT_THROW(Gest_File::RunInstallation(view), tk::ProcessEnded);

    EXPECT_EQ(blocks, 3);
    EXPECT_EQ(testsupport::Differences({.files = {{payload + "Grande.dat", old},
                                                  {payload + "Uninstall.ini", records},
                                                  {payload + "Install.Log", log}}}),
              "");
    auto names = testsupport::ListNames(payload + "*");
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Grande.dat", "Install.Log", "Uninstall.ini"}));
  }
  FrmSetup().Unload();
  tk::Reset();
}

}  // namespace
