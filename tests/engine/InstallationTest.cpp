// Whole installations by RunInstallation in this process, on a scratch work
// folder of the Wine prefix: the real shell component, the real registry
// editor, real links. The installation shows itself on a recording view;
// the scripted host answers the message boxes (and takes a look at the work
// folder before CleanUpAndExit empties it) and turns the end of the process
// into an exception.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/Csidl.h"
#include "engine/BlockCopy.h"
#include "engine/Installation.h"
#include "engine/Misc.h"
#include "engine/ProgramManager.h"
#include "engine/SetupState.h"
#include "engine/SpecialFolder.h"
#include "tests/engine/RecordingView.h"
#include "tests/support/Driver.h"
#include "tests/support/InstalledMachine.h"
#include "tests/support/Locale.h"
#include "tests/support/PendingReplacements.h"
#include "tests/support/Registry.h"
#include "tests/support/ScriptedHost.h"
#include "tests/support/Wait.h"
#include "tests/support/WorkFolder.h"
#include "toolkit/Files.h"
#include "toolkit/Owners.h"
#include "toolkit/Win.h"
#include "wizard/SetupDip.h"


using namespace std::chrono_literals;

namespace {

using testsupport::Differences;
using testsupport::InstalledMachine;
using testsupport::Lines;
using testsupport::ReadFileBytes;
using testsupport::ScratchWork;

// Remembers the roll-back list as it stands when each box is shown, and
// runs atBox (when set) while the box would be up.
class InstallHost : public testsupport::ScriptedHost {
 public:
  std::string workFolder;
  std::vector<std::optional<std::string>> rollbackListAtBox;
  std::function<void()> atBox;
  int ShowMessageBox(const std::string& text, int style, const std::string& title) override {
    rollbackListAtBox.push_back(ReadFileBytes(workFolder + "\\Uninstall.Tmp"));
    if (atBox) atBox();
    return ScriptedHost::ShowMessageBox(text, style, title);
  }
};

// Runs `run` when the next yield to pending window events handles the
// message that Post leaves, as it would handle a click of the user.
class AtNextYield {
 public:
  explicit AtNextYield(std::function<void()> run) : run_(std::move(run)) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &Proc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kClass;
    RegisterClassA(&windowClass);  // once for the process: later calls fail
    window_ = CreateWindowExA(0, kClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, windowClass.hInstance, nullptr);
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~AtNextYield() { DestroyWindow(window_); }
  AtNextYield(const AtNextYield&) = delete;
  AtNextYield& operator=(const AtNextYield&) = delete;
  bool Post() { return window_ && PostMessageA(window_, WM_APP, 0, 0); }

 private:
  static constexpr char kClass[] = "EngineTestAtNextYield";
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<AtNextYield*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message != WM_APP || !self) return DefWindowProcA(window, message, wp, lp);
    self->run_();
    return 0;
  }
  std::function<void()> run_;
  HWND window_ = nullptr;
};

