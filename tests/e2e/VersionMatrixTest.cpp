// The whole road of the real Setup.exe in a prefix set to one Windows
// version (WINE_VERSION): a database application with a font, the desktop
// box left ticked. What the version decides is read back: the folder the
// wizard proposes, the Quick Launch link, the fonts registry value and the
// font broadcast, which a hidden top-level window of this test listens for.
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "tests/e2e/VersionMatrix.h"
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
using testsupport::TempFolder;
using testsupport::WorkFolders;
using testsupport::ShellFolder;

constexpr char kFontName[] = "Carattere.ttf";
constexpr char kFontsKey[] = "Software\\microsoft\\windows\\currentversion\\fonts";
constexpr char kQuickLaunch[] = "\\Microsoft\\Internet Explorer\\Quick Launch";

const std::string kFontValue = std::string(kFontName) + " (TrueType)";

void DeleteFontValue() { testsupport::DeleteRegistryValue(HKEY_LOCAL_MACHINE, kFontsKey, kFontValue); }

// A hidden top-level window that counts the font broadcasts it receives.
class FontChangeListener {
 public:
  FontChangeListener() {
    WNDCLASSA cls{};
    cls.lpfnWndProc = Proc;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.lpszClassName = "VersionMatrixFontListener";
    RegisterClassA(&cls);
    window_ = CreateWindowExA(0, cls.lpszClassName, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, cls.hInstance,
                              nullptr);
    count_ = 0;
  }
  ~FontChangeListener() {
    if (window_) DestroyWindow(window_);
  }
  FontChangeListener(const FontChangeListener&) = delete;
  FontChangeListener& operator=(const FontChangeListener&) = delete;

  bool ok() const { return window_ != nullptr; }
  // Delivers what is queued and tells how many broadcasts came so far.
  int Count() const {
    MSG msg;
    while (PeekMessageA(&msg, window_, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    return count_;
  }

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_FONTCHANGE) ++count_;
    return DefWindowProcA(window, message, w, l);
  }
  static inline int count_ = 0;
  HWND window_ = nullptr;
};

class VersionRoad : public ::testing::Test {
 protected:
  void SetUp() override {
    expected_ = versionmatrix::ExpectedHere();
    if (!expected_) GTEST_SKIP() << "not run in a prefix of the version matrix (WINE_VERSION)";
    dir_ = "C:\\version-matrix";
    testsupport::RemoveTree(dir_);
    ASSERT_TRUE(CreateDirectoryA(dir_.c_str(), nullptr));
    exe_ = dir_ + "\\Setup.exe";
    ASSERT_TRUE(CopyFileA(SETUP_EXE_PATH, exe_.c_str(), FALSE));
    installDir_ = dir_ + "\\Programmi\\Demo Versioni";
    app_ = "Demo Versioni " + expected_->name;
    group_ = "Velmarind Versioni";
    // The Access runtime's stand-in, started at the end.
    runtime_.emplace(MSACCESS_STANDIN_PATH);
    ASSERT_TRUE(runtime_->placed());
    // Quick Launch lives in the user's application data (CSIDL 26); a
    // prefix may lack it, and links go only into folders that exist.
    quickLaunch_ = ShellFolder(CSIDL_APPDATA) + kQuickLaunch;
    madeQuickLaunch_ = !Exists(quickLaunch_);
    if (madeQuickLaunch_) {
      ASSERT_EQ(SHCreateDirectoryExA(nullptr, quickLaunch_.c_str(), nullptr), ERROR_SUCCESS);
    }
    DeleteFontValue();
    before_ = WorkFolders();
  }

  void TearDown() override {
    if (!expected_) return;
    for (const auto& f : testsupport::WorkFoldersSince(before_))
      testsupport::WaitFor([&] { return testsupport::RemoveTree(TempFolder() + f); }, 10s);
    testsupport::RemoveTree(ShellFolder(CSIDL_COMMON_PROGRAMS) + "\\" + group_);
    DeleteFileA((ShellFolder(CSIDL_COMMON_DESKTOPDIRECTORY) + "\\" + app_ + ".Lnk").c_str());
    DeleteFileA((quickLaunch_ + "\\" + app_ + ".Lnk").c_str());
    if (madeQuickLaunch_) testsupport::RemoveTree(ShellFolder(CSIDL_APPDATA) + "\\Microsoft\\Internet Explorer");
    runtime_.reset();
    DeleteFontValue();
    testsupport::RemoveTree(dir_);
  }

  const versionmatrix::Expected* expected_ = nullptr;
  std::string dir_, exe_, installDir_, app_, group_, quickLaunch_;
  bool madeQuickLaunch_ = false;
  std::optional<testsupport::RuntimeStandIn> runtime_;
  std::set<std::string> before_;
  // The regional formats the installation forces, put back after.
  testsupport::LocaleAside locale_;
};

