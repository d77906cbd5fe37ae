// The whole road: the real Setup.exe beside a real Setup.UMF in this test's
// Wine prefix, walked through the wizard by posted mouse clicks and typed
// boxes, as a user would, up to the end of the installation or a quit
// confirmed during the copy. What it leaves is read back from the files,
// the links, the registry and the temporary folder.
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "tests/support/Driver.h"
#include "tests/support/InstalledMachine.h"
#include "tests/support/Locale.h"
#include "tests/support/Package.h"
#include "tests/support/Registry.h"
#include "tests/support/RuntimeStandIn.h"
#include "tests/support/Wait.h"
#include "tests/support/WizardDriver.h"
#include "tests/support/WorkFolder.h"
#include "toolkit/Win.h"
#include "wizard/Pages.h"

using namespace std::chrono_literals;
using testsupport::Member;
using testsupport::Program;
using testsupport::ReadFileBytes;
using testsupport::WizardDriver;

namespace {

using testsupport::Differences;
using testsupport::Exists;
using testsupport::InstalledMachine;
using testsupport::Lines;
using testsupport::ShellFolder;
using testsupport::SystemFolder;
using testsupport::TempFolder;
using testsupport::WorkFolders;

class WholeRoad : public ::testing::Test {
 protected:
  void SetUp() override {
    name_ = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    dir_ = "C:\\e2e-tests\\" + name_;
    testsupport::RemoveTree(dir_);
    CreateDirectoryA("C:\\e2e-tests", nullptr);
    ASSERT_TRUE(CreateDirectoryA(dir_.c_str(), nullptr));
    exe_ = dir_ + "\\Setup.exe";
    ASSERT_TRUE(CopyFileA(SETUP_EXE_PATH, exe_.c_str(), FALSE));
    installDir_ = dir_ + "\\Programmi\\Demo E2E";
    app_ = "Demo E2E " + name_;
    group_ = "Velmarind E2E " + name_;
    key_ = "Software\\Velmarind E2E\\" + name_;
    before_ = WorkFolders();
  }

