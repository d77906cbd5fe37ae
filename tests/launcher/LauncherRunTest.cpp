// Setup.exe itself, started beside a package in this test's Wine prefix:
// what it leaves in the temporary folder, the hand-over to the wizard, and
// its refusal of a second instance. A whole package without the setup files
// makes the wizard's start-up name the first one missing and end the
// program: the test looks at the work folder while that message is up. A
// package that is missing or not whole ends at the launcher's own message,
// before any wizard, whatever setup files it yielded.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <optional>
#include <regex>
#include <set>

#include "tests/support/Driver.h"
#include "tests/support/Package.h"
#include "tests/support/Wait.h"
#include "tests/support/WizardDriver.h"
#include "tests/support/WorkFolder.h"
#include "toolkit/Win.h"

using namespace std::chrono_literals;
using testsupport::Program;

namespace {

using testsupport::TempFolder;
using testsupport::WorkFolders;

const std::string kDamaged =
    "Il pacchetto di installazione Setup.UMF è danneggiato. L'installazione non può proseguire.";

// The setup files with which the wizard's start-up gets through to its first
// page.
std::vector<testsupport::Member> SetupFiles() {
  std::vector<testsupport::Member> members = testsupport::SetupFileMembers();
  for (testsupport::Member& m : members) {
    if (m.name == "Welcome.txt") m.bytes = "Benvenuti in @.";
    if (m.name == "Setup.dip")
      m.bytes = testsupport::SetupDipText(
          {"Prova v.2", "d", "Casa", "Gruppo", "2", "Prova", "10", "Prova.exe", "", "", "Prova.exe"});
  }
  return members;
}

bool WizardWindowShown(const Program& p) {
  for (HWND w : p.TopWindows(""))
    if (testsupport::WindowTitle(w) == "Velmarind Installer") return true;
  return false;
}

class LauncherRun : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = std::string("C:\\launcher-tests\\") + info->name();
    testsupport::RemoveTree(dir_);
    CreateDirectoryA("C:\\launcher-tests", nullptr);
    ASSERT_TRUE(CreateDirectoryA(dir_.c_str(), nullptr));
    exe_ = dir_ + "\\Setup.exe";
    ASSERT_TRUE(CopyFileA(SETUP_EXE_PATH, exe_.c_str(), FALSE));
    before_ = WorkFolders();
  }
  void TearDown() override {
    for (const auto& f : NewWorkFolders()) testsupport::RemoveTree(TempFolder() + f);
    testsupport::RemoveTree(dir_);
  }

  std::vector<std::string> NewWorkFolders() const { return testsupport::WorkFoldersSince(before_); }

  // Runs Setup.exe from another current folder up to the wizard's message
  // that Licence.txt (the first setup file) is missing; runs look() while
  // the message is up, then answers it and expects the program to end.
  template <class Look>
  void RunToTheWizard(Look look) {
    Program p("\"" + exe_ + "\"", std::string("C:\\windows"));
    ASSERT_TRUE(p.started());
    const auto box = p.WaitDialog(60s);
    ASSERT_TRUE(box.has_value()) << "no message from the wizard";
    EXPECT_EQ(box->text, "Impossibile trovare Licence.txt. Il file è necessario per eseguire l'installazione.");
    EXPECT_EQ(box->title, "Errore critico");
    look();
    testsupport::PressButton(box->hwnd, "OK");
    const auto code = p.Wait(60s);
    ASSERT_TRUE(code.has_value()) << "Setup.exe did not end";
  }

  // Runs Setup.exe up to the launcher's own message with the given text,
  // before any wizard window; runs look(work folder) while it is up, answers
  // it, and expects the program to end with its work folder removed.
  void RunToTheLaunchersMessage(const std::string& text,
                                const std::function<void(const std::string& work)>& look = {});

  // The members of UnpacksIntoAStampedWorkFolderInTheTemporaryFolder,
  // unpacked and stamped in work.
  void CheckUnpacked(const std::string& work, const std::vector<testsupport::Member>& members);

  std::string dir_, exe_;
  std::set<std::string> before_;
};

TEST_F(LauncherRun, UnpacksIntoAStampedWorkFolderInTheTemporaryFolder) {
  std::string big(100000, '\0');
  for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 7 + i / 255);
  const std::vector<testsupport::Member> members = {
      {"Setup.DIP", "Nome App  Demo\r\n"},
      {"Readme.txt", "leggimi"},
      {"INSTALLER.EXE", "MZ stand-in"},
      {"Data.bin", big},
  };
  ASSERT_TRUE(testsupport::WriteFileBytes(dir_ + "\\Setup.UMF", testsupport::BuildPackage(members)));

  std::string work;
  RunToTheWizard([&] {
    const auto made = NewWorkFolders();
    ASSERT_EQ(made.size(), 1u);
    EXPECT_TRUE(std::regex_match(made[0], std::regex(R"(~[0-9]+([.,][0-9]+)?_[0-8]\.stp)"))) << made[0];
    work = TempFolder() + made[0];
    CheckUnpacked(work, members);
  });
  // The end of the program empties the work folder and removes it.
  EXPECT_FALSE(testsupport::Exists(work));
}