class Installation : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    name_ = info->name();
    work_ = std::make_unique<ScratchWork>("engine-install", name_);
    root_ = "C:\\engine-install\\" + name_;
    installDir_ = root_ + "\\Programmi\\Demo " + name_;
    group_ = "Velmarind Test " + name_;
    host_.workFolder = work_->work();

    PopulateWork();
    SetDip("", "");
    SourceDir = work_->work();
    SetupInfo = {};
    RestartNeeded = false;
    InstallStarted = false;
    RunCommand.clear();
  }

  void TearDown() override {
    SetSetupView(nullptr);
    tk::Reset();
    SetCurrentDirectoryA("C:\\");
    RegDeleteKeyA(HKEY_CURRENT_USER, ("Software\\Velmarind Test\\" + name_).c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Velmarind Test");
    testsupport::RemoveTree(SpecialFolder::GetSpecialFolder(Csidl::CommonPrograms) + "\\" + group_);
    DeleteFileA((SpecialFolder::GetSpecialFolder(Csidl::CommonDesktopDirectory) + "\\" + AppName() + ".Lnk").c_str());
    work_.reset();
  }

  // The setup's own files, as the launcher leaves them in the work folder
  // (the end of every installation removes it again).
  void PopulateWork() {
    CreateDirectoryA(work_->work().c_str(), nullptr);
    CreateDirectoryA((work_->work() + "\\files").c_str(), nullptr);
    ASSERT_TRUE(work_->Write("Welcome.txt", "Benvenuti in @ !"));
    ASSERT_TRUE(work_->Write("Licence.txt", "Licenza"));
    ASSERT_TRUE(CopyFileA(QX_SHELL_DLL_PATH, (work_->work() + "\\qx_shell.dll").c_str(), FALSE));
    ASSERT_TRUE(CopyFileA(APPREMOVE_STANDIN_PATH, (work_->work() + "\\AppRemove.dll").c_str(), FALSE));
    ASSERT_TRUE(CopyFileA(MSVBVM50_STANDIN_PATH, (work_->work() + "\\MsVBvm50.dll").c_str(), FALSE));
    ASSERT_TRUE(work_->Write("Settings.lrk", Lines({"REGEDIT4", "",
                                                    "[HKEY_CURRENT_USER\\Software\\Velmarind Test\\" + name_ + "]",
                                                    "\"Path\"=\"§§QX_App_Path§§\"",
                                                    "\"Name\"=\"§§qx_app_name§§ §§QX_Version§§\""})));
  }

  std::string AppName() const { return "Demo " + name_; }

  // The settings of a plain executable ("Demo.exe") or, with mde, of a
  // database application, with one extra Programs-menu entry.
  void SetDip(const std::string& mde, const std::string& mdw) {
    const std::string exe = mde.empty() ? "Demo.exe" : "";
    ASSERT_TRUE(work_->Write("Setup.dip",
                             testsupport::SetupDipText({AppName(), "descrizione", "Velmarind", group_, "1.5",
                                                        "Demo", "200000", exe, mde, mdw, "Demo.ico",
                                                        "Leggimi", "Leggimi.txt", "Demo.ico"})));
  }

  // What the wizard's start-up does before an installation: reads Setup.dip
  // and the Windows version, makes the work folder current; then the test's
  // installation folder and the desktop box as the user leaves it.
  void LoadWizard(int deskShort) {
    const auto dip = ReadFileBytes(work_->work() + "\\Setup.dip");
    ASSERT_TRUE(dip.has_value());
    std::vector<std::string> lines;
    for (size_t at = 0; at < dip->size();) {
      const size_t end = std::min(dip->find("\r\n", at), dip->size());
      lines.push_back(dip->substr(at, end - at));
      at = end + 2;
    }
    SetupDip::LinesInMemory source(lines);
    ASSERT_TRUE(SetupDip::ReadHead(source, SetupInfo).ok);
    ASSERT_TRUE(SetupDip::ReadRest(source, SetupInfo).ok);
    Misc::IsWinNT();
    ASSERT_TRUE(SetCurrentDirectoryA(SourceDir.c_str()));
    SetupInfo.InstallDir = installDir_;
    view_ = testsupport::RecordingView();
    view_.deskShort = deskShort;
    host_.boxes.clear();
  }

  // Runs the installation to the end of the process; true when it ended.
  bool Install() {
    try {
      Gest_File::RunInstallation(view_);
    } catch (const tk::ProcessEnded&) {
      return true;
    }
    return false;
  }

  std::string Read(const std::string& path) const { return ReadFileBytes(path).value_or("<missing>"); }

  // Links are written through the shell's objects in this thread.
  tk::ComApartment apartment_;
  InstallHost host_;
  testsupport::RecordingView view_;
  std::unique_ptr<ScratchWork> work_;
  std::string name_, root_, installDir_, group_;
  // The regional formats the installation forces, put back after.
  testsupport::LocaleAside locale_;
};

