#include "toolkit/OptionButton.h"

#include <algorithm>
#include <vector>

namespace tk {
namespace {

// Every option button alive, for the group of a form (one UI thread).
std::vector<OptionButton*>& AllOptions() {
  static std::vector<OptionButton*> all;
  return all;
}

}  // namespace

OptionButton::OptionButton(Form& form) : ButtonControl(form) {
  AllOptions().push_back(this);
}

OptionButton::~OptionButton() {
  auto& all = AllOptions();
  all.erase(std::remove(all.begin(), all.end(), this), all.end());
}

void OptionButton::ShowValue() {
  if (hwnd()) ::SendMessageA(hwnd(), BM_SETCHECK, value_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void OptionButton::SetValue(bool value) {
  if (value) {
    for (OptionButton* other : AllOptions()) {
      if (other == this || &other->form() != &form() || !other->value_) continue;
      other->value_ = false;
      other->ShowValue();
    }
  }
  value_ = value;
  ShowValue();
}

void OptionButton::OnCommand(int code) {
  // A quick second click comes as a double-click notification: it selects
  // too, but is not a click of its own.
  if (code != BN_CLICKED && code != BN_DOUBLECLICKED) return;
  SetValue(true);
  if (code == BN_CLICKED && Click) Click();
}

}  // namespace tk
