// Drives the wizard of a running Setup.exe from a test in the same Wine
// prefix, the way a user would: it clicks the windowless pictures by posting
// mouse messages at their places on the face, types into the boxes, and
// reads back which page the controls show. Windows build only.
#pragma once

#include <chrono>
#include <string>

#include "tests/support/Driver.h"
#include "toolkit/Win.h"

namespace testsupport {

// A control's place on its form in twips, as the form lays it out.
struct TwipsRect {
  int left, top, width, height;
};

// A left click at the middle of rect on a form: a move there, a press and a
// release, posted to the form's window.
void ClickAt(HWND form, const TwipsRect& rect);

// The direct child window of form with rect's left and width, the one
// nearest to rect's top where several have them (a box's top and height
// may change as its page fills it); null when there is none.
HWND ChildAt(HWND form, const TwipsRect& rect);

// A window's text, read across processes.
std::string TextOf(HWND window);

// The wizard's pages as the user sees them, 0 to 6.
class WizardDriver {
 public:
  explicit WizardDriver(const Program& program) : program_(program) {}

  // Waits for the wizard window; false on time-out.
  bool WaitWizard(std::chrono::milliseconds timeout);
  HWND wizard() const { return wizard_; }

  // The page the controls show, or -1 when they match none (a page change
  // under way, a window gone).
  int Page() const;
  bool WaitPage(int page, std::chrono::milliseconds timeout) const;

  // The picture buttons and caption labels.
  void Next() const;
  void Back() const;
  void Exit() const;
  void AcceptLicence() const;
  void ToggleDesktopLink() const;
  void ToggleRunAfterInstall() const;

  // The boxes of the folder and group pages; Welcome is the page's text.
  bool SetFolder(const std::string& folder) const;
  bool SetGroup(const std::string& group) const;
  std::string Folder() const;
  std::string Group() const;
  std::string WelcomeText() const;
  int DesktopLinkBox() const;  // 0 unticked, 1 ticked, -1 not found
  int RunAfterInstallBox() const;

  // The quit dialog (the process's visible window without a caption and of
  // the dialog's size) once it is up; null on time-out.
  HWND WaitQuitDialog(std::chrono::milliseconds timeout) const;
  static void ConfirmQuit(HWND dialog);
  static void BackFromQuit(HWND dialog);

 private:
  bool Shown(const TwipsRect& rect) const;

  const Program& program_;
  HWND wizard_ = nullptr;
};

}  // namespace testsupport
