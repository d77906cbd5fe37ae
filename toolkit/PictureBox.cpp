#include "toolkit/PictureBox.h"

#include <algorithm>

#include "toolkit/Frames.h"
#include "toolkit/Screen.h"

namespace tk {
namespace {

constexpr char kClassName[] = "VelmarindPictureBox";

DWORD ExStyleOf(int borderStyle) { return borderStyle ? WS_EX_CLIENTEDGE : 0; }

// The raster operation of PatBlt that does with a brush what the binary
// raster operation rop2 does with a pen: bit (2 * pen + dest) of rop2 - 1 is
// the result for that pen and destination bit.
DWORD PatternRop(int rop2) {
  if (rop2 < R2_BLACK || rop2 > R2_WHITE) rop2 = R2_COPYPEN;
  switch (rop2) {
    case R2_BLACK: return BLACKNESS;
    case R2_NOT: return DSTINVERT;
    case R2_XORPEN: return PATINVERT;
    case R2_COPYPEN: return PATCOPY;
    case R2_WHITE: return WHITENESS;
    default: break;
  }
  unsigned table = static_cast<unsigned>(rop2 - 1), index = 0;
  for (int bit = 0; bit < 8; ++bit) {
    unsigned pen = (0xF0u >> bit) & 1u, dest = (0xAAu >> bit) & 1u;
    index |= ((table >> (pen * 2 + dest)) & 1u) << bit;
  }
  return index << 16;
}

}  // namespace

namespace {
// The boxes drawn since the event loops last presented them.
std::vector<PictureBox*>& PendingBoxes() {
  static std::vector<PictureBox*> boxes;
  return boxes;
}

// When the boxes were last shown, and the timer that shows them next.
struct Presenting {
  DWORD last = 0;
  UINT_PTR timer = 0;
};
Presenting& ThePresenting() {
  static Presenting presenting;
  return presenting;
}
}  // namespace

PictureBox::PictureBox(Form& form) : ChildControl(form) { Touch(); }

void PictureBox::Touch() {
  static uint64_t last = 0;
  revision_ = ++last;
}

PictureBox::~PictureBox() {
  auto& pending = PendingBoxes();
  pending.erase(std::remove(pending.begin(), pending.end(), this), pending.end());
  if (hwnd_) ::DestroyWindow(hwnd_);
}

bool PictureBox::CreateIn(HWND parent) {
  if (!RegisterWindowClass(kClassName, &PictureBox::WndProc, 0)) return false;
  clientWidth_ = -1;
  presented_.clear();
  Touch();
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (visible_ ? WS_VISIBLE : 0);
  HWND h = ::CreateWindowExA(ExStyleOf(borderStyle_), kClassName, "", style, PixelsX(left_), PixelsY(top_),
                             PixelsX(width_), PixelsY(height_), parent, nullptr, ::GetModuleHandleA(nullptr), this);
  if (!h) return false;
  // Above the children created before it, as every windowed control.
  ::SetWindowPos(h, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EnsureCanvas();
  return true;
}

LRESULT CALLBACK PictureBox::WndProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* box = static_cast<PictureBox*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
    ::SetWindowLongPtrA(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(box));
    box->hwnd_ = h;
  }
  auto* box = reinterpret_cast<PictureBox*>(::GetWindowLongPtrA(h, GWLP_USERDATA));
  if (!box) return ::DefWindowProcA(h, msg, wp, lp);
  switch (msg) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
      PaintScope paint(h);
      box->EnsureCanvas();
      box->canvas_.CopyTo(paint.get(), paint.area());
      return 0;
    }
    case WM_PRINTCLIENT: {
      RECT r;
      ::GetClientRect(h, &r);
      box->canvas_.CopyTo(reinterpret_cast<HDC>(wp), r);
      return 0;
    }
    case WM_SIZE:
      box->clientWidth_ = -1;
      box->EnsureCanvas();
      break;
    case WM_NCDESTROY:
      box->clientWidth_ = -1;
      box->presented_.clear();
      box->Touch();
      ::SetWindowLongPtrA(h, GWLP_USERDATA, 0);
      if (box->hwnd_ == h) box->hwnd_ = nullptr;
      break;
    default: break;
  }
  return ::DefWindowProcA(h, msg, wp, lp);
}

