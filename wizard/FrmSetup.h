// The wizard window: borderless and shaped, its face a picture, its buttons
// pairs of pictures. One window per process, created on first use and never
// unloaded. Every page of the wizard is a set of these controls shown or
// hidden; the start-up, the pages, the drive report, the quit road and the
// installation engine read and write them by name.
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

  // The start-up (also run again whenever the welcome page is shown).
  void Form_Load() override;

 protected:
  void Form_Initialize() override;
};

// The wizard window, created on first use.
FrmSetupWindow& FrmSetup();