void LauncherRun::CheckUnpacked(const std::string& work, const std::vector<testsupport::Member>& members) {
  EXPECT_EQ(GetFileAttributesA((work + "\\files").c_str()) & FILE_ATTRIBUTE_DIRECTORY, FILE_ATTRIBUTE_DIRECTORY);

  const auto setupTimes = testsupport::GetTimes(exe_);
  ASSERT_TRUE(setupTimes);
  const std::vector<std::pair<std::string, std::string>> expected = {
      {work + "\\Setup.DIP", members[0].bytes},
      {work + "\\files\\Readme.txt", members[1].bytes},
      {work + "\\INSTALLER.EXE", members[2].bytes},
      {work + "\\files\\Data.bin", members[3].bytes},
  };
  for (const auto& [path, bytes] : expected) {
    SCOPED_TRACE(path);
    EXPECT_EQ(testsupport::ReadFileBytes(path), bytes);
    EXPECT_EQ(GetFileAttributesA(path.c_str()), DWORD{FILE_ATTRIBUTE_ARCHIVE});
    const auto t = testsupport::GetTimes(path);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->creation, setupTimes->creation);
    EXPECT_EQ(t->write, setupTimes->write);
  }
  // Nothing but the members: the setup file and INSTALLER.EXE on top, the
  // payload in "files".
  auto top = testsupport::ListNames(work + "\\*");
  std::sort(top.begin(), top.end());
  EXPECT_EQ(top, (std::vector<std::string>{"INSTALLER.EXE", "Setup.DIP", "files"}));
}

TEST_F(LauncherRun, AMissingOrMalformedPackageIsNamedAndEndsBeforeTheWizard) {
  const auto nothingUnpacked = [](const std::string& work) {
    EXPECT_EQ(testsupport::ListNames(work + "\\*"), std::vector<std::string>{"files"});
    EXPECT_TRUE(testsupport::ListNames(work + "\\files\\*").empty());
  };
  {
    SCOPED_TRACE("missing");
    RunToTheLaunchersMessage(
        "Impossibile trovare il pacchetto di installazione Setup.UMF. L'installazione non può proseguire.",
        nothingUnpacked);
  }
  ASSERT_TRUE(testsupport::WriteFileBytes(dir_ + "\\Setup.UMF", "garbage that is no package at all"));
  SCOPED_TRACE("garbage");
  RunToTheLaunchersMessage(kDamaged, nothingUnpacked);
}

TEST_F(LauncherRun, NeverWritesOutsideTheWorkFolder) {
  const std::vector<testsupport::Member> members = {
      {"a.txt", "first"},
      {"..\\escaped.txt", "must not be written"},
      {"b.txt", "after the unsafe entry"},
  };
  ASSERT_TRUE(testsupport::WriteFileBytes(dir_ + "\\Setup.UMF", testsupport::BuildPackage(members)));
  RunToTheLaunchersMessage(kDamaged, [&](const std::string& work) {
    EXPECT_EQ(testsupport::ReadFileBytes(work + "\\files\\a.txt"), std::string("first"));
    EXPECT_FALSE(testsupport::ReadFileBytes(work + "\\escaped.txt"));
    EXPECT_FALSE(testsupport::ReadFileBytes(work + "\\files\\b.txt"));
  });
  EXPECT_FALSE(testsupport::ReadFileBytes(TempFolder() + "escaped.txt"));
}

void LauncherRun::RunToTheLaunchersMessage(const std::string& text,
                                           const std::function<void(const std::string& work)>& look) {
  const std::set<std::string> earlier = WorkFolders();
  Program p("\"" + exe_ + "\"", dir_);
  ASSERT_TRUE(p.started());
  std::optional<testsupport::DialogView> box;
  bool wizardShown = false;
  testsupport::WaitFor(
      [&] {
        wizardShown = WizardWindowShown(p);
        if (!wizardShown) box = p.WaitDialog(0ms);
        return wizardShown || box || p.Wait(0ms);
      },
      60s, 100ms);
  ASSERT_FALSE(wizardShown) << "the wizard came up";
  ASSERT_TRUE(box.has_value()) << "no message shown";
  EXPECT_EQ(box->text, text);
  EXPECT_EQ(box->title, "Setup");
  EXPECT_TRUE(box->hasIcon);
  EXPECT_EQ(box->buttons, std::vector<std::string>{"OK"});
  const auto made = testsupport::WorkFoldersSince(earlier);
  ASSERT_EQ(made.size(), 1u);
  if (look) look(TempFolder() + made[0]);
  testsupport::PressButton(box->hwnd, "OK");
  ASSERT_TRUE(p.Wait(60s).has_value()) << "Setup.exe did not end";
  EXPECT_FALSE(testsupport::Exists(TempFolder() + made[0]));
}

