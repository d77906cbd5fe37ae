// The wizard's picture buttons and dragging: the hover swaps of the plain
// pictures and their highlighted twins, the reset of the buttons when the
// mouse reaches the face, the twins' clicks, the quit pictures put out of
// use once the payload is copied, and the drag by the face or the title
// label.
#include "toolkit/Events.h"
#include "toolkit/Screen.h"
#include "toolkit/Win.h"
#include "wizard/FrmSetup.h"

void FrmSetupWindow::WireEvents() {
  const auto forwardMove = [this](int button, int shift, float x, float y) { Form_MouseMove(button, shift, x, y); };
  const auto ignoreArguments = [](void (FrmSetupWindow::*handler)(), FrmSetupWindow* self) {
    return [self, handler](int, int, float, float) { (self->*handler)(); };
  };

  NextStep.Click = [this] { NextStep_Click(); };
  Avanti_Blu.Click = [this] { Avanti_Blu_Click(); };
  Previous.Click = [this] { Previous_Click(); };
  Previus_Blu.Click = [this] { Previus_Blu_Click(); };
  Browse.Click = [this] { Browse_Click(); };
  BrowseColor.Click = [this] { BrowseColor_Click(); };
  EndSetup.Click = [this] { EndSetup_Click(); };
  EndSetup_giallo.Click = [this] { EndSetup_giallo_Click(); };
  ESCI_ORA.Click = [this] { ESCI_ORA_Click(); };

  NextStep.MouseMove = ignoreArguments(&FrmSetupWindow::NextStep_MouseMove, this);
  Previous.MouseMove = ignoreArguments(&FrmSetupWindow::Previous_MouseMove, this);
  EndSetup.MouseMove = ignoreArguments(&FrmSetupWindow::EndSetup_MouseMove, this);
  Browse.MouseMove = ignoreArguments(&FrmSetupWindow::Browse_MouseMove, this);

  Apptitle.MouseMove = forwardMove;
  Apptitle.MouseDown = [this](int button, int shift, float x, float y) { Form_MouseDown(button, shift, x, y); };

  Lic_Accetto_txt.Click = [this] { Lic_Accetto_txt_Click(); };
  Lic_NonAccetto_txt.Click = [this] { Lic_NonAccetto_txt_Click(); };
  AutoEsegui_txt.Click = [this] { AutoEsegui_txt_Click(); };
  DeskShort_txt.Click = [this] { DeskShort_txt_Click(); };
}

void FrmSetupWindow::NextStep_MouseMove() {
  NextStep.SetVisible(false);
  Avanti_Blu.SetVisible(true);
  Previus_Blu.SetVisible(false);
  Previous.SetVisible(true);
}

void FrmSetupWindow::Previous_MouseMove() {
  Previus_Blu.SetVisible(true);
  Previous.SetVisible(false);
  NextStep.SetVisible(true);
  Avanti_Blu.SetVisible(false);
}

void FrmSetupWindow::EndSetup_MouseMove() {
  EndSetup_giallo.SetVisible(true);
  EndSetup.SetVisible(false);
}

void FrmSetupWindow::Browse_MouseMove() {
  Browse.SetVisible(false);
  BrowseColor.SetVisible(true);
}

void FrmSetupWindow::SetNextEnabled(bool enabled) {
  NextStep.SetEnabled(enabled);
  if (enabled || !Avanti_Blu.Visible()) return;
  Avanti_Blu.SetVisible(false);
  NextStep.SetVisible(true);
}

void FrmSetupWindow::DisableQuitPictures() {
  EndSetup.SetEnabled(false);
  EndSetup_giallo.SetEnabled(false);
  ESCI_ORA.SetEnabled(false);
}

void FrmSetupWindow::Form_MouseMove(int, int, float, float) {
  Avanti_Blu.SetVisible(false);
  if (Step == 2) {
    Browse.SetVisible(true);
    BrowseColor.SetVisible(false);
  }
  if (Step >= 6) {
    EndSetup.SetVisible(true);
    return;
  }
  // Showing EndSetup covers its highlighted twin, which stays shown below.
  tk::DoEvents();
  NextStep.SetVisible(true);
  EndSetup.SetVisible(true);
  tk::DoEvents();
  Previus_Blu.SetVisible(false);
  Previous.SetVisible(true);
}

void FrmSetupWindow::Form_MouseDown(int, int, float, float) {
  if (!hwnd()) return;
  // The system moves the window with the mouse as if its title bar had been
  // pressed; the press position is taken from the pending message.
  ::ReleaseCapture();
  ::SendMessageA(hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void FrmSetupWindow::HookWelcomeMouseMove() {
  HWND box = Welcome.hwnd();
  if (!box || box == welcomeHooked_) return;
  ::SetLastError(0);
  const LONG_PTR previous =
      ::SetWindowLongPtrA(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FrmSetupWindow::WelcomeProc));
  if (previous == 0 && ::GetLastError() != 0) return;
  welcomeProc_ = reinterpret_cast<WNDPROC>(previous);
  welcomeHooked_ = box;
}

LRESULT CALLBACK FrmSetupWindow::WelcomeProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
  FrmSetupWindow& self = FrmSetup();
  // The hook belongs to one window of the box; a box made anew gets the
  // class's own procedure and is hooked again by the next start-up.
  WNDPROC next = self.welcomeProc_;
  if (window != self.welcomeHooked_ || !next) return ::DefWindowProcA(window, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    self.welcomeHooked_ = nullptr;
    self.welcomeProc_ = nullptr;
    ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(next));
  } else if (msg == WM_MOUSEMOVE) {
    int button = 0;
    if (wp & MK_LBUTTON) button |= tk::vbLeftButton;
    if (wp & MK_RBUTTON) button |= tk::vbRightButton;
    if (wp & MK_MBUTTON) button |= tk::vbMiddleButton;
    int shift = 0;
    if (wp & MK_SHIFT) shift |= tk::vbShiftMask;
    if (wp & MK_CONTROL) shift |= tk::vbCtrlMask;
    self.Form_MouseMove(button, shift, static_cast<float>(tk::TwipsX(static_cast<short>(LOWORD(lp)))),
                        static_cast<float>(tk::TwipsY(static_cast<short>(HIWORD(lp)))));
    // The box may have gone while the yields ran.
    if (!::IsWindow(window)) return 0;
  }
  return ::CallWindowProcA(next, window, msg, wp, lp);
}
