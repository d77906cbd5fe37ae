// The wizard window: borderless and shaped, its face a picture, its buttons
// pairs of pictures. One window per process, created on first use and never
// unloaded. Every page of the wizard is a set of these controls shown or
// hidden; the start-up, the pages, the drive report and the quit road read
// and write them by name, the installation engine through FrmSetupView.
#pragma once

#include <cstdint>

#include "toolkit/CheckBox.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Form.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/OptionButton.h"
#include "toolkit/PictureBox.h"
#include "toolkit/TextBox.h"
#include "toolkit/Timer.h"

class FrmSetupWindow final : public tk::Form {
 public:
  FrmSetupWindow();
  ~FrmSetupWindow() override;

  // The current page, 0 (welcome) to 6 (progress).
  int16_t Step = 0;

  // The controls, in the window's order of creation: among overlapping
  // pictures an earlier one lies above a later one.
  tk::TextBox Welcome;
  tk::TimerControl tmrTime;
  tk::PictureBox picBuffer;
  tk::TextBox ErroreSpazio;
  tk::CheckBox DeskShort;
  tk::CheckBox AutoEsegui;
  tk::OptionButton Lic_Accetto;
  tk::OptionButton Lic_NonAccetto;
  tk::PictureBox picStatus0;
  tk::ComboBox PrgGroup;
  tk::TextBox CopyPath;
  tk::PictureBox picStatus1;
  tk::Label AutoEsegui_txt;
  tk::Label DeskShort_txt;
  tk::Label Lic_NonAccetto_txt;
  tk::Label Lic_Accetto_txt;
  tk::Image ESCI_ORA;
  tk::Label SelPath;
  tk::Label lblStatus0;
  tk::Label lblStatus1;
  tk::Image PrgIco;
  tk::Label AppName;
  tk::Label Apptitle;
  tk::Image Previous_Disabilitato;
  tk::Image EndSetup;
  tk::Image NextStep;
  tk::Image Previous;
  tk::Label Label1;
  tk::Image Image1;
  tk::Image Avanti_Blu;
  tk::Image EndSetup_giallo;
  tk::Image Previus_Blu;
  tk::Image Browse;
  tk::Image BrowseColor;

  // The two control arrays, by index 0 or 1.
  tk::PictureBox& picStatus(int index) { return index == 0 ? picStatus0 : picStatus1; }
  tk::Label& lblStatus(int index) { return index == 0 ? lblStatus0 : lblStatus1; }

  // The start-up (also run again whenever the welcome page is shown). A
  // missing setup file or settings that cannot be read end the program.
  void Form_Load() override;

  // --- pages and navigation
  // The page switcher: builds page `step` (0 to 6; any other number builds
  // nothing). Leaving the folder page, a folder the target check rejects
  // sets `step` back to 2 and builds the folder page again.
  void ShowStep(int16_t& step);
  // Next: the licence check on page 1, the next page, and past page 5 the
  // installation (which ends the program).
  void NextStep_Click();
  // Back: the previous page.
  void Previous_Click();
  // Enter acts as Next while the Next picture or its twin is shown, also
  // when a text box or the combo box has the focus.
  void Form_KeyPress(int& keyAscii) override;
  // The licence options' caption labels select their option.
  void Lic_Accetto_txt_Click();
  void Lic_NonAccetto_txt_Click();
  // The check boxes' caption labels toggle their box.
  void AutoEsegui_txt_Click();
  void DeskShort_txt_Click();
  // The folder-browse dialog; a chosen folder goes into CopyPath unchecked.
  void Browse_Click();
  // True while a page change (Next, Back or Enter) is under way: a further
  // one arriving during its yields is dropped.
  bool ChangingPage() const { return changingPage_; }

  // --- picture buttons and dragging
  // Puts the buttons back to their plain faces for the current page; yields
  // to pending window events twice below page 6.
  void Form_MouseMove(int button, int shift, float x, float y) override;
  // A press on the face (or on Apptitle) drags the window.
  void Form_MouseDown(int button, int shift, float x, float y) override;
  // The hover swaps of the plain pictures.
  void NextStep_MouseMove();
  void Previous_MouseMove();
  void EndSetup_MouseMove();
  void Browse_MouseMove();
  // The highlighted twins run their plain picture's handler, never while
  // that picture is disabled.
  void Avanti_Blu_Click() {
    if (NextStep.Enabled()) NextStep_Click();
  }
  void Previus_Blu_Click() {
    if (Previous.Enabled()) Previous_Click();
  }
  void BrowseColor_Click() {
    if (Browse.Enabled()) Browse_Click();
  }
  // Enables or disables Next; disabled, its highlighted twin gives way to
  // the plain picture, so that nothing acts for it.
  void SetNextEnabled(bool enabled);

  // --- the quit roads
  // Exit: the quit dialog, and on a confirmed quit the roll-back of an
  // installation under way; ends the process then. Also reached from the
  // highlighted twin and from the small close picture.
  void EndSetup_Click();
  void EndSetup_giallo_Click() {
    if (EndSetup.Enabled()) EndSetup_Click();
  }
  void ESCI_ORA_Click() { EndSetup_Click(); }
  // The system's close command: the quit dialog; the window stays.
  void Form_QueryUnload(int& cancel, int unloadMode) override;
  // Once the payload is copied: Exit, its highlighted twin and the small
  // close picture take no more clicks, for the rest of the program.
  void DisableQuitPictures();

 protected:
  void Form_Initialize() override;

 private:
  // Connects the controls' events to the handlers above.
  void WireEvents();
  // Passes the mouse moves over the Welcome box to Form_MouseMove (the
  // box is a system edit window of its own).
  void HookWelcomeMouseMove();
  static LRESULT CALLBACK WelcomeProc(HWND window, UINT msg, WPARAM wp, LPARAM lp);

  bool changingPage_ = false;
  HWND welcomeHooked_ = nullptr;
  WNDPROC welcomeProc_ = nullptr;
};

// The wizard window, created on first use.
FrmSetupWindow& FrmSetup();

// The wizard window as the setup view that the installation shows its
// progress through and reads the user's choices from (engine/SetupView.h).
class SetupView;
SetupView& FrmSetupView();
