// Pictures, icons and cursors from the program's resources or from files.
#pragma once

#include <memory>
#include <string>

#include "toolkit/Gdi.h"

namespace tk {

// A picture: a bitmap or an icon, shared by every control that shows it and
// freed with the last one. An empty Picture draws nothing.
class Picture {
 public:
  Picture() = default;

  // The bitmap resource id of the program; empty when there is none.
  static Picture FromBitmapResource(int id);
  // The icon resource id at its 32 x 32 size; empty when there is none.
  static Picture FromIconResource(int id);
  // A .bmp file; empty when it cannot be read.
  static Picture FromFile(const std::string& path);
  // Takes ownership of a bitmap (a null handle gives an empty Picture).
  static Picture FromBitmap(HBITMAP owned);

  bool empty() const { return !data_; }
  int width() const;   // pixels
  int height() const;  // pixels

  // Draws the picture with its top-left corner at (x, y), at most w x h pixels.
  void Draw(HDC dc, int x, int y, int w, int h) const;

 private:
  struct Data;
  std::shared_ptr<Data> data_;
};

// A cursor for a control's custom mouse pointer, from a cursor resource, or
// from an icon resource used as a cursor; null when there is neither.
HCURSOR CursorFromResource(int id);

// An icon resource at the given pixel size (shared, never freed); null when
// there is none.
HICON IconFromResource(int id, int size);

}  // namespace tk
