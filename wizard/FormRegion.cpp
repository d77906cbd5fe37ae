#include "wizard/FormRegion.h"

#include <utility>

#include "toolkit/Numbers.h"

namespace FormRegion {

namespace {

Piece RoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t ellipseWidth,
                int32_t ellipseHeight) {
  return {PieceKind::RoundRectangle, {{left, top}, {right, bottom}}, ellipseWidth, ellipseHeight};
}

Piece Rect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  return {PieceKind::Rectangle, {{left, top}, {right, bottom}}};
}

Piece Poly(std::vector<Point> vertices) { return {PieceKind::Polygon, std::move(vertices)}; }

const Outline& WizardOutline() {
  static const Outline outline = {
      RoundRect(0, 4, 547, 343, 26, 12),   // the main panel
      RoundRect(0, 332, 212, 405, 24, 22),  // the logo tab
      Rect(0, 300, 52, 356),                // where panel and tab meet on the left
      Poly({{249, 326}, {199, 350}, {213, 311}, {248, 326}, {247, 326}}),
      Poly({{205, 350}, {223, 331}, {223, 331}, {187, 329}, {202, 347}, {205, 349}, {205, 352}}),
      Poly({{255, 321}, {197, 343}, {198, 343}, {272, 332}, {255, 321}, {254, 321}, {250, 321}}),
      Poly({{506, 128}, {506, 128}}),
      Poly({{241, 332}, {192, 354}, {191, 354}, {206, 286}, {242, 334}}),
      Poly({{216, 340}, {200, 359}, {200, 359}, {198, 325}, {216, 339}}),
      Poly({{-2620, -2466}, {-2620, -2466}}),
  };
  return outline;
}

const Outline& QuitOutline() {
  static const Outline outline = {RoundRect(0, 1, 350, 379, 30, 32)};
  return outline;
}

// c * scale * 15 / twipsPerPixel + offset, rounded half to even.
bool ScaleValue(int32_t c, float scale, int twipsPerPixel, int offset, int32_t& out) {
  const double value =
      static_cast<double>(c) * static_cast<double>(scale) * 15.0 / twipsPerPixel + offset;
  return tk::ToInt32(value, out);
}

}  // namespace

const Outline& DesignOutline(ShapedWindow window) {
  return window == ShapedWindow::FrmSetup ? WizardOutline() : QuitOutline();
}

bool ScaleOutline(const Outline& design, const Scaling& s, Outline& scaled) {
  if (s.twipsPerPixelX <= 0 || s.twipsPerPixelY <= 0) return false;
  Outline result = design;
  for (Piece& piece : result) {
    for (Point& p : piece.points) {
      if (!ScaleValue(p.x, s.ScaleX, s.twipsPerPixelX, s.OffX, p.x) ||
          !ScaleValue(p.y, s.ScaleY, s.twipsPerPixelY, s.OffY, p.y))
        return false;
    }
    if (!ScaleValue(piece.ellipseWidth, s.ScaleX, s.twipsPerPixelX, 0, piece.ellipseWidth) ||
        !ScaleValue(piece.ellipseHeight, s.ScaleY, s.twipsPerPixelY, 0, piece.ellipseHeight))
      return false;
  }
  scaled = std::move(result);
  return true;
}

}  // namespace FormRegion