TEST_F(Installation, InstallsAPlainExecutableWithEveryRecord) {
  const std::string payload = installDir_ + "\\";
  ASSERT_TRUE(work_->Write("files\\Demo.exe", std::string(70000, 'E')));
  ASSERT_TRUE(work_->Write("files\\Demo.ico", std::string(766, 'I')));
  ASSERT_TRUE(work_->Write("files\\Leggimi.txt", "leggimi"));
  ASSERT_TRUE(work_->Write("files\\Dati.dat", "nuovi dati"));
  ASSERT_TRUE(work_->Write("files\\Vecchio.txt", "nuovo"));
  ASSERT_TRUE(work_->Write("Setup.ftc", Lines({"Demo.exe;§§QX_App_Path§§;1", "", "senza punto e virgola",
                                               ";Nascosto.txt;1", "Demo.ico;§§qx_app_path§§;1",
                                               "Leggimi.txt;§§QX_App_Path§§\\Doc;0",
                                               "Demo.exe;§§QX_App_Path§§;1", "Vecchio.txt;§§QX_App_Path§§;0",
                                               "Dati.dat;§§QX_App_Path§§;1", "Manca.txt;§§QX_App_Path§§;1"})));
  // A file of an earlier installation, kept (flag 0).
  CreateDirectoryA((root_ + "\\Programmi").c_str(), nullptr);
  CreateDirectoryA(installDir_.c_str(), nullptr);
  ASSERT_TRUE(testsupport::WriteFileBytes(payload + "Vecchio.txt", "vecchio"));
  // The records of an earlier installation into the same folder.
  ASSERT_TRUE(testsupport::WriteFileBytes(payload + "Uninstall.ini", "vecchie righe\r\n"));
  ASSERT_TRUE(testsupport::WriteFileBytes(payload + "Install.Log", "File non copiato: vecchio\r\n"));
  LoadWizard(0);
  // The roll-back list as a quit at each block's yields would read it.
  std::vector<std::string> listAtBlocks;
  view_.onCall = [&](const std::string& call) {
    if (call.starts_with("bytes "))  // once a block
      listAtBlocks.push_back(ReadFileBytes(work_->work() + "\\Uninstall.Tmp").value_or("<missing>"));
  };
  const std::string previousTmp = "a stale list";
  ASSERT_TRUE(work_->Write("Uninstall.Tmp", previousTmp));

  ASSERT_TRUE(Install());

  // Demo.exe's two blocks and remainder, Demo.ico, Leggimi.txt, Demo.exe
  // again, Dati.dat: by the last block every earlier new file is listed.
  ASSERT_EQ(listAtBlocks.size(), 9u);
  EXPECT_EQ(listAtBlocks.front(), "");
  EXPECT_EQ(listAtBlocks.back(),
            Lines({payload + "Demo.exe", payload + "Demo.ico", payload + "Doc\\Leggimi.txt"}));

  // The payload, the file of the earlier installation kept, the list of
  // the file that failed, the system folder's components.
  const std::string systemDir = ProgramManager::GetSystemDir();
  InstalledMachine expected;
  expected.files = {{payload + "Demo.exe", std::string(70000, 'E')},
                    {payload + "Demo.ico", std::string(766, 'I')},
                    {payload + "Doc\\Leggimi.txt", "leggimi"},
                    {payload + "Vecchio.txt", "vecchio"},
                    {payload + "Dati.dat", "nuovi dati"},
                    {payload + "Install.Log", "File non copiato: Manca.txt\r\n"},
                    {systemDir + "\\qx_shell.dll"},
                    {systemDir + "\\AppRemove.Exe"},
                    {systemDir + "\\MsVBvm50.dll"}};

  // Only the end message, after the records, telling of the file that
  // failed and where its list is; the roll-back list as it stood then:
  // every new file once, in order.
  ASSERT_EQ(host_.boxes.size(), 1u);
  EXPECT_EQ(host_.boxes[0].text,
            "Installazione completata.\r\n\r\nAlcuni file NON sono stati installati.\r\n"
            "L'elenco si trova nel file:\r\n" +
                payload + "Install.Log");
  EXPECT_EQ(host_.boxes[0].style, tk::vbExclamation);
  EXPECT_EQ(host_.boxes[0].title, "Velmarind setup");
  ASSERT_EQ(host_.rollbackListAtBox.size(), 1u);
  EXPECT_EQ(host_.rollbackListAtBox[0].value_or("<missing>"),
            Lines({payload + "Demo.exe", payload + "Demo.ico", payload + "Doc\\Leggimi.txt",
                   payload + "Dati.dat"}));

  // The records, line for line: the head and links, the date of the
  // installation, the registry section.
  const std::string groupFolder = SpecialFolder::GetSpecialFolder(Csidl::CommonPrograms) + "\\" + group_ + "\\";
  const std::string head = Lines(
      {"....." + AppName(), ".................descrizione", ".............Velmarind",
       "Program Group: " + SpecialFolder::GetSpecialFolder(Csidl::Programs) + "\\" + group_, "........1.5",
       "LNK=" + groupFolder + AppName() + ".Lnk", "LNK=" + groupFolder + "Leggimi.Lnk",
       "LNK=" + groupFolder + "Rimuovi dal sistema.Lnk", "", ";[REMOVE]"});
  const std::string tail =
      Lines({"", ";[REGISTRY SECTION]",
             "RemoveKey:LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + AppName(),
             "RemoveVal:LOCAL_MACHINE\\Software\\Microsoft\\Office\\8.0\\Access\\Profiles", "          " + AppName(),
             "RemoveVal:LOCAL_MACHINE\\Software\\Microsoft\\Access Runtime\\8.0\\Profiles", "          " + AppName(),
             "RemoveVal:LOCAL_MACHINE\\Software\\Velmarind\\" + AppName() + "\\1.5\\Jet\\3.5\\Engines",
             "          SystemDB"});
  expected.texts = {{.path = payload + "Uninstall.ini", .head = head, .tail = tail}};
  // The links; the registry settings imported.
  expected.links = {{.path = groupFolder + AppName() + ".Lnk", .target = payload + "Demo.exe", .arguments = "",
                     .workingFolder = installDir_, .iconPath = payload + "Demo.ico"},
                    {.path = groupFolder + "Leggimi.Lnk", .target = payload + "Leggimi.txt"},
                    {.path = groupFolder + "Rimuovi dal sistema.Lnk", .target = systemDir + "\\appremove.exe",
                     .arguments = "/" + installDir_}};
  const std::string key = "Software\\Velmarind Test\\" + name_;
  expected.values = {{HKEY_CURRENT_USER, key, "Path", installDir_},
                     {HKEY_CURRENT_USER, key, "Name", AppName() + " 1.5"}};
  EXPECT_EQ(Differences(expected), "");
  // Between head and tail one line, the date and time of the installation.
  const std::string records = Read(payload + "Uninstall.ini");
  ASSERT_GE(records.size(), head.size() + tail.size());
  const std::string dateLine = records.substr(head.size(), records.size() - head.size() - tail.size());
  EXPECT_TRUE(dateLine.ends_with("\r\n") && dateLine.find("\r\n") == dateLine.size() - 2) << records;
  EXPECT_NE(dateLine.find(' '), std::string::npos) << dateLine;
  EXPECT_NE(dateLine, "01/01/1601 0.0.0\r\n");
  EXPECT_TRUE(RunCommand.empty());

  // CleanUpAndExit emptied the work folder; no restart was asked for.
  EXPECT_TRUE(testsupport::ListNames(work_->work() + "\\*").empty());
  EXPECT_TRUE(host_.restartRequests.empty());
  EXPECT_TRUE(InstallStarted);
  EXPECT_FALSE(tk::IsOpen(1) || tk::IsOpen(2) || tk::IsOpen(3));
}