  void TearDown() override {
    // The ended program's work folder is held a moment longer.
    for (const auto& f : NewWorkFolders())
      testsupport::WaitFor([&] { return testsupport::RemoveTree(TempFolder() + f); }, 10s);
    testsupport::RemoveTree(ShellFolder(CSIDL_COMMON_PROGRAMS) + "\\" + group_);
    testsupport::RemoveTree(ShellFolder(CSIDL_COMMON_PROGRAMS) + "\\Gruppo predefinito");
    DeleteFileA((ShellFolder(CSIDL_COMMON_DESKTOPDIRECTORY) + "\\" + app_ + ".Lnk").c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, key_.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Velmarind E2E");
    testsupport::RemoveTree(dir_);
    RemoveDirectoryA("C:\\e2e-tests");
  }

  std::vector<std::string> NewWorkFolders() const { return testsupport::WorkFoldersSince(before_); }

  // The setup files with the built shell component and stand-ins, the
  // settings of a plain executable or (with mde) of a database
  // application, Setup.ftc, and the payload; written as Setup.UMF.
  void WritePackage(const std::string& mde, const std::string& mdw, const std::vector<std::string>& fileList,
                    const std::vector<Member>& payload) {
    const auto shell = ReadFileBytes(QX_SHELL_DLL_PATH);
    const auto remover = ReadFileBytes(APPREMOVE_STANDIN_PATH);
    const auto runtime = ReadFileBytes(MSVBVM50_STANDIN_PATH);
    ASSERT_TRUE(shell && remover && runtime);
    const std::string exe = mde.empty() ? "Demo.exe" : "";
    std::vector<Member> members = {
        {"Licence.txt", "Licenza d'uso di prova."},
        {"Welcome.txt", "Benvenuti nell'installazione di @."},
        {"appremove.dll", *remover},
        {"qx_shell.dll", *shell},
        {"MsVBvm50.dll", *runtime},
        {"Settings.lrk", Lines({"REGEDIT4", "", "[HKEY_CURRENT_USER\\" + key_ + "]",
                                "\"Cartella\"=\"§§QX_App_Path§§\"", "\"Versione\"=\"§§QX_Version§§\""})},
        {"Setup.ftc", Lines(fileList)},
        {"Setup.dip", testsupport::SetupDipText({app_, "descrizione", "Velmarind", "Gruppo predefinito", "2.1",
                                                 "Demo E2E", "4096", exe, mde, mdw, "Demo.ico", "Leggimi",
                                                 "Leggimi.txt", "Demo.ico"})},
    };
    members.insert(members.end(), payload.begin(), payload.end());
    ASSERT_TRUE(testsupport::WriteFileBytes(dir_ + "\\Setup.UMF", testsupport::BuildPackage(members)));
  }

  // Starts Setup.exe and walks pages 0 to 5: the welcome text, the licence
  // accepted, the test's folder typed (and created when asked), the drive
  // report, the test's group typed, the summary read back. With
  // untickDesktop the desktop-link box is unticked by its caption label.
  void WalkToSummary(Program& setup, WizardDriver& wizard, bool untickDesktop) {
    ASSERT_TRUE(setup.started());
    ASSERT_TRUE(wizard.WaitWizard(120s)) << "no wizard window";
    ASSERT_TRUE(wizard.WaitPage(0, 30s));
    EXPECT_EQ(wizard.WelcomeText(), "Benvenuti nell'installazione di " + app_ + ".");

    wizard.Next();
    ASSERT_TRUE(wizard.WaitPage(1, 30s));
    EXPECT_EQ(wizard.WelcomeText(), "Licenza d'uso di prova.");
    wizard.AcceptLicence();
    wizard.Next();
    ASSERT_TRUE(wizard.WaitPage(2, 30s));
    // Up to major version 5 under Program Files, later at the drive's root.
    const std::string programFiles = ShellFolder(CSIDL_PROGRAM_FILES);
    EXPECT_EQ(wizard.Folder(), (LOBYTE(LOWORD(GetVersion())) <= 5 ? programFiles : programFiles.substr(0, 2)) +
                                   "\\Demo E2E");

    ASSERT_TRUE(wizard.SetFolder("  " + installDir_ + "\\ "));
    wizard.Next();
    const auto ask = setup.WaitDialog(30s);
    ASSERT_TRUE(ask.has_value()) << "no question for the missing folder";
    EXPECT_EQ(ask->text, "Il percorso non esiste: si desidera crearlo?");
    ASSERT_TRUE(testsupport::PressButton(ask->hwnd, "Yes"));
    ASSERT_TRUE(wizard.WaitPage(3, 30s));
    EXPECT_TRUE(Exists(installDir_));
    EXPECT_NE(wizard.WelcomeText().find("C:"), std::string::npos) << wizard.WelcomeText();

    wizard.Next();
    ASSERT_TRUE(wizard.WaitPage(4, 30s));
    EXPECT_EQ(wizard.Group(), "Gruppo predefinito");
    EXPECT_EQ(wizard.DesktopLinkBox(), 1);
    EXPECT_EQ(wizard.RunAfterInstallBox(), 1);
    ASSERT_TRUE(wizard.SetGroup(group_));
    if (untickDesktop) {
      wizard.ToggleDesktopLink();
      EXPECT_TRUE(testsupport::WaitFor([&] { return wizard.DesktopLinkBox() == 0; }, 10s));
    }

    wizard.Next();
    ASSERT_TRUE(wizard.WaitPage(5, 30s));
    EXPECT_EQ(wizard.WelcomeText(), Pages::SummaryText(installDir_, group_));
  }

  // Next on the summary: the installation runs to its end message, which
  // is answered; the program ends.
  void InstallToTheEnd(Program& setup, WizardDriver& wizard,
                       const std::string& endMessage = "Installazione completata.") {
    wizard.Next();
    const auto done = setup.WaitDialog(300s);
    ASSERT_TRUE(done.has_value()) << "no end message";
    EXPECT_EQ(done->text, endMessage);
    EXPECT_EQ(done->title, "Velmarind setup");
    EXPECT_EQ(wizard.Page(), 6);
    ASSERT_TRUE(testsupport::PressButton(done->hwnd, "OK"));
    ASSERT_TRUE(setup.Wait(60s).has_value()) << "Setup.exe did not end";
  }

  // Starts Setup.exe beside the package and installs through every page to
  // the end (see WalkToSummary and InstallToTheEnd).
  void InstallThroughEveryPage(bool untickDesktop,
                               const std::string& endMessage = "Installazione completata.") {
    Program setup("\"" + exe_ + "\"", dir_);
    WizardDriver wizard(setup);
    WalkToSummary(setup, wizard, untickDesktop);
    if (HasFatalFailure()) return;
    InstallToTheEnd(setup, wizard, endMessage);
  }

  // The work folder the launcher made, emptied and removed by the end of
  // the program.
  void ExpectWorkFolderRemoved() const { EXPECT_EQ(NewWorkFolders(), std::vector<std::string>{}); }

  std::string Read(const std::string& path) const { return ReadFileBytes(path).value_or("<missing>"); }

  std::string name_, dir_, exe_, installDir_, app_, group_, key_;
  std::set<std::string> before_;
  // The regional formats the installation forces, put back after.
  testsupport::LocaleAside locale_;
};

TEST_F(WholeRoad, InstallsAPlainExecutableThroughEveryPage) {
  WritePackage("", "",
               {"Demo.exe;§§QX_App_Path§§;1", "Demo.ico;§§QX_App_Path§§;1", "Leggimi.txt;§§QX_App_Path§§;1",
                "Manuale.txt;§§QX_App_Path§§\\Doc;1", "Manca.txt;§§QX_App_Path§§;1"},
               {{"Demo.exe", std::string(50000, 'E')},
                {"Demo.ico", std::string(766, 'I')},
                {"Leggimi.txt", "leggimi"},
                {"Manuale.txt", "manuale"}});
  InstallThroughEveryPage(true,
                          "Installazione completata.\r\n\r\nAlcuni file NON sono stati installati.\r\n"
                          "L'elenco si trova nel file:\r\n" +
                              installDir_ + "\\Install.Log");
  if (HasFatalFailure()) return;

  // The payload, the list of the file that failed, the components in the
  // system folder; the records: the head from Setup.dip with the group's
  // place, the links made (no desktop link: its box was unticked), the
  // removal section; the links; the settings file imported with the folder
  // and version put in.
  const std::string I = installDir_ + "\\";
  const std::string groupFolder = ShellFolder(CSIDL_COMMON_PROGRAMS) + "\\" + group_ + "\\";
  InstalledMachine expected;
  expected.files = {{I + "Demo.exe", std::string(50000, 'E')},
                    {I + "Demo.ico", std::string(766, 'I')},
                    {I + "Leggimi.txt", "leggimi"},
                    {I + "Doc\\Manuale.txt", "manuale"},
                    {I + "Install.Log", "File non copiato: Manca.txt\r\n"},
                    {SystemFolder() + "\\qx_shell.dll"},
                    {SystemFolder() + "\\AppRemove.Exe"},
                    {SystemFolder() + "\\MsVBvm50.dll"}};
  expected.texts = {{.path = I + "Uninstall.ini",
                     .head = Lines({"....." + app_, ".................descrizione", ".............Velmarind",
                                    "Program Group: " + ShellFolder(CSIDL_PROGRAMS) + "\\" + group_, "........2.1",
                                    "LNK=" + groupFolder + app_ + ".Lnk", "LNK=" + groupFolder + "Leggimi.Lnk",
                                    "LNK=" + groupFolder + "Rimuovi dal sistema.Lnk", "", ";[REMOVE]"}),
                     .holds = {";[REGISTRY SECTION]\r\nRemoveKey:LOCAL_MACHINE\\Software\\Microsoft\\Windows\\"
                               "CurrentVersion\\Uninstall\\" + app_ + "\r\n"}}};
  expected.links = {
      {.path = groupFolder + app_ + ".Lnk", .target = I + "Demo.exe", .workingFolder = installDir_,
       .iconPath = I + "Demo.ico"},
      {.path = groupFolder + "Leggimi.Lnk", .target = I + "Leggimi.txt"},
      // The system folder as the program spells it; the case may differ.
      {.path = groupFolder + "Rimuovi dal sistema.Lnk", .target = SystemFolder() + "\\appremove.exe",
       .arguments = "/" + installDir_, .targetInAnyCase = true},
      {.path = ShellFolder(CSIDL_COMMON_DESKTOPDIRECTORY) + "\\" + app_ + ".Lnk", .absent = true}};
  expected.values = {{HKEY_CURRENT_USER, key_, "Cartella", installDir_},
                     {HKEY_CURRENT_USER, key_, "Versione", "2.1"}};
  EXPECT_EQ(Differences(expected), "");
  ExpectWorkFolderRemoved();
}

TEST_F(WholeRoad, InstallsADatabaseApplicationAndStartsItWithTheRuntime) {
  // The Access runtime's stand-in records how it is started.
  const testsupport::RuntimeStandIn runtime(MSACCESS_STANDIN_PATH);
  ASSERT_TRUE(runtime.placed());
  WritePackage("Demo.mde", "Demo.mdw",
               {"Demo.mde;§§QX_App_Path§§;1", "Demo.mdw;§§QX_App_Path§§;1", "Demo.ico;§§QX_App_Path§§;1",
                "Leggimi.txt;§§QX_App_Path§§;1"},
               {{"Demo.mde", "mde"}, {"Demo.mdw", "mdw"}, {"Demo.ico", "ico"}, {"Leggimi.txt", "leggimi"}});
  InstallThroughEveryPage(false);
  if (HasFatalFailure()) return;

  const std::string I = installDir_ + "\\";
  const std::string arguments = " /wrkgrp \"" + I + "Demo.mdw\" \"" + I + "Demo.mde\" /user utente /runtime";
  const std::string groupFolder = ShellFolder(CSIDL_COMMON_PROGRAMS) + "\\" + group_ + "\\";
  const std::string desktop = ShellFolder(CSIDL_COMMON_DESKTOPDIRECTORY) + "\\" + app_ + ".Lnk";
  InstalledMachine expected;
  expected.files = {{I + "Demo.mde", "mde"}, {I + "Demo.mdw", "mdw"}};
  for (const std::string& path : {groupFolder + app_ + ".Lnk", desktop})
    expected.links.push_back({.path = path, .target = runtime.exe(), .arguments = arguments, .iconPath = I + "Demo.ico"});
  expected.texts = {
      {.path = I + "Uninstall.ini", .holds = {"\r\nLNK=" + groupFolder + app_ + ".Lnk\r\nLNK=" + desktop + "\r\n"}}};
  expected.values = {{HKEY_CURRENT_USER, key_, "Cartella", installDir_}};
  EXPECT_EQ(Differences(expected), "");

  // The ticked box started the runtime with the database at the end.
  const auto log = runtime.WaitLog(30s);
  ASSERT_TRUE(log.has_value());
  EXPECT_NE(log->find(arguments.substr(1)), std::string::npos) << *log;
  ExpectWorkFolderRemoved();
}

TEST_F(WholeRoad, AQuitConfirmedDuringTheCopyRemovesWhatItCopied) {
  // A file of an earlier installation, replaced but never listed; a small
  // file in a folder of its own; then files big enough for the copy to be
  // under way when Exit is clicked: the wizard takes the click within a few
  // milliseconds, the 80 MiB take far longer to copy even on a fast disk.
  std::vector<std::string> fileList = {"Vecchio.txt;§§QX_App_Path§§;1", "Primo.txt;§§QX_App_Path§§\\Doc;1"};
  std::vector<Member> payload = {{"Vecchio.txt", "nuovo"}, {"Primo.txt", "primo"}};
  for (int i = 1; i <= 5; ++i) {
    const std::string name = "Dati" + std::to_string(i) + ".bin";
    fileList.push_back(name + ";§§QX_App_Path§§;1");
    payload.push_back({name, std::string(16 << 20, static_cast<char>('0' + i))});
  }
  WritePackage("", "", fileList, payload);
  SHCreateDirectoryExA(nullptr, installDir_.c_str(), nullptr);
  const std::string I = installDir_ + "\\";
  ASSERT_TRUE(testsupport::WriteFileBytes(I + "Vecchio.txt", "vecchio"));

  Program setup("\"" + exe_ + "\"", dir_);
  WizardDriver wizard(setup);
  ASSERT_TRUE(setup.started());
  ASSERT_TRUE(wizard.WaitWizard(120s));
  ASSERT_TRUE(wizard.WaitPage(0, 30s));
  wizard.Next();
  ASSERT_TRUE(wizard.WaitPage(1, 30s));
  wizard.AcceptLicence();
  wizard.Next();
  ASSERT_TRUE(wizard.WaitPage(2, 30s));
  ASSERT_TRUE(wizard.SetFolder(installDir_));
  // The folder holds a file already: the question whether to go on.
  wizard.Next();
  const auto ask = setup.WaitDialog(30s);
  ASSERT_TRUE(ask.has_value());
  ASSERT_TRUE(testsupport::PressButton(ask->hwnd, "Yes"));
  ASSERT_TRUE(wizard.WaitPage(3, 30s));
  wizard.Next();
  ASSERT_TRUE(wizard.WaitPage(4, 30s));
  wizard.Next();
  ASSERT_TRUE(wizard.WaitPage(5, 30s));
  wizard.Next();

  // Exit as soon as the first big file is being copied.
  ASSERT_TRUE(testsupport::WaitFor([&] { return Exists(I + "Dati1.bin"); }, 120s, 1ms));
  wizard.Exit();
  const HWND quit = wizard.WaitQuitDialog(30s);
  ASSERT_NE(quit, nullptr) << "no quit dialog" << (Exists(I + "Dati5.bin") ? " (the copy had ended)" : "");
  WizardDriver::ConfirmQuit(quit);
  const auto message = setup.WaitDialog(30s);
  ASSERT_TRUE(message.has_value());
  EXPECT_EQ(message->text, "Installazione interrotta dall'Utente.");
  EXPECT_EQ(message->title, "Velmarind setup");
  // Nothing is rolled back before the message is answered.
  EXPECT_EQ(Read(I + "Doc\\Primo.txt"), "primo");
  ASSERT_TRUE(testsupport::PressButton(message->hwnd, "OK"));
  ASSERT_TRUE(setup.Wait(60s).has_value()) << "Setup.exe did not end";

  // The listed files and the one under way are gone, with the folder that
  // only they filled; the file that was there before stays, replaced.
  InstalledMachine expected;
  for (const char* gone : {"Doc\\Primo.txt", "Doc", "Dati1.bin", "Dati2.bin", "Dati5.bin"})
    expected.files.push_back({.path = I + gone, .absent = true});
  expected.files.push_back({I + "Vecchio.txt", "nuovo"});
  expected.files.push_back({installDir_});
  expected.files.push_back({.path = ShellFolder(CSIDL_COMMON_PROGRAMS) + "\\Gruppo predefinito", .absent = true});
  EXPECT_EQ(Differences(expected), "");
  ExpectWorkFolderRemoved();
}

// A downloads folder may hold anything beside Setup.exe: here libraries
// under the names of the shell component and of a system library the
// program uses, and programs under the names of the registry editor and of
// regsvr32. The program loads and starts the system's own, so none of the
// planted ones runs, and the installation is whole: the links (made through
// the shell component), the imported settings, the component registered.
TEST_F(WholeRoad, RunsNothingPlantedBesideIt) {
  const std::vector<std::string> planted = {"qx_shell.dll", "version.dll", "Regedit.exe", "regsvr32.exe"};
  for (const std::string& name : planted)
    ASSERT_TRUE(CopyFileA((std::string(PLANTED_DIR) + "\\" + name).c_str(), (dir_ + "\\" + name).c_str(), FALSE))
        << name;
  const auto component = ReadFileBytes(REGISTERING_DLL_PATH);
  ASSERT_TRUE(component.has_value());
  WritePackage("", "", {"Demo.exe;§§QX_App_Path§§;1", "Componente.dll;§§QX_App_Path§§;1"},
               {{"Demo.exe", std::string(5000, 'E')}, {"Componente.dll", *component}});
  // Wine (8.0) differs from Windows on version.dll: in its default order it
  // puts its own built-in library in place of a native one that it finds
  // beside a program, so the planted one never runs here, imported or not
  // (the build's check of Setup.exe's import table covers that); told to
  // take the native one first, its own user32 imports the library and
  // takes the planted one before any code of Setup.exe runs.
  InstallThroughEveryPage(false);
  if (HasFatalFailure()) return;

  const std::string I = installDir_ + "\\";
  // regsvr32 is not waited for by the installation.
  EXPECT_TRUE(testsupport::WaitFor([&] { return Exists(I + "Componente.dll.registered"); }, 30s));
  InstalledMachine expected;
  for (const std::string& name : planted) expected.files.push_back({.path = dir_ + "\\" + name + ".ran", .absent = true});
  const std::string groupFolder = ShellFolder(CSIDL_COMMON_PROGRAMS) + "\\" + group_ + "\\";
  for (const std::string& path :
       {groupFolder + app_ + ".Lnk", ShellFolder(CSIDL_COMMON_DESKTOPDIRECTORY) + "\\" + app_ + ".Lnk"})
    expected.links.push_back({.path = path, .target = I + "Demo.exe"});
  expected.values = {{HKEY_CURRENT_USER, key_, "Cartella", installDir_},
                     {HKEY_CURRENT_USER, key_, "Versione", "2.1"}};
  EXPECT_EQ(Differences(expected), "");
  ExpectWorkFolderRemoved();
}

}  // namespace
