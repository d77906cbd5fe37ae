// Owners for GDI resources and the off-screen canvas every window of the
// toolkit paints into before copying to the screen in one step.
#pragma once

#include <cstdint>
#include <utility>

#include "toolkit/Owners.h"
#include "toolkit/Win.h"

namespace tk {

// A colour as the classic runtime keeps it: 0x00BBGGRR, the layout of COLORREF.
using Color = uint32_t;
constexpr Color Rgb(int r, int g, int b) {
  return static_cast<Color>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

// One GDI object (bitmap, font, brush, pen, region), deleted by its owner.
template <class H>
struct GdiTraits {
  using Handle = H;
  static Handle Invalid() { return nullptr; }
  static bool Close(Handle h) { return ::DeleteObject(h) != 0; }
};
template <class Handle>
using GdiObject = Owned<GdiTraits<Handle>>;

using Bitmap = GdiObject<HBITMAP>;
using FontHandle = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;
using Region = GdiObject<HRGN>;

// A window's DC from GetDC, released on scope exit.
class WindowDC {
 public:
  explicit WindowDC(HWND hwnd) : hwnd_(hwnd), dc_(::GetDC(hwnd)) {}
  ~WindowDC() {
    if (dc_) ::ReleaseDC(hwnd_, dc_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// BeginPaint/EndPaint as a scope.
class PaintScope {
 public:
  explicit PaintScope(HWND hwnd) : hwnd_(hwnd) { dc_ = ::BeginPaint(hwnd, &ps_); }
  ~PaintScope() { ::EndPaint(hwnd_, &ps_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  HDC get() const { return dc_; }
  const RECT& area() const { return ps_.rcPaint; }

 private:
  HWND hwnd_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

// Selects an object into a DC and puts the previous one back on scope exit.
class SelectScope {
 public:
  SelectScope(HDC dc, HGDIOBJ obj) : dc_(dc), old_(obj ? ::SelectObject(dc, obj) : nullptr) {}
  ~SelectScope() {
    if (old_) ::SelectObject(dc_, old_);
  }
  SelectScope(const SelectScope&) = delete;
  SelectScope& operator=(const SelectScope&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// An off-screen 32-bit bitmap with its own memory DC. Empty (no DC) until
// Resize succeeds; every drawing call on an empty canvas does nothing.
class Canvas {
 public:
  Canvas() = default;
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  // Makes the canvas width x height pixels. With keep, the old pixels stay
  // at the top-left corner and new area gets fill; otherwise all is fill.
  // Returns false (canvas left as it was) when GDI cannot give the bitmap.
  bool Resize(int width, int height, Color fill, bool keep);

  HDC dc() const { return dc_; }
  int width() const { return width_; }
  int height() const { return height_; }
  bool empty() const { return dc_ == nullptr; }

  void Fill(const RECT& r, Color color);
  // The pixel at (x, y), or -1 (as an unsigned colour: 0xFFFFFFFF) outside.
  Color Pixel(int x, int y) const;
  // Becomes a copy of what the window's client area shows now (as read back
  // from its DC); false when it cannot.
  bool CaptureClient(HWND hwnd);
  // Copies the area r of the canvas to the same place of dest.
  void CopyTo(HDC dest, const RECT& r) const;

 private:
  void Release();
  HDC dc_ = nullptr;
  Bitmap bitmap_;
  HGDIOBJ oldBitmap_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace tk