TEST_F(Installation, InstallsADatabaseApplicationWithDesktopAndQuickLaunchLinksAndStartsIt) {
  SetDip("Demo.mde", "Demo.mdw");
  ASSERT_TRUE(work_->Write("files\\Demo.mde", "mde"));
  ASSERT_TRUE(work_->Write("files\\Demo.mdw", "mdw"));
  ASSERT_TRUE(work_->Write("files\\Demo.ico", "ico"));
  ASSERT_TRUE(work_->Write("Setup.ftc", Lines({"Demo.mde;§§QX_App_Path§§;1", "Demo.mdw;§§QX_App_Path§§;1",
                                               "Demo.ico;§§QX_App_Path§§;1", "Dati.mdb;§§QX_App_Path§§;1"})));
  // The user's database, newer than the package's, stays on purpose.
  ASSERT_TRUE(work_->Write("files\\Dati.mdb", "dati"));
  {
    const tk::FileHandle old(CreateFileA((work_->work() + "\\files\\Dati.mdb").c_str(), FILE_WRITE_ATTRIBUTES, 0,
                                         nullptr, OPEN_EXISTING, 0, nullptr));
    const FILETIME in1999{0, 0x01BE0000};
    ASSERT_TRUE(SetFileTime(old.get(), nullptr, nullptr, &in1999));
  }
  SHCreateDirectoryExA(nullptr, installDir_.c_str(), nullptr);
  ASSERT_TRUE(testsupport::WriteFileBytes(installDir_ + "\\Dati.mdb", "dati dell'utente"));
  // The Access runtime's stand-in records its command line.
  const std::string runtimeFolder = SpecialFolder::GetSpecialFolder(Csidl::ProgramFiles) + "\\OfficeRT";
  CreateDirectoryA(runtimeFolder.c_str(), nullptr);
  ASSERT_TRUE(CopyFileA(MSACCESS_STANDIN_PATH, (runtimeFolder + "\\MSACCESS.EXE").c_str(), FALSE));
  DeleteFileA((runtimeFolder + "\\MSACCESS.log").c_str());
  // Major version 5: the Quick Launch link too, into a folder that exists.
  const std::string quickLaunch =
      SpecialFolder::GetSpecialFolder(Csidl::AppData) + "\\Microsoft\\Internet Explorer\\Quick Launch";
  SHCreateDirectoryExA(nullptr, quickLaunch.c_str(), nullptr);
  host_.overrideVersion = true;
  host_.version = {true, 5, 1, 2600, 2};
  LoadWizard(1);
  view_.autoEsegui = 1;

  ASSERT_TRUE(Install());

  // Nothing failed (the kept database is logged all the same): the end
  // message is the plain one.
  ASSERT_EQ(host_.boxes.size(), 1u);
  EXPECT_EQ(host_.boxes[0].text, "Installazione completata.");
  EXPECT_EQ(host_.boxes[0].style, tk::vbInformation);

  const std::string I = installDir_ + "\\";
  const std::string T = runtimeFolder + "\\MSACCESS.EXE";
  const std::string A = " /wrkgrp \"" + I + "Demo.mdw\" \"" + I + "Demo.mde\" /user utente /runtime";
  EXPECT_EQ(RunCommand, "\"" + T + "\" " + A);
  const std::string groupFolder = SpecialFolder::GetSpecialFolder(Csidl::CommonPrograms) + "\\" + group_ + "\\";
  const std::string desktop = SpecialFolder::GetSpecialFolder(Csidl::CommonDesktopDirectory) + "\\" + AppName() + ".Lnk";
  const std::string quick = quickLaunch + "\\" + AppName() + ".Lnk";
  InstalledMachine expected;
  expected.files = {{I + "Install.Log", "File non copiato: Dati.mdb\r\n"}, {I + "Dati.mdb", "dati dell'utente"}};
  for (const std::string& path : {groupFolder + AppName() + ".Lnk", desktop, quick})
    expected.links.push_back({.path = path, .target = T, .arguments = A, .iconPath = I + "Demo.ico"});
  expected.texts = {{.path = I + "Uninstall.ini",
                     .holds = {"\r\nLNK=" + groupFolder + AppName() + ".Lnk\r\nLNK=" + desktop + "\r\nLNK=" +
                               quick + "\r\nLNK=" + groupFolder + "Leggimi.Lnk\r\nLNK=" + groupFolder +
                               "Rimuovi dal sistema.Lnk\r\n\r\n;[REMOVE]\r\n"}}};
  EXPECT_EQ(Differences(expected), "");
  DeleteFileA(quick.c_str());

  // CleanUpAndExit started the runtime with the command line (a whole line
  // of it: the stand-in makes its log before it writes to it).
  std::optional<std::string> log;
  testsupport::WaitFor(
      [&] {
        log = ReadFileBytes(runtimeFolder + "\\MSACCESS.log");
        return log && log->ends_with("\r\n");
      },
      10s, 100ms);
  ASSERT_TRUE(log.has_value());
  EXPECT_NE(log->find(A.substr(1)), std::string::npos) << *log;
  testsupport::RemoveTree(runtimeFolder);
}

