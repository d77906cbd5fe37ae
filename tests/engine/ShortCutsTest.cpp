// CreateShortcut and the installation's shortcuts under Wine, with the built
// shell component registered: the links in the prefix's shell folders, read
// back through the system, and the "LNK=" lines of a scratch Uninstall.ini.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/Csidl.h"
#include "engine/InstallLog.h"
#include "engine/ProgramManager.h"
#include "engine/SetupState.h"
#include "engine/ShortCuts.h"
#include "engine/SpecialFolder.h"
#include "tests/engine/HelpersTestFolder.h"
#include "tests/engine/RecordingView.h"
#include "tests/support/LinkReader.h"
#include "tests/support/Driver.h"
#include "toolkit/Files.h"
#include "toolkit/Owners.h"
#include "toolkit/Win.h"

namespace {

using helpers_test::Exists;
using linkreader::ReadLink;

constexpr int32_t kPrograms = Csidl::CommonPrograms, kDesktop = Csidl::CommonDesktopDirectory,
                  kAppData = Csidl::AppData;
const char* const kQuickLaunch = "\\Microsoft\\Internet Explorer\\Quick Launch";

std::vector<std::string> Lines(const std::string& path) {
  std::vector<std::string> lines;
  const auto bytes = testsupport::ReadFileBytes(path);
  if (!bytes) return lines;
  size_t start = 0;
  while (start < bytes->size()) {
    size_t end = bytes->find("\r\n", start);
    if (end == std::string::npos) end = bytes->size();
    lines.push_back(bytes->substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

class ShortCutsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(com_.ok());
    ASSERT_EQ(linkreader::RegisterBuiltShell(QX_SHELL_DLL_PATH), S_OK);
    SetupInfo = {};
    SetupInfo.InstallDir = install_.path();
    ASSERT_TRUE(testsupport::WriteFileBytes(Ini(), "[head]\r\n"));
    Gest_File::CreateInstallLog();
    RunCommand.clear();
    WinMajor = 5;
    programs_ = SpecialFolder::GetSpecialFolder(kPrograms);
    desktop_ = SpecialFolder::GetSpecialFolder(kDesktop);
    ASSERT_FALSE(programs_.empty());
    ASSERT_FALSE(desktop_.empty());
    // Unique names, so that nothing of the prefix's own is touched.
    const std::string id = std::to_string(::GetCurrentProcessId());
    group_ = "Gruppo prova " + id;
    app_ = "Gestione prova " + id;
    SetSetupView(&view_);
  }
  void TearDown() override {
    SetSetupView(nullptr);
    testsupport::RemoveTree(programs_ + "\\" + group_);
    ::DeleteFileA((programs_ + "\\" + app_ + ".Lnk").c_str());
    ::DeleteFileA((desktop_ + "\\" + app_ + ".Lnk").c_str());
    tk::Reset();
  }

  std::string Ini() const { return install_.path() + "\\Uninstall.ini"; }
  std::string In(const std::string& name) const { return install_.path() + "\\" + name; }

  tk::ComApartment com_;
  testsupport::RecordingView view_;
  helpers_test::ScratchFolder install_{"shortcuts-install"};
  std::string programs_, desktop_, group_, app_;
};

TEST_F(ShortCutsTest, RecordsTheLinkThenMakesItInTheGroupItCreates) {
  const std::string link = programs_ + "\\" + group_ + "\\" + app_ + ".Lnk";
  ShortCuts::CreateShortcut(kPrograms, group_, In("Gestione.exe"), app_, "/x \"a b\"", In("app.ico"), true);
  EXPECT_EQ(Lines(Ini()), (std::vector<std::string>{"[head]", "LNK=" + link}));
  EXPECT_FALSE(tk::IsOpen(1));
  const auto view = ReadLink(link);
  ASSERT_TRUE(view);
  EXPECT_EQ(::lstrcmpiA(view->target.c_str(), In("Gestione.exe").c_str()), 0) << view->target;
  EXPECT_EQ(view->arguments, "/x \"a b\"");
  EXPECT_EQ(view->workingFolder, install_.path());
  EXPECT_EQ(view->iconPath, In("app.ico"));

  // Without the create flag a missing sub-folder stays missing: no link is
  // made, none recorded, and the failure is logged.
  const std::string other = group_ + " bis";
  ShortCuts::CreateShortcut(kPrograms, other, In("Gestione.exe"), app_, "", In("app.ico"), false);
  const std::string missing = programs_ + "\\" + other;
  EXPECT_FALSE(Exists(missing));
  EXPECT_EQ(Lines(Ini()), (std::vector<std::string>{"[head]", "LNK=" + link}));
  EXPECT_EQ(Lines(In("Install.Log")),
            std::vector<std::string>{"Collegamento non creato: " + missing + "\\" + app_ + ".Lnk"});
  EXPECT_EQ(Gest_File::InstallFailures(), 1);

  // File number 1 held elsewhere: the line is skipped, the number left open,
  // the link still made.
  ::DeleteFileA(link.c_str());
  ASSERT_EQ(tk::Open(In("altro.txt"), tk::OpenMode::Output, 1), 0);
  ShortCuts::CreateShortcut(kPrograms, group_, In("Gestione.exe"), app_, "", In("app.ico"), true);
  EXPECT_TRUE(tk::IsOpen(1));
  EXPECT_EQ(Lines(Ini()).size(), 2u);
  EXPECT_TRUE(Exists(link));
}

TEST_F(ShortCutsTest, EmptySubFolderPutsTheLinkInTheShellFolderItself) {
  const size_t before = testsupport::ListNames(programs_ + "\\*").size();
  ShortCuts::CreateShortcut(kPrograms, "", In("Gestione.exe"), app_, "", In("app.ico"), true);
  const std::string link = programs_ + "\\" + app_ + ".Lnk";
  EXPECT_EQ(Lines(Ini()), (std::vector<std::string>{"[head]", "LNK=" + link}));
  EXPECT_TRUE(ReadLink(link));
  EXPECT_EQ(testsupport::ListNames(programs_ + "\\*").size(), before + 1);  // the link alone
}

TEST_F(ShortCutsTest, ShellFolderWithoutPathRecordsAndMakesNothingButTheFailure) {
  // The Control Panel has no folder on disk.
  const std::string root = "C:\\" + group_;
  ShortCuts::CreateShortcut(CSIDL_CONTROLS, group_, In("Gestione.exe"), app_, "", In("app.ico"), true);
  EXPECT_EQ(Lines(Ini()), std::vector<std::string>{"[head]"});
  EXPECT_EQ(Lines(In("Install.Log")), std::vector<std::string>{"Collegamento non creato: " + app_ + ".Lnk"});
  EXPECT_FALSE(Exists(root));
  EXPECT_FALSE(Exists("C:\\" + app_ + ".Lnk"));
  EXPECT_FALSE(Exists("\\" + group_));
}

TEST_F(ShortCutsTest, PlainExecutableWithoutDesktopBox) {
  SetupInfo.ExeName = "Gestione.exe";
  SetupInfo.IconName = "app.ico";
  SetupInfo.ApplicationName = app_;
  SetupInfo.ProgramGroup = group_;
  SetupInfo.ExtraShortcutCount = 1;
  SetupInfo.ExtraShortcuts[1] = {"Leggimi", "Leggimi.txt", "app.ico"};
  view_.deskShort = 0;
  ShortCuts::MakeShortcuts();

  const std::string group = programs_ + "\\" + group_ + "\\";
  const std::string system = ProgramManager::GetSystemDir();
  EXPECT_EQ(Lines(Ini()), (std::vector<std::string>{"[head]", "LNK=" + group + app_ + ".Lnk",
                                                    "LNK=" + group + "Leggimi.Lnk",
                                                    "LNK=" + group + "Rimuovi dal sistema.Lnk"}));
  EXPECT_EQ(RunCommand, "");
  EXPECT_FALSE(Exists(desktop_ + "\\" + app_ + ".Lnk"));
  const auto extra = ReadLink(group + "Leggimi.Lnk");
  ASSERT_TRUE(extra);
  EXPECT_EQ(::lstrcmpiA(extra->target.c_str(), In("Leggimi.txt").c_str()), 0) << extra->target;
  const auto remover = ReadLink(group + "Rimuovi dal sistema.Lnk");
  ASSERT_TRUE(remover);
  EXPECT_EQ(::lstrcmpiA(remover->target.c_str(), (system + "\\appremove.exe").c_str()), 0)
      << remover->target;
  EXPECT_EQ(remover->arguments, "/" + install_.path());
  EXPECT_EQ(remover->iconPath, system + "\\appremove.exe");
}

TEST_F(ShortCutsTest, DatabaseApplicationWithDesktopBoxOnMajorVersion5) {
  // The Quick Launch folder, made for the test where the prefix lacks it.
  const std::string appData = SpecialFolder::GetSpecialFolder(kAppData);
  ASSERT_FALSE(appData.empty());
  const std::string quick = appData + kQuickLaunch + "\\" + app_ + ".Lnk";
  struct QuickLaunch {
    std::vector<std::string> made;  // the levels this test created
    std::string link;
    ~QuickLaunch() {
      ::DeleteFileA(link.c_str());
      for (auto it = made.rbegin(); it != made.rend(); ++it) ::RemoveDirectoryA(it->c_str());
    }
  } cleanup{{}, quick};
  std::string level = appData;
  for (const char* part : {"\\Microsoft", "\\Internet Explorer", "\\Quick Launch"}) {
    level += part;
    if (::CreateDirectoryA(level.c_str(), nullptr)) cleanup.made.push_back(level);
  }

  SetupInfo.MdeName = "Gestione.mde";
  SetupInfo.MdwName = "Gestione.mdw";
  SetupInfo.IconName = "app.ico";
  SetupInfo.ApplicationName = app_;
  SetupInfo.ProgramGroup = group_;
  view_.deskShort = 1;
  ShortCuts::MakeShortcuts();

  const std::string runtime = SpecialFolder::GetSpecialFolder(Csidl::ProgramFiles) + "\\OfficeRT\\MSACCESS.EXE";
  const std::string i = install_.path() + "\\";
  const std::string args = " /wrkgrp \"" + i + "Gestione.mdw\" \"" + i + "Gestione.mde\" /user utente /runtime";
  EXPECT_EQ(RunCommand, "\"" + runtime + "\" " + args);
  const std::string group = programs_ + "\\" + group_ + "\\";
  EXPECT_EQ(Lines(Ini()), (std::vector<std::string>{"[head]", "LNK=" + group + app_ + ".Lnk",
                                                    "LNK=" + desktop_ + "\\" + app_ + ".Lnk",
                                                    "LNK=" + quick,
                                                    "LNK=" + group + "Rimuovi dal sistema.Lnk"}));
  for (const std::string& link : {group + app_ + ".Lnk", desktop_ + "\\" + app_ + ".Lnk", quick}) {
    const auto view = ReadLink(link);
    ASSERT_TRUE(view) << link;
    EXPECT_EQ(::lstrcmpiA(view->target.c_str(), runtime.c_str()), 0) << view->target;
    EXPECT_EQ(view->arguments, args);
    EXPECT_EQ(view->workingFolder, install_.path());
    EXPECT_EQ(view->iconPath, i + "app.ico");
  }
}

}  // namespace
