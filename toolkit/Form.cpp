#include "toolkit/Form.h"
#include "toolkit/PictureBox.h"

#include <algorithm>
#include <utility>

#include "toolkit/Events.h"
#include "toolkit/Frames.h"
#include "toolkit/Screen.h"

namespace tk {
namespace {

constexpr char kClassName[] = "VelmarindForm";
constexpr char kFormProp[] = "VelmarindForm.this";
constexpr UINT_PTR kFrameTimerId = 0x5646;

void StylesOf(FormBorder border, DWORD& style, DWORD& exStyle) {
  style = WS_POPUP;
  exStyle = 0;
  switch (border) {
    case FormBorder::None: style = WS_POPUP; break;
    case FormBorder::FixedSingle:
      style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
      exStyle = WS_EX_WINDOWEDGE;
      break;
    case FormBorder::FixedSingleNoTitle: style = WS_POPUP | WS_BORDER; break;
    case FormBorder::SizableNoTitle: style = WS_POPUP | WS_THICKFRAME; break;
  }
  style |= WS_CLIPCHILDREN;
}

int ShiftState() {
  int s = 0;
  if (::GetKeyState(VK_SHIFT) < 0) s |= vbShiftMask;
  if (::GetKeyState(VK_CONTROL) < 0) s |= vbCtrlMask;
  if (::GetKeyState(VK_MENU) < 0) s |= vbAltMask;
  return s;
}

int ButtonsHeld(WPARAM wp) {
  int b = 0;
  if (wp & MK_LBUTTON) b |= vbLeftButton;
  if (wp & MK_RBUTTON) b |= vbRightButton;
  if (wp & MK_MBUTTON) b |= vbMiddleButton;
  return b;
}

struct ModalDisable {
  HWND self;
  std::vector<HWND> disabled;
};

BOOL CALLBACK DisableOthers(HWND w, LPARAM lp) {
  auto* m = reinterpret_cast<ModalDisable*>(lp);
  if (w != m->self && ::IsWindowEnabled(w)) {
    ::EnableWindow(w, FALSE);
    m->disabled.push_back(w);
  }
  return TRUE;
}

struct OwnerSearch {
  HWND self;
  HWND found;
};

BOOL CALLBACK FindShownForm(HWND w, LPARAM lp) {
  auto* s = reinterpret_cast<OwnerSearch*>(lp);
  if (w == s->self || !::IsWindowVisible(w) || !::IsWindowEnabled(w) || !Form::FromWindow(w)) return TRUE;
  s->found = w;
  return FALSE;
}

// The form window of this thread that a modal window shown now interrupts:
// the active one, else the topmost shown and enabled one (windows are
// listed from the top down); null when there is none.
HWND ModalOwnerFor(HWND self) {
  const HWND active = ::GetActiveWindow();
  if (active && active != self && Form::FromWindow(active)) return active;
  OwnerSearch search{self, nullptr};
  ::EnumThreadWindows(::GetCurrentThreadId(), &FindShownForm, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void SetOwner(HWND window, HWND owner) {
  ::SetWindowLongPtrA(window, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
}

}  // namespace

bool RegisterWindowClass(const char* name, WNDPROC proc, UINT style) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof(wc);
  wc.style = style;
  wc.lpfnWndProc = proc;
  wc.hInstance = ::GetModuleHandleA(nullptr);
  wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = name;
  return ::RegisterClassExA(&wc) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

Form::Form() = default;

Form::~Form() { DestroyWindowNow(); }

void Form::SetCaption(const std::string& caption) {
  caption_ = caption;
  if (hwnd_) ::SetWindowTextA(hwnd_, caption_.c_str());
}

void Form::SetBackColor(Color color) {
  backColor_ = color;
  if (hwnd_) ::InvalidateRect(hwnd_, nullptr, FALSE);
}

void Form::SetIconResource(int id) {
  iconId_ = id;
  if (!hwnd_) return;
  HICON big = id ? IconFromResource(id, ::GetSystemMetrics(SM_CXICON)) : nullptr;
  HICON small = id ? IconFromResource(id, ::GetSystemMetrics(SM_CXSMICON)) : nullptr;
  ::SendMessageA(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
  ::SendMessageA(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
}

void Form::SetPicture(Picture picture) {
  picture_ = std::move(picture);
  if (hwnd_) ::InvalidateRect(hwnd_, nullptr, FALSE);
}

double Form::Left() const {
  RECT r;
  if (hwnd_ && ::GetWindowRect(hwnd_, &r)) return TwipsX(r.left);
  return leftTwips_;
}

double Form::Top() const {
  RECT r;
  if (hwnd_ && ::GetWindowRect(hwnd_, &r)) return TwipsY(r.top);
  return topTwips_;
}

void Form::Move(double left, double top) {
  leftTwips_ = left;
  topTwips_ = top;
  if (hwnd_) ::SetWindowPos(hwnd_, nullptr, PixelsX(left), PixelsY(top), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SetClientSize(double width, double height) {
  widthTwips_ = width;
  heightTwips_ = height;
  ApplyGeometry();
}

double Form::ScaleWidth() const {
  RECT r;
  if (hwnd_ && ::GetClientRect(hwnd_, &r)) return TwipsX(r.right);
  return widthTwips_;
}

double Form::ScaleHeight() const {
  RECT r;
  if (hwnd_ && ::GetClientRect(hwnd_, &r)) return TwipsY(r.bottom);
  return heightTwips_;
}

void Form::CentreOnScreen() {
  DWORD style, ex;
  StylesOf(border_, style, ex);
  RECT r{0, 0, PixelsX(widthTwips_), PixelsY(heightTwips_)};
  if (hwnd_) ::GetWindowRect(hwnd_, &r);
  else ::AdjustWindowRectEx(&r, style, FALSE, ex);
  int x = (::GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2;
  int y = (::GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2;
  Move(TwipsX(x), TwipsY(y));
}

void Form::ApplyGeometry() {
  if (!hwnd_) return;
  DWORD style = static_cast<DWORD>(::GetWindowLongPtrA(hwnd_, GWL_STYLE));
  DWORD ex = static_cast<DWORD>(::GetWindowLongPtrA(hwnd_, GWL_EXSTYLE));
  RECT r{0, 0, PixelsX(widthTwips_), PixelsY(heightTwips_)};
  ::AdjustWindowRectEx(&r, style, FALSE, ex);
  ::SetWindowPos(hwnd_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Form::Load() {
  if (hwnd_) return true;
  if (!initialized_) {
    initialized_ = true;
    Form_Initialize();
  }
  // No CS_DBLCLKS: a quick second click stays a click, as on the classic faces.
  if (!RegisterWindowClass(kClassName, &Form::WndProc, CS_HREDRAW | CS_VREDRAW)) return false;
  DWORD style, ex;
  StylesOf(border_, style, ex);
  RECT r{0, 0, PixelsX(widthTwips_), PixelsY(heightTwips_)};
  ::AdjustWindowRectEx(&r, style, FALSE, ex);
  HWND h = ::CreateWindowExA(ex, kClassName, caption_.c_str(), style, PixelsX(leftTwips_), PixelsY(topTwips_),
                             r.right - r.left, r.bottom - r.top, nullptr, nullptr, ::GetModuleHandleA(nullptr), this);
  if (!h) return false;
  if (iconId_) SetIconResource(iconId_);
  for (ChildControl* c : children_) c->CreateIn(h);
  Form_Load();
  return hwnd_ != nullptr;
}

void Form::Show() {
  if (!Load()) return;
  ::ShowWindow(hwnd_, SW_SHOWNORMAL);
  ::UpdateWindow(hwnd_);
}

void Form::ShowModal() {
  const HWND owner = ModalOwnerFor(hwnd_);
  if (!Load()) return;
  if (owner) SetOwner(hwnd_, owner);
  ModalDisable m{hwnd_, {}};
  ::EnumThreadWindows(::GetCurrentThreadId(), &DisableOthers, reinterpret_cast<LPARAM>(&m));
  modalDisabled_ = std::move(m.disabled);
  Show();
  if (hwnd_) ::SetActiveWindow(hwnd_);
  MSG msg;
  while (hwnd_ && ::IsWindowVisible(hwnd_)) {
    PictureBox::PresentPending();
    BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (got == -1) break;
    if (PreviewMessage(msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
  EnableModalDisabled();
  // Hidden, it belongs to no one until it is shown modally again.
  if (hwnd_) SetOwner(hwnd_, nullptr);
}

void Form::EnableModalDisabled() {
  for (HWND w : std::exchange(modalDisabled_, {}))
    if (::IsWindow(w)) ::EnableWindow(w, TRUE);
}

void Form::Hide() {
  // Enabled first: the system passes the activation to the owner only if
  // it can take it.
  EnableModalDisabled();
  if (hwnd_) ::ShowWindow(hwnd_, SW_HIDE);
}

bool Form::AskUnload(int unloadMode) {
  int cancel = 0;
  Form_QueryUnload(cancel, unloadMode);
  if (cancel) return false;
  Form_Unload(cancel);
  return cancel == 0;
}

bool Form::Unload() {
  if (!hwnd_) return true;
  if (!AskUnload(vbFormCode)) return false;
  DestroyWindowNow();
  return true;
}

void Form::DestroyWindowNow() {
  EnableModalDisabled();  // as in Hide: before the window goes
  if (hwnd_) ::DestroyWindow(hwnd_);
  hwnd_ = nullptr;
  pressed_ = nullptr;
  ForgetInvalid();
}

void Form::Refresh() {
  if (!hwnd_) return;
  ForgetInvalid();
  ::InvalidateRect(hwnd_, nullptr, FALSE);
  ::UpdateWindow(hwnd_);
}

void Form::ForgetInvalid() {
  if (frameTimer_ && hwnd_) ::KillTimer(hwnd_, kFrameTimerId);
  frameTimer_ = false;
  ::SetRectEmpty(&invalid_);
}

void Form::FlushInvalid() {
  if (frameTimer_) ::KillTimer(hwnd_, kFrameTimerId);
  frameTimer_ = false;
  lastFlush_ = ::GetTickCount();
  if (!::IsRectEmpty(&invalid_)) ::InvalidateRect(hwnd_, &invalid_, FALSE);
  ::SetRectEmpty(&invalid_);
}

void Form::Invalidate(const RECT& pixels) {
  if (!hwnd_ || ::IsRectEmpty(&pixels)) return;
  RECT joined;
  ::UnionRect(&joined, &invalid_, &pixels);
  invalid_ = joined;
  if (frameTimer_) return;  // the timer hands it over
  const DWORD since = ::GetTickCount() - lastFlush_;  // right across a wrap too
  if (since >= kRepaintFrameMs) return FlushInvalid();
  // Soon after the last repaint: wait for the rest of the frame. Without a
  // timer the change goes to the window at once.
  if (::SetTimer(hwnd_, kFrameTimerId, static_cast<UINT>(kRepaintFrameMs - since), nullptr) == 0) return FlushInvalid();
  frameTimer_ = true;
}

void Form::RenderFace(HDC dc) {
  RECT client{0, 0, PixelsX(widthTwips_), PixelsY(heightTwips_)};
  if (hwnd_) ::GetClientRect(hwnd_, &client);
  RenderFace(dc, client);
}

void Form::RenderFace(HDC dc, const RECT& clip) {
  RECT client{0, 0, PixelsX(widthTwips_), PixelsY(heightTwips_)};
  if (hwnd_) ::GetClientRect(hwnd_, &client);
  RECT area;
  if (!::IntersectRect(&area, &client, &clip)) return;
  const int saved = ::SaveDC(dc);
  ::IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
  Brush back(::CreateSolidBrush(backColor_));
  if (back) ::FillRect(dc, &area, back.get());
  picture_.Draw(dc, 0, 0, picture_.width(), picture_.height());
  // Bottom first: the first-created control ends on top.
  for (auto it = faceControls_.rbegin(); it != faceControls_.rend(); ++it) {
    if (!(*it)->Visible()) continue;
    RECT r = (*it)->PixelRect(), common;
    if (::IntersectRect(&common, &r, &area)) (*it)->Paint(dc);
  }
  if (saved) ::RestoreDC(dc, saved);
}

FaceControl* Form::HitTest(POINT pt) const {
  for (FaceControl* c : faceControls_) {
    if (!c->Visible()) continue;
    RECT r = c->PixelRect();
    if (::PtInRect(&r, pt)) return c->Enabled() ? c : nullptr;
  }
  return nullptr;
}

ChildControl* Form::ChildOwning(HWND window) const {
  if (!window) return nullptr;
  for (ChildControl* c : children_)
    if (c->Owns(window)) return c;
  return nullptr;
}

int Form::RouteKeyPress(int keyAscii) {
  Form_KeyPress(keyAscii);
  return keyAscii;
}

Form* Form::FromWindow(HWND hwnd) {
  return hwnd ? static_cast<Form*>(::GetPropA(hwnd, kFormProp)) : nullptr;
}

bool Form::PreviewMessage(MSG& msg) {
  if (msg.message != WM_CHAR || !msg.hwnd) return false;
  HWND root = ::GetAncestor(msg.hwnd, GA_ROOT);
  if (root == msg.hwnd) return false;  // the form's own characters come through WM_CHAR
  Form* f = FromWindow(root);
  if (!f || !f->KeyPreview) return false;
  int k = f->RouteKeyPress(static_cast<int>(msg.wParam));
  if (k == 0) return true;
  msg.wParam = static_cast<WPARAM>(k);
  return false;
}

LRESULT CALLBACK Form::WndProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* f = static_cast<Form*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
    if (!::SetPropA(h, kFormProp, f)) return FALSE;
    f->hwnd_ = h;
  }
  Form* f = FromWindow(h);
  if (!f) return ::DefWindowProcA(h, msg, wp, lp);
  return f->Handle(msg, wp, lp);
}

void Form::OnPaint() {
  PaintScope paint(hwnd_);
  RECT client;
  ::GetClientRect(hwnd_, &client);
  if ((back_.width() != client.right || back_.height() != client.bottom) &&
      !back_.Resize(client.right, client.bottom, backColor_, false)) {
    RenderFace(paint.get());  // no off-screen bitmap: paint directly
    return;
  }
  RenderFace(back_.dc(), paint.area());
  back_.CopyTo(paint.get(), paint.area());
}

void Form::OnMouse(UINT msg, WPARAM wp, LPARAM lp) {
  POINT pt{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
  int shift = ShiftState();
  auto relative = [&](FaceControl* c, float& x, float& y) {
    RECT r = c->PixelRect();
    x = static_cast<float>(TwipsX(pt.x - r.left));
    y = static_cast<float>(TwipsY(pt.y - r.top));
  };
  float fx = static_cast<float>(TwipsX(pt.x)), fy = static_cast<float>(TwipsY(pt.y));
  float x, y;
  int button = 0;
  switch (msg) {
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: button = vbLeftButton; break;
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: button = vbRightButton; break;
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: button = vbMiddleButton; break;
    default: button = ButtonsHeld(wp); break;
  }
  switch (msg) {
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN: {
      FaceControl* c = HitTest(pt);
      if (!c) {
        Form_MouseDown(button, shift, fx, fy);
        return;
      }
      pressed_ = c;
      ::SetCapture(hwnd_);
      relative(c, x, y);
      if (c->MouseDown) c->MouseDown(button, shift, x, y);
      return;
    }
    case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP: {
      FaceControl* c = pressed_;
      if (c) {
        pressed_ = nullptr;
        ::ReleaseCapture();
        relative(c, x, y);
        if (c->MouseUp) c->MouseUp(button, shift, x, y);
        // A click is a left press and release on the same control.
        if (button == vbLeftButton && hwnd_ && HitTest(pt) == c && c->Click) c->Click();
        return;
      }
      c = HitTest(pt);
      if (c) {
        relative(c, x, y);
        if (c->MouseUp) c->MouseUp(button, shift, x, y);
      } else {
        Form_MouseUp(button, shift, fx, fy);
      }
      return;
    }
    default: {  // WM_MOUSEMOVE
      FaceControl* c = pressed_ ? pressed_ : HitTest(pt);
      if (!c) {
        Form_MouseMove(button, shift, fx, fy);
        return;
      }
      relative(c, x, y);
      if (c->MouseMove) c->MouseMove(button, shift, x, y);
      return;
    }
  }
}

bool Form::OnSetCursor(WPARAM wp, LPARAM lp) {
  if (ApplyProgramPointer()) return true;
  HWND under = reinterpret_cast<HWND>(wp);
  if (under != hwnd_) {
    // A child window asks its parent first (DefWindowProc): a control's own
    // pointer over its client area.
    ChildControl* child = ChildOwning(under);
    if (!child || !child->MouseIcon() || LOWORD(lp) != HTCLIENT) return false;
    ::SetCursor(child->MouseIcon());
    return true;
  }
  if (LOWORD(lp) != HTCLIENT) return false;
  POINT pt;
  if (!::GetCursorPos(&pt) || !::ScreenToClient(hwnd_, &pt)) return false;
  FaceControl* c = HitTest(pt);
  ::SetCursor(c && c->MouseIcon() ? c->MouseIcon() : ::LoadCursorA(nullptr, IDC_ARROW));
  return true;
}

LRESULT Form::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  HWND h = hwnd_;
  switch (msg) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: OnPaint(); return 0;
    case WM_PRINTCLIENT: RenderFace(reinterpret_cast<HDC>(wp)); return 0;
    case WM_TIMER:
      if (wp != kFrameTimerId) break;
      if (frameTimer_) FlushInvalid();
      ::KillTimer(h, kFrameTimerId);
      return 0;
    case WM_SETCURSOR:
      if (OnSetCursor(wp, lp)) return TRUE;
      break;
    case WM_MOUSEMOVE: case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_RBUTTONDOWN:
    case WM_RBUTTONUP: case WM_MBUTTONDOWN: case WM_MBUTTONUP:
      OnMouse(msg, wp, lp);
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lp) != h) pressed_ = nullptr;
      return 0;
    case WM_CHAR: {
      int k = static_cast<int>(wp);
      Form_KeyPress(k);
      return 0;
    }
    case WM_COMMAND:
      if (ChildControl* c = ChildOwning(reinterpret_cast<HWND>(lp))) {
        c->OnCommand(HIWORD(wp));
        return 0;
      }
      break;
    case WM_CTLCOLOREDIT: case WM_CTLCOLORSTATIC: case WM_CTLCOLORBTN:
      if (ChildControl* c = ChildOwning(reinterpret_cast<HWND>(lp)))
        if (HBRUSH brush = c->OnCtlColor(reinterpret_cast<HDC>(wp))) return reinterpret_cast<LRESULT>(brush);
      break;
    case WM_CLOSE:
      if (AskUnload(vbFormControlMenu)) DestroyWindowNow();
      return 0;
    case WM_DESTROY:
      for (ChildControl* c : children_) c->ParentDestroyed();
      break;
    case WM_NCDESTROY:
      ::RemovePropA(h, kFormProp);
      if (hwnd_ == h) {
        hwnd_ = nullptr;
        frameTimer_ = false;
        ::SetRectEmpty(&invalid_);
      }
      break;
    default: break;
  }
  return ::DefWindowProcA(h, msg, wp, lp);
}

// --- controls

FaceControl::FaceControl(Form& form) : form_(form) { form_.faceControls_.push_back(this); }

FaceControl::~FaceControl() {
  auto& v = form_.faceControls_;
  v.erase(std::remove(v.begin(), v.end(), this), v.end());
  if (form_.pressed_ == this) form_.pressed_ = nullptr;
  if (visible_) Invalidate();
}

RECT FaceControl::PixelRect() const {
  int l = PixelsX(left_), t = PixelsY(top_);
  return RECT{l, t, l + PixelsX(width_), t + PixelsY(height_)};
}

void FaceControl::Invalidate() const { form_.Invalidate(PixelRect()); }

void FaceControl::Move(double left, double top) { Move(left, top, width_, height_); }

void FaceControl::Move(double left, double top, double width, double height) {
  if (visible_) Invalidate();
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  if (visible_) Invalidate();
}

void FaceControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Invalidate();
}

ChildControl::ChildControl(Form& form) : form_(form) { form_.children_.push_back(this); }

bool ChildControl::Owns(HWND window) const {
  HWND own = hwnd();
  return own && window && (window == own || ::IsChild(own, window));
}

ChildControl::~ChildControl() {
  auto& v = form_.children_;
  v.erase(std::remove(v.begin(), v.end(), this), v.end());
}

}  // namespace tk
