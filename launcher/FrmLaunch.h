// The start-up window: the program's first window. Its load handler does the
// whole start-up: the second-instance check, the work folder, the library
// copy, the unpacking with its progress bar, the stamping of the unpacked
// files, and the hand-over to the wizard. A package that is missing, damaged
// or refused by a full temporary drive ends the program at a message
// instead, with the work folder emptied and removed.
#pragma once

#include <array>
#include <string>

#include "toolkit/Form.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/PictureBox.h"

class FrmLaunch final : public tk::Form {
 public:
  FrmLaunch();
  ~FrmLaunch() override;

  // Creates the one folder sFolder (its parent must exist); false, without
  // any message, when that fails for any reason.
  bool MakeFolder(const std::string& sFolder);

  // The controls, by their names.
  tk::Image Image2;
  tk::Label Label1;
  std::array<tk::PictureBox, 1> picStatus;

 protected:
  void Form_Initialize() override;
  void Form_Load() override;
};

// The hand-over: shows the wizard window (modeless); its start-up runs then.
void ShowWizardWindow();