void PictureBox::ClientPixels(int& w, int& h) const {
  // Every drawing call asks for the size: keep it until the window's size or
  // frame changes.
  if (hwnd_ && clientWidth_ >= 0) {
    w = clientWidth_;
    h = clientHeight_;
    return;
  }
  RECT r;
  if (hwnd_ && ::GetClientRect(hwnd_, &r)) {
    w = clientWidth_ = r.right;
    h = clientHeight_ = r.bottom;
    return;
  }
  int edgeX = borderStyle_ ? ::GetSystemMetrics(SM_CXEDGE) : 0;
  int edgeY = borderStyle_ ? ::GetSystemMetrics(SM_CYEDGE) : 0;
  w = std::max(PixelsX(width_) - 2 * edgeX, 0);
  h = std::max(PixelsY(height_) - 2 * edgeY, 0);
}

bool PictureBox::EnsureCanvas() {
  int w, h;
  ClientPixels(w, h);
  if (!canvas_.empty() && canvas_.width() == std::max(w, 1) && canvas_.height() == std::max(h, 1)) return true;
  Touch();
  return canvas_.Resize(w, h, backColor_, true);
}

double PictureBox::ScaleWidth() const {
  int w, h;
  ClientPixels(w, h);
  return TwipsX(w);
}

double PictureBox::ScaleHeight() const {
  int w, h;
  ClientPixels(w, h);
  return TwipsY(h);
}

void PictureBox::Changed() {
  Touch();
  if (!hwnd_ || presentPending_) return;
  presentPending_ = true;
  PendingBoxes().push_back(this);
}

bool PictureBox::PixelsChangedSincePresented() {
  if (canvas_.empty()) return true;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = canvas_.width();
  info.bmiHeader.biHeight = -canvas_.height();
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  std::vector<Color> pixels(static_cast<size_t>(canvas_.width()) * static_cast<size_t>(canvas_.height()));
  HBITMAP bitmap = static_cast<HBITMAP>(::GetCurrentObject(canvas_.dc(), OBJ_BITMAP));
  if (!bitmap || ::GetDIBits(canvas_.dc(), bitmap, 0, static_cast<UINT>(canvas_.height()), pixels.data(), &info,
                             DIB_RGB_COLORS) == 0)
    return true;
  if (pixels == presented_) return false;
  presented_ = std::move(pixels);
  return true;
}

void PictureBox::PresentPending() {
  Presenting& presenting = ThePresenting();
  if (PendingBoxes().empty() || presenting.timer) return;  // nothing new, or the timer shows it
  const DWORD since = ::GetTickCount() - presenting.last;  // right across a wrap too
  if (since >= kRepaintFrameMs) return PresentNow();
  // Soon after the last showing: wait for the rest of the frame. Without a
  // timer the drawing is shown at once.
  presenting.timer = ::SetTimer(nullptr, 0, static_cast<UINT>(kRepaintFrameMs - since), &PictureBox::PresentTimer);
  if (!presenting.timer) PresentNow();
}

void CALLBACK PictureBox::PresentTimer(HWND, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(nullptr, id);
  if (ThePresenting().timer == id) PresentNow();
}

void PictureBox::PresentNow() {
  Presenting& presenting = ThePresenting();
  if (presenting.timer) ::KillTimer(nullptr, presenting.timer);
  presenting.timer = 0;
  presenting.last = ::GetTickCount();
  std::vector<PictureBox*> boxes;
  boxes.swap(PendingBoxes());
  for (PictureBox* box : boxes) {
    box->presentPending_ = false;
    if (box->hwnd_ && box->PixelsChangedSincePresented()) ::InvalidateRect(box->hwnd_, nullptr, FALSE);
  }
}

void PictureBox::Move(double left, double top, double width, double height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  clientWidth_ = -1;
  if (hwnd_) ::SetWindowPos(hwnd_, nullptr, PixelsX(left), PixelsY(top), PixelsX(width), PixelsY(height), SWP_NOZORDER | SWP_NOACTIVATE);
  EnsureCanvas();
  Changed();
}

void PictureBox::SetBorderStyle(int style) {
  style = style ? 1 : 0;
  if (style == borderStyle_) return;
  borderStyle_ = style;
  clientWidth_ = -1;
  if (hwnd_) {
    ::SetWindowLongPtrA(hwnd_, GWL_EXSTYLE, static_cast<LONG_PTR>(ExStyleOf(style)));
    ::SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  }
  EnsureCanvas();
  Changed();
}

