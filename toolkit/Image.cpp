#include "toolkit/Image.h"

#include "toolkit/Screen.h"

namespace tk {

void Image::SetPicture(Picture picture) {
  picture_ = std::move(picture);
  if (picture_.empty()) {
    if (Visible()) Invalidate();
    return;
  }
  Move(Left(), Top(), TwipsX(picture_.width()), TwipsY(picture_.height()));
}

bool Image::LoadPicture(int bitmapResourceId) {
  Picture p = Picture::FromBitmapResource(bitmapResourceId);
  if (p.empty()) return false;
  SetPicture(std::move(p));
  return true;
}

void Image::Paint(HDC dc) {
  RECT r = PixelRect();
  picture_.Draw(dc, r.left, r.top, r.right - r.left, r.bottom - r.top);
}

}  // namespace tk
