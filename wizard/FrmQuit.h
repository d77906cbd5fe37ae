// The quit dialog: asks whether to abandon the installation and records the
// answer in QuitConfirmed (engine/SetupState.h). A window with a one-pixel
// border and no title bar, shaped by its outline, its face a picture, its two
// answers pairs of pictures that swap while the mouse is over them; pressing
// the face drags it. Created each time it is shown (modally, by the wizard's
// quit road) and unloaded by either answer; each time it starts from its
// created state, with the highlighted Back picture showing.
#pragma once

#include "toolkit/Form.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"

class FrmQuitWindow final : public tk::Form {
 public:
  FrmQuitWindow();

  // The controls in stacking order: an earlier one lies above a later one.
  tk::Label Label5;
  tk::Image EndSetup;
  tk::Image BackToSetup;
  tk::Image BackToSetup_Blu;
  tk::Label Label4;
  tk::Label Label3;
  tk::Label Label2;
  tk::Label Label1;
  tk::Image EndSetup_giallo;
  tk::Image Previus_Blu;

  // The user confirms: QuitConfirmed becomes True, the message
  // "Installazione interrotta dall'Utente." is shown, the dialog unloaded.
  void EndSetup_Click();
  // The user goes back: QuitConfirmed becomes False, the dialog unloaded.
  void BackToSetup_Click();

  // Hover swaps: the picture under the mouse shows its highlighted face, the
  // other answer its plain one; over the face both are plain.
  void BackToSetup_MouseMove(int button, int shift, float x, float y);
  void EndSetup_MouseMove(int button, int shift, float x, float y);
  void Form_MouseMove(int button, int shift, float x, float y) override;

  // The highlighted twins answer as their plain pictures.
  void BackToSetup_Blu_Click();
  void EndSetup_giallo_Click();

 protected:
  // Applies the outline, restores the created state, centres the dialog.
  void Form_Load() override;
  // A press on the face (where no control lies) drags the dialog.
  void Form_MouseDown(int button, int shift, float x, float y) override;
};

// The dialog's one object; its window is created by each show.
FrmQuitWindow& FrmQuit();
