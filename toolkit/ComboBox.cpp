#include "toolkit/ComboBox.h"

#include "toolkit/Screen.h"

namespace tk {
namespace {

// The drop-down list's height below the text field, in pixels.
constexpr int kListPixels = 160;

}  // namespace

ComboBox::ComboBox(Form& form) : WindowedControl(form, COLOR_WINDOW, COLOR_WINDOWTEXT) {}

int ComboBox::WindowHeightPixels(double height) const { return PixelsY(height) + kListPixels; }

void ComboBox::Created() {
  for (const std::string& item : items_) ::SendMessageA(hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

bool ComboBox::AddItem(const std::string& item) {
  if (hwnd()) {
    LRESULT r = ::SendMessageA(hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    if (r == CB_ERR || r == CB_ERRSPACE) return false;
  }
  items_.push_back(item);
  return true;
}

void ComboBox::Clear() {
  items_.clear();
  if (hwnd()) ::SendMessageA(hwnd(), CB_RESETCONTENT, 0, 0);
  SetWindowText("");
}

std::string ComboBox::List(int index) const {
  if (index < 0 || index >= ListCount()) return std::string();
  return items_[static_cast<size_t>(index)];
}

void ComboBox::OnCommand(int code) {
  if (code != CBN_SELCHANGE) return;
  // The system puts the picked item into the text field only after this
  // notification; the handler already reads it as the text.
  LRESULT picked = ::SendMessageA(hwnd(), CB_GETCURSEL, 0, 0);
  if (picked != CB_ERR) SetWindowText(List(static_cast<int>(picked)));
  if (Click) Click();
}

}  // namespace tk