void PictureBox::SetVisible(bool visible) {
  visible_ = visible;
  if (hwnd_) ::ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
}

void PictureBox::SetBackColor(Color color) {
  backColor_ = color;
  Cls();
}

void PictureBox::SetFont(const FontSpec& font) {
  font_ = font;
  hfont_.reset();
  Touch();
}

HFONT PictureBox::FontHandle() {
  if (!hfont_) hfont_ = CreateFontOf(font_);
  return hfont_.get();
}

void PictureBox::Cls() {
  currentX_ = currentY_ = 0;
  if (!EnsureCanvas()) return;
  canvas_.Fill(RECT{0, 0, canvas_.width(), canvas_.height()}, backColor_);
  Changed();
}

void PictureBox::FillPixels(int l, int t, int r, int b, Color color) {
  if (r <= l || b <= t) return;
  Brush brush(::CreateSolidBrush(color));
  if (!brush) return;
  SelectScope sel(canvas_.dc(), brush.get());
  ::PatBlt(canvas_.dc(), l, t, r - l, b - t, PatternRop(drawMode_));
}

void PictureBox::Line(double x1, double y1, double x2, double y2, Color color, LineStyle style) {
  currentX_ = x2;
  currentY_ = y2;
  if (!EnsureCanvas()) return;
  int px1 = PixelsX(x1), py1 = PixelsY(y1), px2 = PixelsX(x2), py2 = PixelsY(y2);
  HDC dc = canvas_.dc();
  if (style == LineStyle::Line) {
    Pen pen(::CreatePen(PS_SOLID, 1, color));
    if (!pen) return;
    SelectScope sel(dc, pen.get());
    int oldRop = ::SetROP2(dc, drawMode_);
    ::MoveToEx(dc, px1, py1, nullptr);
    ::LineTo(dc, px2, py2);
    ::SetROP2(dc, oldRop);
  } else {
    int l = std::min(px1, px2), r = std::max(px1, px2) + 1;
    int t = std::min(py1, py2), b = std::max(py1, py2) + 1;
    if (style == LineStyle::BoxFilled) {
      FillPixels(l, t, r, b, color);
    } else {
      // Each pixel of the outline once, so that an inverting mode inverts
      // the corners only once.
      FillPixels(l, t, r, t + 1, color);
      if (b - 1 > t) FillPixels(l, b - 1, r, b, color);
      FillPixels(l, t + 1, l + 1, b - 1, color);
      if (r - 1 > l) FillPixels(r - 1, t + 1, r, b - 1, color);
    }
  }
  Changed();
}

void PictureBox::Print(const std::string& text) {
  if (!EnsureCanvas()) return;
  HDC dc = canvas_.dc();
  SelectScope font(dc, FontHandle());
  int oldMode = ::SetBkMode(dc, TRANSPARENT);
  COLORREF oldColor = ::SetTextColor(dc, foreColor_);
  ::TextOutA(dc, PixelsX(currentX_), PixelsY(currentY_), text.c_str(), static_cast<int>(text.size()));
  ::SetTextColor(dc, oldColor);
  ::SetBkMode(dc, oldMode);
  double height = TextHeight(text);
  currentX_ = 0;
  currentY_ += height;
  Changed();
}

double PictureBox::TextWidth(const std::string& text) {
  if (!EnsureCanvas()) return 0;
  SelectScope font(canvas_.dc(), FontHandle());
  SIZE size{};
  if (!::GetTextExtentPoint32A(canvas_.dc(), text.c_str(), static_cast<int>(text.size()), &size)) return 0;
  return TwipsX(size.cx);
}

double PictureBox::TextHeight(const std::string& text) {
  if (!EnsureCanvas()) return 0;
  SelectScope font(canvas_.dc(), FontHandle());
  TEXTMETRICA tm{};
  if (!::GetTextMetricsA(canvas_.dc(), &tm)) return 0;
  return TwipsY(tm.tmHeight + tm.tmExternalLeading);
}

Color PictureBox::Point(double x, double y) const { return canvas_.Pixel(PixelsX(x), PixelsY(y)); }

}  // namespace tk
