// A check box: a system button holding 0 (not ticked), 1 (ticked) or 2
// (greyed). A click by the user ticks an unticked or greyed box and unticks
// a ticked one, then runs Click; SetValue runs no Click. The caption, if
// any, stands right of the box and is cut off by the control's width.
#pragma once

#include "toolkit/WindowedControl.h"

namespace tk {

enum : int { vbUnchecked = 0, vbChecked = 1, vbGrayed = 2 };

class CheckBox : public ButtonControl {
 public:
  explicit CheckBox(Form& form);

  int Value() const { return value_; }
  // Values other than 0, 1 and 2 are refused (false, value unchanged).
  bool SetValue(int value);
  void OnCommand(int code) override;

 protected:
  DWORD Style() const override { return WS_TABSTOP | BS_3STATE; }
  void Created() override;

 private:
  int value_ = vbUnchecked;
};

}  // namespace tk
