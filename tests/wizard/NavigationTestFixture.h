// The wizard window in this process on a scratch work folder, for the tests
// of its pages, buttons and dragging: a scripted host (message boxes, and a
// drive that may report too little free space), clicks and keys posted to
// the window, and the controls read back. Windows build only.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/SetupState.h"
#include "tests/support/ScriptedHost.h"
#include "tests/support/WorkFolder.h"
#include "toolkit/Events.h"
#include "toolkit/Files.h"
#include "toolkit/Win.h"
#include "wizard/FrmSetup.h"
#include "wizard/SetupLayout.h"

namespace navtest {

// The drive report's queries can be made to find a nearly full drive, a
// drive of a given size, another kind of drive or one that cannot be read.
class WizardHost : public testsupport::ScriptedHost {
 public:
  bool diskNearlyFull = false;
  uint64_t total = 0;       // 0: the drive's own
  uint32_t driveType = 0;   // 0: the drive's own
  bool unreadable = false;
  tk::DriveSpace FreeSpace(const std::string& root) override {
    tk::DriveSpace space = tk::Host::FreeSpace(root);
    if (diskNearlyFull && space.ok) space.availableToUser = space.totalFree = 10;
    if (total != 0) space.total = total;
    if (unreadable) space.ok = false;
    return space;
  }
  uint32_t DriveType(const std::string& root) override {
    return driveType != 0 ? driveType : tk::Host::DriveType(root);
  }
};

class WizardPages : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    work_ = std::make_unique<testsupport::ScratchWork>("wizard-nav", info->name());
    ASSERT_TRUE(work_->WriteSetupFiles());
    ASSERT_TRUE(work_->Write("Setup.dip", testsupport::SetupDipText({"Velmarind Demo v.1.0", "descrizione",
                                                                     "Velmarind", "Velmarind Demo", "1.0", "Demo",
                                                                     "1048576", "Demo.exe", "", "", "Demo.exe"})));
    ASSERT_TRUE(work_->Write("Welcome.txt", "Benvenuti in @ !"));
    ASSERT_TRUE(work_->Write("Licence.txt", "Licenza d'uso\r\nRiga due"));
    // An empty folder that the folder check accepts without a question.
    target_ = work_->work() + "\\..\\target";
    ASSERT_TRUE(CreateDirectoryA(target_.c_str(), nullptr));
    char full[MAX_PATH];
    ASSERT_NE(GetFullPathNameA(target_.c_str(), MAX_PATH, full, nullptr), 0u);
    target_ = full;
    SourceDir = work_->work();
    SetupInfo = {};
    WinMajor = 0;
    FrmSetup().Show();
    ASSERT_TRUE(FrmSetup().Loaded());
    SetForegroundWindow(FrmSetup().hwnd());
    tk::DoEvents();
  }
  void TearDown() override {
    FrmSetup().Unload();
    tk::Reset();
    work_.reset();
  }

  FrmSetupWindow& w() { return FrmSetup(); }

  // A left click at a point of the window, in twips.
  void Click(double xTwips, double yTwips) {
    const LPARAM at = MAKELPARAM(static_cast<int>(xTwips / 15), static_cast<int>(yTwips / 15));
    PostMessageA(w().hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(w().hwnd(), WM_LBUTTONUP, 0, at);
    tk::DoEvents();
  }
  // A click in the middle of a picture or label.
  void Click(const tk::FaceControl& c) { Click(c.Left() + c.Width() / 2, c.Top() + c.Height() / 2); }
  // The window's client point in the middle of a control's place as the
  // layout gives it, and a click there.
  static LPARAM Middle(const SetupLayout::Twips& at) {
    return MAKELPARAM((at.left + at.width / 2) / 15, (at.top + at.height / 2) / 15);
  }
  void Click(const SetupLayout::Twips& at) { Click(at.left + at.width / 2, at.top + at.height / 2); }
  void ClickNext() { Click(SetupLayout::Place(&FrmSetupWindow::NextStep)); }
  void ClickBack() { Click(SetupLayout::Place(&FrmSetupWindow::Previous)); }
  // The mouse moving over a point of the window, in twips.
  void MoveMouse(double xTwips, double yTwips) {
    PostMessageA(w().hwnd(), WM_MOUSEMOVE, 0,
                 MAKELPARAM(static_cast<int>(xTwips / 15), static_cast<int>(yTwips / 15)));
    tk::DoEvents();
  }
  void MoveMouse(const tk::FaceControl& c) { MoveMouse(c.Left() + c.Width() / 2, c.Top() + c.Height() / 2); }
  // The Enter key typed into a window of the wizard (the form or a control).
  void Enter(HWND into) {
    PostMessageA(into, WM_CHAR, 13, 1);
    tk::DoEvents();
  }

  // From the welcome page to the folder page with the licence accepted.
  void GoToFolderPage() {
    ClickNext();
    Click(w().Lic_Accetto_txt);
    ClickNext();
    ASSERT_EQ(w().Step, 2);
  }
  // On to the drive report with the accepted folder.
  void GoToDriveReport() {
    GoToFolderPage();
    w().CopyPath.SetText(target_);
    ClickNext();
    ASSERT_EQ(w().Step, 3);
  }

  std::unique_ptr<testsupport::ScratchWork> work_;
  std::string target_;
  WizardHost host_;
};

}  // namespace navtest
