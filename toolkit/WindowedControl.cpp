#include "toolkit/WindowedControl.h"

#include <utility>

#include "toolkit/Screen.h"

namespace tk {

WindowedControl::WindowedControl(Form& form, int sysBack, int sysFore)
    : ChildControl(form), foreColor_(::GetSysColor(sysFore)), backColor_(::GetSysColor(sysBack)) {}

WindowedControl::~WindowedControl() {
  // Forget the window first: what it sends while it goes (focus changes)
  // must not reach this half-destroyed control.
  if (HWND h = std::exchange(hwnd_, nullptr)) ::DestroyWindow(h);
}

int WindowedControl::WindowHeightPixels(double height) const { return PixelsY(height); }

bool WindowedControl::CreateIn(HWND parent) {
  DWORD style = Style() | WS_CHILD | WS_CLIPSIBLINGS | (visible_ ? WS_VISIBLE : 0) | (enabled_ ? 0 : WS_DISABLED);
  HWND h = ::CreateWindowExA(ExStyle(), ClassName(), text_.c_str(), style, PixelsX(left_), PixelsY(top_),
                             PixelsX(width_), WindowHeightPixels(height_), parent, nullptr,
                             ::GetModuleHandleA(nullptr), nullptr);
  if (!h) return false;
  hwnd_ = h;
  // The system puts a new child at the bottom; a later control lies above
  // the earlier ones it overlaps.
  ::SetWindowPos(h, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ApplyFont();
  Created();
  // A combo box ignores the creation text and an edit cuts a long one at
  // its default limit: once the window is set up, it takes it in full.
  if (WindowText() != text_) ::SetWindowTextA(h, text_.c_str());
  return true;
}

void WindowedControl::ParentDestroyed() {
  // The children still stand while their parent hears WM_DESTROY.
  if (hwnd_) text_ = WindowText();
  hwnd_ = nullptr;
}

void WindowedControl::Recreate() {
  if (!hwnd_) return;
  HWND parent = ::GetParent(hwnd_);
  HWND above = ::GetWindow(hwnd_, GW_HWNDPREV);
  text_ = WindowText();
  bool focused = HasFocus();
  ::DestroyWindow(std::exchange(hwnd_, nullptr));
  if (!CreateIn(parent)) return;
  ::SetWindowPos(hwnd_, above ? above : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (focused) SetFocus();
}

std::string WindowedControl::WindowText() const {
  if (!hwnd_) return text_;
  int length = ::GetWindowTextLengthA(hwnd_);
  if (length <= 0) return std::string();
  std::string text(static_cast<size_t>(length) + 1, '\0');
  int got = ::GetWindowTextA(hwnd_, text.data(), length + 1);
  text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return text;
}

bool WindowedControl::SetWindowText(const std::string& text) {
  if (hwnd_ && !::SetWindowTextA(hwnd_, text.c_str())) return false;
  text_ = text;
  return true;
}

void WindowedControl::Move(double left, double top) { Move(left, top, width_, height_); }

void WindowedControl::Move(double left, double top, double width, double height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  if (hwnd_)
    ::SetWindowPos(hwnd_, nullptr, PixelsX(left), PixelsY(top), PixelsX(width), WindowHeightPixels(height),
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

void WindowedControl::SetVisible(bool visible) {
  visible_ = visible;
  if (hwnd_) ::ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
}

void WindowedControl::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (hwnd_) ::EnableWindow(hwnd_, enabled ? TRUE : FALSE);
}

bool WindowedControl::SetFocus() {
  if (!hwnd_ || !::IsWindowVisible(hwnd_) || !::IsWindowEnabled(hwnd_)) return false;
  ::SetFocus(hwnd_);
  return HasFocus();
}

bool WindowedControl::HasFocus() const { return Owns(::GetFocus()); }

void WindowedControl::SetFont(const FontSpec& font) {
  font_ = font;
  hfont_.reset();
  ApplyFont();
}

void WindowedControl::ApplyFont() {
  if (!hwnd_) return;
  if (!hfont_) hfont_ = CreateFontOf(font_);
  // Without a font of its own the control keeps the system's.
  if (hfont_) ::SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(hfont_.get()), TRUE);
}

void WindowedControl::SetForeColor(Color color) {
  foreColor_ = color;
  coloured_ = true;
  Repaint();
}

void WindowedControl::SetBackColor(Color color) {
  backColor_ = color;
  coloured_ = true;
  backBrush_.reset();
  Repaint();
}

void WindowedControl::Repaint() const {
  if (hwnd_) ::RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

HBRUSH WindowedControl::OnCtlColor(HDC dc) {
  if (!coloured_) return nullptr;
  if (!backBrush_) backBrush_.reset(::CreateSolidBrush(backColor_));
  if (!backBrush_) return nullptr;
  ::SetTextColor(dc, foreColor_);
  ::SetBkColor(dc, backColor_);
  return backBrush_.get();
}

}  // namespace tk
