// A text box: a system edit control, single-line or multi-line (word wrap,
// with or without a vertical scroll bar), optionally read-only (Locked). Its text
// is code page 1252 bytes with the line breaks as given (CR LF for the
// multi-line box); it holds far more than the edit control's default
// 32767 characters.
//
// Colours set through SetBackColor/SetForeColor paint the text and the
// background, editable or read-only.
#pragma once

#include <functional>
#include <string>

#include "toolkit/TextHolder.h"
#include "toolkit/WindowedControl.h"

namespace tk {

class TextBox : public WindowedControl, public TextHolder {
 public:
  explicit TextBox(Form& form);

  std::string Text() const override { return WindowText(); }
  // Sets the whole text; Change runs when it differs.
  void SetText(const std::string& text) override;

  // Multi-line with a vertical scroll bar, or single-line scrolling sideways.
  // A change while the window exists makes the window anew (the text stays).
  bool MultiLine() const { return multiLine_; }
  void SetMultiLine(bool multiLine);
  // Whether a multi-line box has its vertical scroll bar (the default); a
  // change while the window exists makes the window anew.
  bool ScrollBar() const { return scrollBar_; }
  void SetScrollBar(bool scrollBar);
  // A locked box shows and selects its text but takes no typing.
  bool Locked() const { return locked_; }
  void SetLocked(bool locked);
  // 0: no border; 1: a sunken 3D border (the default).
  int BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(int style);

  // The lines the box breaks its text into at its width (1 without a window),
  // the line that shows the character at an index (0 without a window), and
  // the height of one line of the box's font in twips (0 when GDI cannot tell).
  int LineCount() const;
  int LineOfChar(size_t index) const;
  double LineHeight() const;

  // Runs after the text changed, by the user or by SetText.
  std::function<void()> Change;

  void OnCommand(int code) override;

 protected:
  const char* ClassName() const override { return "EDIT"; }
  DWORD Style() const override;
  DWORD ExStyle() const override;
  void Created() override;

 private:
  bool multiLine_ = false;
  bool scrollBar_ = true;
  bool locked_ = false;
  int borderStyle_ = 1;
};

}  // namespace tk