// Once the payload is copied no quit picture takes a click: the view's quit
// pictures are disabled before the first yield after the copy (a click as
// the last block moves is taken there) and stay so while the end message is
// up; the bars are then drawn full, the clock stops and the please-wait
// window shows until the records are written. (That the wizard's disabled
// pictures and its close command then open nothing is the wizard's part.)
TEST_F(Installation, AfterTheCopyTheQuitPicturesOpenNoQuitDialog) {
  ASSERT_TRUE(work_->Write("files\\Demo.exe", "demo"));
  ASSERT_TRUE(work_->Write("Setup.ftc", Lines({"Demo.exe;§§QX_App_Path§§;1"})));
  LoadWizard(0);
  bool clicked = false, disabledAtClick = false, disabledAtBox = false;
  AtNextYield click([&] {
    clicked = true;
    disabledAtClick = view_.quitPicturesDisabled;
  });
  view_.onCall = [&](const std::string& call) {
    if (call == "bar 0 100 100" && !CopyUnderWay.empty()) {
      ASSERT_TRUE(click.Post());
    }
  };
  host_.atBox = [&] { disabledAtBox = view_.quitPicturesDisabled; };

  ASSERT_TRUE(Install());

  EXPECT_TRUE(clicked);
  EXPECT_TRUE(disabledAtClick);
  EXPECT_TRUE(disabledAtBox);
  const auto disabled = std::find(view_.calls.begin(), view_.calls.end(), "disable quit pictures");
  ASSERT_NE(disabled, view_.calls.end());
  EXPECT_EQ(std::vector<std::string>(disabled, view_.calls.end()),
            (std::vector<std::string>{"disable quit pictures", "bar 0 100 100", "bar 1 100 100", "stop clock",
                                      "show wait", "wait caption Creazione del gruppo di icone...",
                                      "refresh wait", "unload wait"}));
  EXPECT_FALSE(view_.waitShown);
  EXPECT_FALSE(QuitConfirmed);
  ASSERT_EQ(host_.boxes.size(), 1u);
  EXPECT_EQ(host_.boxes[0].text, "Installazione completata.");
  EXPECT_EQ(Differences({.files = {{installDir_ + "\\Demo.exe", "demo"}},
                         .texts = {{.path = installDir_ + "\\Uninstall.ini", .holds = {";[REGISTRY SECTION]"}}}}),
            "");
}

