// MakeFormRegion: the Windows region of a shaped window's outline. Windows
// build only.
//
// The region is returned in an owner. The window's Form_Load hands it to the
// window, after which the window system owns it:
//   tk::Region outline = MakeFormRegion(ShapedWindow::FrmSetup, 1, 1, 0, 0);
//   if (outline && ::SetWindowRgn(hwnd, outline.get(), TRUE)) outline.release();
#pragma once

#include <cstdint>

#include "toolkit/Gdi.h"
#include "toolkit/Win.h"
#include "wizard/FormRegion.h"

namespace FormRegion {

// The window's outline scaled by ScaleX and ScaleY and moved by OffX and
// OffY pixels, for the screen's twips per pixel (tk::TwipsPerPixelX/Y).
// An empty owner when a coordinate does not fit 32 bits after scaling or
// Windows refuses a region call; nothing is left behind then.
tk::Region MakeFormRegion(ShapedWindow window, float ScaleX, float ScaleY, int16_t OffX,
                          int16_t OffY);

// The same for given twips per pixel.
tk::Region MakeFormRegion(ShapedWindow window, float ScaleX, float ScaleY, int16_t OffX,
                          int16_t OffY, int twipsPerPixelX, int twipsPerPixelY);

// The region of an outline already in pixels: the first piece copied into
// an empty result, each further piece joined to it in order. An empty owner
// for an empty outline or when Windows refuses a call.
tk::Region BuildRegion(const Outline& outline);

}  // namespace FormRegion