TEST_F(LauncherRun, APackageBrokenAfterItsSetupFilesEndsBeforeTheWizard) {
  std::vector<testsupport::Member> members = SetupFiles();
  members.push_back({"Data.bin", std::string(4000, 'd')});
  const std::string whole = testsupport::BuildPackage(members);
  {
    // A payload member cut short: its size runs into the directory.
    SCOPED_TRACE("truncated payload");
    std::string package = whole;
    package.erase(package.find(std::string(4000, 'd')), 1000);
    ASSERT_TRUE(testsupport::WriteFileBytes(dir_ + "\\Setup.UMF", package));
    RunToTheLaunchersMessage(kDamaged);
  }
  // The last member's size 10 bytes short: the sizes end before the
  // directory, and every member would still unpack.
  std::string package = whole;
  package.replace(package.find("Data.bin|4000;"), 14, "Data.bin|3990;");
  ASSERT_TRUE(testsupport::WriteFileBytes(dir_ + "\\Setup.UMF", package));
  SCOPED_TRACE("last size short");
  RunToTheLaunchersMessage(kDamaged);
}

TEST_F(LauncherRun, CopiesAsycfiltBesideItIntoTheSystemFolder) {
  const std::string target = testsupport::SystemFolder() + "\\asycfilt.dll";
  const auto original = testsupport::ReadFileBytes(target);
  ASSERT_TRUE(testsupport::WriteFileBytes(dir_ + "\\asycfilt.dll", "asycfilt stand-in"));
  ASSERT_TRUE(testsupport::WriteFileBytes(dir_ + "\\Setup.UMF", testsupport::BuildPackage({{"x.txt", "x"}})));
  RunToTheWizard([] {});
  EXPECT_EQ(testsupport::ReadFileBytes(target), std::string("asycfilt stand-in"));
  if (original) testsupport::WriteFileBytes(target, *original);
}

TEST_F(LauncherRun, HandsOverToTheWizardsFirstPage) {
  ASSERT_TRUE(testsupport::WriteFileBytes(dir_ + "\\Setup.UMF", testsupport::BuildPackage(SetupFiles())));

  Program p("\"" + exe_ + "\"", dir_);
  ASSERT_TRUE(p.started());
  testsupport::WizardDriver driver(p);
  driver.WaitWizard(60s);
  std::vector<HWND> wizard;
  for (HWND w : p.TopWindows(""))
    if (testsupport::WindowTitle(w) == "Velmarind Installer") wizard.push_back(w);
  ASSERT_EQ(wizard.size(), 1u) << "the wizard window did not come up";
  // The start-up's messages come before the first page shows, and the
  // first page stands once the wizard's thread is back in its message loop:
  // any message would be up by then.
  EXPECT_TRUE(driver.WaitPage(0, 30s)) << "the first page did not show";
  EXPECT_TRUE(p.TopWindows("#32770").empty()) << "a message came up";
  // The launcher's window is gone, the wizard is shaped.
  for (HWND w : p.TopWindows("")) EXPECT_NE(testsupport::WindowTitle(w), "Installazione");
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_NE(GetWindowRgn(wizard[0], region), ERROR);
  DeleteObject(region);
  p.Kill();
  p.Wait(30s);
}

TEST_F(LauncherRun, ASecondInstanceIsRefusedWithItsMessageAndMakesNoFolder) {
  ASSERT_TRUE(testsupport::WriteFileBytes(dir_ + "\\Setup.UMF", testsupport::BuildPackage({{"x.txt", "x"}})));
  // The first instance: Setup.exe held open at a message box of its own is
  // not available, so this test plays the first instance by taking the
  // program's instance mark itself.
  const tk::KernelHandle mark = testsupport::TakeInstanceMark("Setup");
  ASSERT_TRUE(mark.valid());
  Program p("\"" + exe_ + "\"", dir_);
  ASSERT_TRUE(p.started());
  const auto box = p.WaitDialog(30s);
  ASSERT_TRUE(box.has_value()) << "no message shown";
  EXPECT_EQ(box->text, "Attenzione rilevata un'altra sessione di installazione.");
  EXPECT_EQ(box->title, "Setup");
  EXPECT_TRUE(box->hasIcon);
  EXPECT_EQ(box->buttons, std::vector<std::string>{"OK"});
  EXPECT_TRUE(NewWorkFolders().empty());
  testsupport::PressButton(box->hwnd, "OK");
  EXPECT_TRUE(p.Wait(30s).has_value());
  EXPECT_TRUE(NewWorkFolders().empty());
}

}  // namespace