// A file held open without sharing: its replacement is deferred, it is
// logged, and the end message asks for the restart; OK keeps the restart,
// Cancel drops it. The second round has a file that failed besides the one
// deferred: the prompt then tells where the list of failures is.
TEST_F(Installation, ADeferredReplacementEndsWithTheRestartPrompt) {
  // The Windows folder's list of replacements and the NT family's, put
  // back after the case.
  const testsupport::WininitAside wininit;
  const testsupport::PendingRenamesAside pendingRenames;
  const std::string prompt =
      "L'INSTALLAZIONE E' STATA COMPLETATA!\r\n\r\nPer rendere effettive le modifiche occorre "
      "RIAVVIARE il sistema.\r\nPer RIAVVIARE Windows adesso scegliere «OK».";
  ASSERT_TRUE(work_->Write("files\\Demo.exe", "nuovo"));
  ASSERT_TRUE(work_->Write("Setup.ftc", Lines({"Demo.exe;§§QX_App_Path§§;1"})));
  for (const int answer : {tk::vbCancel, tk::vbOK}) {
    SCOPED_TRACE(answer);
    const bool withFailure = answer == tk::vbOK;
    if (withFailure) {
      ASSERT_TRUE(work_->Write("Setup.ftc", Lines({"Demo.exe;§§QX_App_Path§§;1", "Manca.txt;§§QX_App_Path§§;1"})));
    }
    SHCreateDirectoryExA(nullptr, installDir_.c_str(), nullptr);
    const std::string target = installDir_ + "\\Demo.exe";
    ASSERT_TRUE(testsupport::WriteFileBytes(target, "vecchio"));
    ASSERT_TRUE(SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_HIDDEN));
    testsupport::HeldOpen held(target);
    ASSERT_TRUE(held.held());
    LoadWizard(0);
    RestartNeeded = false;
    host_.answers = {answer};
    host_.restartRequests.clear();

    ASSERT_TRUE(Install());
    held.Release();

    ASSERT_EQ(host_.boxes.size(), 1u);
    EXPECT_EQ(host_.boxes[0].text,
              withFailure ? prompt + "\r\n\r\nAlcuni file NON sono stati installati.\r\n"
                                     "L'elenco si trova nel file:\r\n" + installDir_ + "\\Install.Log"
                          : prompt);
    EXPECT_EQ(host_.boxes[0].style, tk::vbOKCancel | tk::vbExclamation);
    EXPECT_EQ(host_.restartRequests.size(), answer == tk::vbOK ? 1u : 0u);
    EXPECT_EQ(RestartNeeded, answer == tk::vbOK);
    EXPECT_EQ(GetFileAttributesA(target.c_str()) & FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(Differences({.files = {{target, "vecchio"},
                                     {installDir_ + "\\Demo.000", "nuovo"},
                                     {installDir_ + "\\Install.Log",
                                      withFailure ? "File non copiato: Demo.exe\r\nFile non copiato: Manca.txt\r\n"
                                                  : "File non copiato: Demo.exe\r\n"}},
                           .texts = {{.path = wininit.path(),
                                      .holds = {target + "=" + installDir_ + "\\Demo.000\r\n"}}}}),
              "");
    // Ready for the second round: the work folder was emptied.
    testsupport::RemoveTree(installDir_);
    PopulateWork();
    SetDip("", "");
    ASSERT_TRUE(work_->Write("files\\Demo.exe", "nuovo"));
    ASSERT_TRUE(work_->Write("Setup.ftc", Lines({"Demo.exe;§§QX_App_Path§§;1"})));
  }
}

