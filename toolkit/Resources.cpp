#include "toolkit/Resources.h"

#include <algorithm>

namespace tk {

struct Picture::Data {
  Bitmap bitmap;
  HICON icon = nullptr;  // a shared resource icon: not destroyed
  int width = 0;
  int height = 0;
};

namespace {
HINSTANCE Module() { return ::GetModuleHandleA(nullptr); }
}  // namespace

Picture Picture::FromBitmap(HBITMAP owned) {
  Picture p;
  Bitmap bitmap(owned);
  BITMAP info{};
  if (!bitmap || !::GetObjectA(bitmap.get(), sizeof(info), &info)) return p;
  p.data_ = std::make_shared<Data>();
  p.data_->bitmap = std::move(bitmap);
  p.data_->width = info.bmWidth;
  p.data_->height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
  return p;
}

Picture Picture::FromBitmapResource(int id) {
  return FromBitmap(static_cast<HBITMAP>(
      ::LoadImageA(Module(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

Picture Picture::FromFile(const std::string& path) {
  return FromBitmap(static_cast<HBITMAP>(
      ::LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
}

Picture Picture::FromIconResource(int id) {
  Picture p;
  HICON icon = IconFromResource(id, 32);
  if (!icon) return p;
  p.data_ = std::make_shared<Data>();
  p.data_->icon = icon;
  p.data_->width = p.data_->height = 32;
  return p;
}

int Picture::width() const { return data_ ? data_->width : 0; }
int Picture::height() const { return data_ ? data_->height : 0; }

void Picture::Draw(HDC dc, int x, int y, int w, int h) const {
  if (!data_ || w <= 0 || h <= 0) return;
  if (data_->icon) {
    ::DrawIconEx(dc, x, y, data_->icon, data_->width, data_->height, 0, nullptr, DI_NORMAL);
    return;
  }
  HDC src = ::CreateCompatibleDC(dc);
  if (!src) return;
  {
    SelectScope sel(src, data_->bitmap.get());
    ::BitBlt(dc, x, y, std::min(w, data_->width), std::min(h, data_->height), src, 0, 0, SRCCOPY);
  }
  ::DeleteDC(src);
}

HCURSOR CursorFromResource(int id) {
  HANDLE h = ::LoadImageA(Module(), MAKEINTRESOURCEA(id), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE | LR_SHARED);
  if (!h) h = ::LoadImageA(Module(), MAKEINTRESOURCEA(id), IMAGE_ICON, 32, 32, LR_SHARED);
  return static_cast<HCURSOR>(h);
}

HICON IconFromResource(int id, int size) {
  return static_cast<HICON>(::LoadImageA(Module(), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, LR_SHARED));
}

}  // namespace tk
