// A combo box with an editable text and a drop-down list (the classic
// drop-down combo). Picking an item from the list makes it the text; the
// user may also type any text. The list and the text are kept on the object
// too, so they hold before the form's window exists.
//
// Height is the height of the text field; the drop-down list opens below it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "toolkit/TextHolder.h"
#include "toolkit/WindowedControl.h"

namespace tk {

class ComboBox : public WindowedControl, public TextHolder {
 public:
  explicit ComboBox(Form& form);

  std::string Text() const override { return WindowText(); }
  void SetText(const std::string& text) override { SetWindowText(text); }

  // Adds an item at the end of the list; false when the system refuses it
  // (the list is then left as it was).
  bool AddItem(const std::string& item);
  // Empties the list and the text.
  void Clear();
  int ListCount() const { return static_cast<int>(items_.size()); }
  // The item at index (from 0); "" outside the list.
  std::string List(int index) const;

  // Runs when the user picks an item; Text is the picked item by then.
  std::function<void()> Click;

  void OnCommand(int code) override;

 protected:
  const char* ClassName() const override { return "COMBOBOX"; }
  DWORD Style() const override { return WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL; }
  int WindowHeightPixels(double height) const override;
  void Created() override;

 private:
  std::vector<std::string> items_;
};

}  // namespace tk