// Install.Log cannot be written (a folder stands under its name): the end
// message tells of the files that failed without naming it, and says that
// the installation did not succeed when not one file could be installed.
TEST_F(Installation, TheEndMessageNamesOnlyALogWrittenAndTellsWhenNothingWasInstalled) {
  for (const bool nothing : {false, true}) {
    SCOPED_TRACE(nothing);
    if (!nothing) {
      ASSERT_TRUE(work_->Write("files\\Demo.exe", "demo"));
    }
    ASSERT_TRUE(work_->Write("Setup.ftc", Lines({"Demo.exe;§§QX_App_Path§§;1", "Manca.txt;§§QX_App_Path§§;1"})));
    SHCreateDirectoryExA(nullptr, (installDir_ + "\\Install.Log").c_str(), nullptr);
    LoadWizard(0);
    ASSERT_TRUE(Install());
    ASSERT_EQ(host_.boxes.size(), 1u);
    EXPECT_EQ(host_.boxes[0].text, nothing ? "L'INSTALLAZIONE NON E' RIUSCITA!\r\n\r\nNessun file è stato installato."
                                           : "Installazione completata.\r\n\r\nAlcuni file NON sono stati installati.");
    EXPECT_EQ(host_.boxes[0].style, nothing ? tk::vbCritical : tk::vbExclamation);
    testsupport::RemoveTree(installDir_);
    PopulateWork();
    SetDip("", "");
  }
}