TEST_F(VersionRoad, ADatabaseApplicationWithAFontInstallsAsTheVersionWants) {
  const auto shell = ReadFileBytes(QX_SHELL_DLL_PATH);
  const auto remover = ReadFileBytes(APPREMOVE_STANDIN_PATH);
  const auto runtime = ReadFileBytes(MSVBVM50_STANDIN_PATH);
  const auto font = ReadFileBytes(FONT_FILE_PATH);
  ASSERT_TRUE(shell && remover && runtime && font);
  const std::vector<Member> members = {
      {"Licence.txt", "Licenza d'uso di prova."},
      {"Welcome.txt", "Benvenuti nell'installazione di @."},
      {"appremove.dll", *remover},
      {"qx_shell.dll", *shell},
      {"MsVBvm50.dll", *runtime},
      {"Settings.lrk", "REGEDIT4\r\n"},
      {"Setup.ftc", Lines({"Demo.mde;§§QX_App_Path§§;1", "Demo.mdw;§§QX_App_Path§§;1",
                           "Demo.ico;§§QX_App_Path§§;1", std::string(kFontName) + ";§§QX_App_Path§§;1"})},
      {"Setup.dip", testsupport::SetupDipText({app_, "descrizione", "Velmarind", "Gruppo predefinito", "2.1",
                                               "Demo Versioni", "4096", "", "Demo.mde", "Demo.mdw", "Demo.ico",
                                               "Leggimi", "Demo.ico", "Demo.ico"})},
      {"Demo.mde", "mde"},
      {"Demo.mdw", "mdw"},
      {"Demo.ico", "ico"},
      {kFontName, *font},
  };
  ASSERT_TRUE(testsupport::WriteFileBytes(dir_ + "\\Setup.UMF", testsupport::BuildPackage(members)));
  FontChangeListener listener;
  ASSERT_TRUE(listener.ok());

  Program setup("\"" + exe_ + "\"", dir_);
  WizardDriver wizard(setup);
  ASSERT_TRUE(setup.started());
  ASSERT_TRUE(wizard.WaitWizard(120s)) << "no wizard window";
  ASSERT_TRUE(wizard.WaitPage(0, 30s));
  wizard.Next();
  ASSERT_TRUE(wizard.WaitPage(1, 30s));
  wizard.AcceptLicence();
  wizard.Next();
  ASSERT_TRUE(wizard.WaitPage(2, 30s));
  const std::string programFiles = ShellFolder(CSIDL_PROGRAM_FILES);
  EXPECT_EQ(wizard.Folder(),
            (expected_->programFilesFolder ? programFiles : programFiles.substr(0, 2)) + "\\Demo Versioni");

  ASSERT_TRUE(wizard.SetFolder(installDir_));
  wizard.Next();
  const auto ask = setup.WaitDialog(30s);
  ASSERT_TRUE(ask.has_value()) << "no question for the missing folder";
  ASSERT_TRUE(testsupport::PressButton(ask->hwnd, "Yes"));
  ASSERT_TRUE(wizard.WaitPage(3, 30s));
  wizard.Next();
  ASSERT_TRUE(wizard.WaitPage(4, 30s));
  EXPECT_EQ(wizard.DesktopLinkBox(), 1);
  ASSERT_TRUE(wizard.SetGroup(group_));
  wizard.Next();
  ASSERT_TRUE(wizard.WaitPage(5, 30s));
  wizard.Next();
  const auto done = setup.WaitDialog(300s);
  ASSERT_TRUE(done.has_value()) << "no end message";
  EXPECT_EQ(done->text, "Installazione completata.");
  ASSERT_TRUE(testsupport::PressButton(done->hwnd, "OK"));
  ASSERT_TRUE(setup.Wait(60s).has_value()) << "Setup.exe did not end";

  // The desktop link on every version; the Quick Launch link, the same
  // link again, up to major version 5 only; the fonts value on the 9x
  // family only.
  const std::string I = installDir_ + "\\";
  const std::string desktop = ShellFolder(CSIDL_COMMON_DESKTOPDIRECTORY) + "\\" + app_ + ".Lnk";
  const std::string quick = quickLaunch_ + "\\" + app_ + ".Lnk";
  const std::string arguments = " /wrkgrp \"" + I + "Demo.mdw\" \"" + I + "Demo.mde\" /user utente /runtime";
  InstalledMachine expected;
  expected.files = {{I + kFontName, *font}, {I + "Demo.mde", "mde"}};
  expected.links = {{.path = desktop, .target = runtime_->exe(), .arguments = arguments}};
  const std::string quickRecord = "LNK=" + quick + "\r\n";
  if (expected_->quickLaunchLink) {
    expected.links.push_back({.path = quick, .target = runtime_->exe(), .arguments = arguments});
    expected.texts = {{.path = I + "Uninstall.ini", .holds = {quickRecord}}};
  } else {
    expected.links.push_back({.path = quick, .absent = true});
    expected.texts = {{.path = I + "Uninstall.ini", .lacks = {quickRecord}}};
  }
  expected.values = {{HKEY_LOCAL_MACHINE, kFontsKey, kFontValue,
                      expected_->fontValue ? std::optional<std::string>(kFontName) : std::nullopt}};
  EXPECT_EQ(Differences(expected), "");
  // The broadcast on the 9x family only.
  EXPECT_EQ(listener.Count() > 0, expected_->fontValue) << listener.Count() << " font broadcasts";

  // The ticked box started the runtime at the end; wait for its record.
  EXPECT_TRUE(runtime_->WaitLog(30s).has_value());
}

}  // namespace
