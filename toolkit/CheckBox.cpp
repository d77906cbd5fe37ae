#include "toolkit/CheckBox.h"

namespace tk {

CheckBox::CheckBox(Form& form) : ButtonControl(form) {}

void CheckBox::Created() { ::SendMessageA(hwnd(), BM_SETCHECK, static_cast<WPARAM>(value_), 0); }

bool CheckBox::SetValue(int value) {
  if (value < vbUnchecked || value > vbGrayed) return false;
  value_ = value;
  if (hwnd()) ::SendMessageA(hwnd(), BM_SETCHECK, static_cast<WPARAM>(value), 0);
  return true;
}

void CheckBox::OnCommand(int code) {
  // The box is a plain three-state button: the state is ours to change.
  if (code != BN_CLICKED) return;
  SetValue(value_ == vbChecked ? vbUnchecked : vbChecked);
  if (Click) Click();
}

}  // namespace tk