// The shell component that will not register ends the installation before
// anything is installed: the hint to run as administrator only from major
// version 7 on.
TEST_F(Installation, AShellComponentThatDoesNotRegisterEndsTheInstallation) {
  for (const uint32_t major : {6u, 7u}) {
    PopulateWork();
    SetDip("", "");
    ASSERT_TRUE(work_->Write("files\\Demo.exe", "x"));
    ASSERT_TRUE(work_->Write("Setup.ftc", Lines({"Demo.exe;§§QX_App_Path§§;1"})));
    ASSERT_TRUE(CopyFileA(FAILING_SHELL_DLL_PATH, (work_->work() + "\\qx_shell.dll").c_str(), FALSE));
    host_.overrideVersion = true;
    host_.version = {true, major, 1, 7601, 2};
    LoadWizard(0);
    ASSERT_TRUE(Install());
    ASSERT_EQ(host_.boxes.size(), 1u);
    const std::string hint =
        major > 6 ? "Provare a rieseguire l'installazione con 'tasto destro' «Esegui come Amministratore».\r\n\r\n"
                  : "";
    EXPECT_EQ(host_.boxes[0].text,
              "QXSHELL#1 Si è verificato un errore per il file QX_SHELL.DLL\r\n" + hint +
                  "L'installazione sarà terminata.");
    EXPECT_EQ(host_.boxes[0].style, tk::vbCritical);
    EXPECT_EQ(host_.boxes[0].beepsBefore, 0);
    EXPECT_FALSE(ReadFileBytes(installDir_ + "\\Demo.exe").has_value());
    EXPECT_FALSE(testsupport::ListNames(installDir_).size() > 0);
  }
  // Leave the good component in the system folder for whoever follows.
  CopyFileA(QX_SHELL_DLL_PATH, (ProgramManager::GetSystemDir() + "\\qx_shell.dll").c_str(), FALSE);
}

TEST_F(Installation, AShellComponentMissingFromTheSystemFolderEndsTheInstallation) {
  ASSERT_TRUE(work_->Write("Setup.ftc", ""));
  LoadWizard(0);
  // Gone after the wizard's start-up, which demands it.
  DeleteFileA((work_->work() + "\\qx_shell.dll").c_str());
  const std::string installed = ProgramManager::GetSystemDir() + "\\qx_shell.dll";
  DeleteFileA(installed.c_str());
  ASSERT_FALSE(ReadFileBytes(installed).has_value());
  ASSERT_TRUE(Install());
  ASSERT_EQ(host_.boxes.size(), 1u);
  EXPECT_EQ(host_.boxes[0].text,
            "QXSHELL#2 Si è verificato un errore per il file QX_SHELL.DLL. L'installazione sarà terminata.");
  EXPECT_EQ(host_.boxes[0].style, tk::vbCritical);
  EXPECT_EQ(host_.boxes[0].beepsBefore, 1);
  EXPECT_EQ(GetFileAttributesA(installDir_.c_str()), INVALID_FILE_ATTRIBUTES);
  CopyFileA(QX_SHELL_DLL_PATH, installed.c_str(), FALSE);
}

}  // namespace
