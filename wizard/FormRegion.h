// FormRegion: the outlines of the two shaped windows as data, and their
// scaling to the screen. Portable; FormRegionWin turns an outline into a
// Windows region.
//
// An outline is a list of pieces in design pixels, measured from the
// window's top-left corner, joined in their order. Rectangles exclude their
// right and bottom edges, as the Windows region functions do.
#pragma once

#include <cstdint>
#include <vector>

namespace FormRegion {

enum class PieceKind {
  Rectangle,       // points: (left, top), (right, bottom)
  RoundRectangle,  // the same, with the corner ellipse's width and height
  Polygon,         // points: the vertices in order, filled even-odd
};

struct Point {
  int32_t x = 0;
  int32_t y = 0;
  bool operator==(const Point&) const = default;
};

struct Piece {
  PieceKind kind = PieceKind::Rectangle;
  std::vector<Point> points;
  int32_t ellipseWidth = 0;
  int32_t ellipseHeight = 0;
  bool operator==(const Piece&) const = default;
};

using Outline = std::vector<Piece>;

// The windows that have an outline.
enum class ShapedWindow { FrmSetup, FrmQuit };

// The window's outline as designed (at 15 twips per pixel). The wizard's has
// ten pieces: its main panel, the logo tab below it, a rectangle where the
// two meet on the left, and seven polygons for the curved join right of the
// tab (two of them single points that add nothing). The quit dialog's is one
// rounded rectangle that leaves out the window's top row and runs past its
// bottom edge.
const Outline& DesignOutline(ShapedWindow window);

// How an outline is fitted to the screen.
struct Scaling {
  float ScaleX = 1.0f;
  float ScaleY = 1.0f;
  int16_t OffX = 0;  // pixels
  int16_t OffY = 0;
  int twipsPerPixelX = 15;  // the screen's, as whole numbers
  int twipsPerPixelY = 15;
};

// Scales every coordinate: x becomes x * ScaleX * 15 / twipsPerPixelX + OffX
// and y likewise with the vertical values, computed in double precision and
// rounded to the nearest whole number, halves to even; corner ellipse sizes
// are scaled without the offsets. At 15 twips per pixel with scale 1 and no
// offset every value stays as designed; at 12 each grows by a quarter
// (547 -> 684, 26 -> 32).
// Returns false, `scaled` untouched, when a value does not fit a signed
// 32-bit integer (twips per pixel of 0 included).
bool ScaleOutline(const Outline& design, const Scaling& scaling, Outline& scaled);

}  // namespace FormRegion
