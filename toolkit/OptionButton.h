// An option button: a system radio button. All option buttons of one form
// make one group: selecting one, by a click of the user or by
// SetValue(true), clears the others. A user's click selects the button and
// runs its Click; SetValue runs no Click.
#pragma once

#include "toolkit/WindowedControl.h"

namespace tk {

class OptionButton : public ButtonControl {
 public:
  explicit OptionButton(Form& form);
  ~OptionButton() override;

  bool Value() const { return value_; }
  void SetValue(bool value);
  void OnCommand(int code) override;

 protected:
  DWORD Style() const override { return WS_TABSTOP | BS_RADIOBUTTON; }
  void Created() override { ShowValue(); }

 private:
  void ShowValue();
  bool value_ = false;
};

}  // namespace tk
