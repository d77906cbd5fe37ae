// The please-wait window: one label on a small window with a sizing frame
// and no title bar, centred on the screen. It has no behaviour of its own;
// the installation and the roll-back show it, change its caption and unload
// it.
#pragma once

#include "toolkit/Form.h"
#include "toolkit/Label.h"

class FrmRegistryWindow final : public tk::Form {
 public:
  FrmRegistryWindow();

  tk::Label Attesa;

 protected:
  void Form_Load() override;
};

// The window, created on first use.
FrmRegistryWindow& FrmRegistry();
