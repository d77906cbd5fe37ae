#include "toolkit/TextBox.h"

#include "toolkit/Screen.h"

namespace tk {

TextBox::TextBox(Form& form) : WindowedControl(form, COLOR_WINDOW, COLOR_WINDOWTEXT) {}

DWORD TextBox::Style() const {
  DWORD style = WS_TABSTOP | ES_LEFT | ES_NOHIDESEL;
  style |= multiLine_ ? ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN : ES_AUTOHSCROLL;
  if (multiLine_ && scrollBar_) style |= WS_VSCROLL;
  if (locked_) style |= ES_READONLY;
  return style;
}

DWORD TextBox::ExStyle() const { return borderStyle_ ? WS_EX_CLIENTEDGE : 0; }

void TextBox::Created() {
  // 0 lifts the limit to the most the system allows.
  ::SendMessageA(hwnd(), EM_LIMITTEXT, 0, 0);
}

void TextBox::SetText(const std::string& text) {
  // Without an EN_CHANGE (no window, or the text is the same) nothing changed.
  if (Text() == text) return;
  bool live = hwnd() != nullptr;
  if (SetWindowText(text) && !live && Change) Change();
}

int TextBox::LineCount() const {
  return hwnd() ? static_cast<int>(::SendMessageA(hwnd(), EM_GETLINECOUNT, 0, 0)) : 1;
}

int TextBox::LineOfChar(size_t index) const {
  return hwnd() ? static_cast<int>(::SendMessageA(hwnd(), EM_LINEFROMCHAR, index, 0)) : 0;
}

double TextBox::LineHeight() const {
  // The edit control's lines are as high as its font's cell.
  const FontHandle font = CreateFontOf(Font());
  const WindowDC dc(nullptr);
  const SelectScope use(dc.get(), font.get());
  TEXTMETRICA tm{};
  if (!::GetTextMetricsA(dc.get(), &tm)) return 0;
  return TwipsY(tm.tmHeight);
}

void TextBox::OnCommand(int code) {
  if (code == EN_CHANGE && Change) Change();
}

void TextBox::SetMultiLine(bool multiLine) {
  if (multiLine == multiLine_) return;
  multiLine_ = multiLine;
  Recreate();
}

void TextBox::SetScrollBar(bool scrollBar) {
  if (scrollBar == scrollBar_) return;
  scrollBar_ = scrollBar;
  if (multiLine_) Recreate();
}

void TextBox::SetLocked(bool locked) {
  locked_ = locked;
  if (hwnd()) ::SendMessageA(hwnd(), EM_SETREADONLY, locked ? TRUE : FALSE, 0);
}

void TextBox::SetBorderStyle(int style) {
  style = style ? 1 : 0;
  if (style == borderStyle_) return;
  borderStyle_ = style;
  if (!hwnd()) return;
  ::SetWindowLongPtrA(hwnd(), GWL_EXSTYLE, static_cast<LONG_PTR>(ExStyle()));
  ::SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

}  // namespace tk
