#include "toolkit/Gdi.h"

#include <algorithm>

namespace tk {

Canvas::~Canvas() { Release(); }

void Canvas::Release() {
  if (dc_) {
    ::SelectObject(dc_, oldBitmap_);
    ::DeleteDC(dc_);
    dc_ = nullptr;
  }
  bitmap_.reset();
  width_ = height_ = 0;
}

bool Canvas::Resize(int width, int height, Color fill, bool keep) {
  width = std::max(width, 1);
  height = std::max(height, 1);
  WindowDC screen(nullptr);
  if (!screen.get()) return false;
  HDC dc = ::CreateCompatibleDC(screen.get());
  if (!dc) return false;
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  Bitmap bmp(::CreateDIBSection(screen.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bmp) {
    ::DeleteDC(dc);
    return false;
  }
  HGDIOBJ old = ::SelectObject(dc, bmp.get());
  RECT all{0, 0, width, height};
  Brush brush(::CreateSolidBrush(fill));
  ::FillRect(dc, &all, brush.get() ? brush.get() : static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  if (keep && dc_) ::BitBlt(dc, 0, 0, std::min(width, width_), std::min(height, height_), dc_, 0, 0, SRCCOPY);
  Release();
  dc_ = dc;
  bitmap_ = std::move(bmp);
  oldBitmap_ = old;
  width_ = width;
  height_ = height;
  return true;
}

void Canvas::Fill(const RECT& r, Color color) {
  if (!dc_) return;
  Brush brush(::CreateSolidBrush(color));
  if (brush) ::FillRect(dc_, &r, brush.get());
}

Color Canvas::Pixel(int x, int y) const {
  if (!dc_ || x < 0 || y < 0 || x >= width_ || y >= height_) return 0xFFFFFFFFu;
  return ::GetPixel(dc_, x, y);
}

bool Canvas::CaptureClient(HWND hwnd) {
  RECT r;
  if (!::GetClientRect(hwnd, &r) || !Resize(r.right, r.bottom, 0, false)) return false;
  WindowDC source(hwnd);
  return source.get() && ::BitBlt(dc_, 0, 0, r.right, r.bottom, source.get(), 0, 0, SRCCOPY);
}

void Canvas::CopyTo(HDC dest, const RECT& r) const {
  if (!dc_) return;
  ::BitBlt(dest, r.left, r.top, r.right - r.left, r.bottom - r.top, dc_, r.left, r.top, SRCCOPY);
}

}  // namespace tk
