#include "wizard/FormRegionWin.h"

#include <vector>

#include "toolkit/Screen.h"

namespace FormRegion {

namespace {

tk::Region CreatePiece(const Piece& piece) {
  switch (piece.kind) {
    case PieceKind::Rectangle:
      if (piece.points.size() != 2) return {};
      return tk::Region(::CreateRectRgn(piece.points[0].x, piece.points[0].y, piece.points[1].x,
                                        piece.points[1].y));
    case PieceKind::RoundRectangle:
      if (piece.points.size() != 2) return {};
      return tk::Region(::CreateRoundRectRgn(piece.points[0].x, piece.points[0].y,
                                             piece.points[1].x, piece.points[1].y,
                                             piece.ellipseWidth, piece.ellipseHeight));
    case PieceKind::Polygon: {
      std::vector<POINT> vertices;
      vertices.reserve(piece.points.size());
      for (const Point& p : piece.points) vertices.push_back(POINT{p.x, p.y});
      return tk::Region(::CreatePolygonRgn(vertices.data(), static_cast<int>(vertices.size()),
                                           ALTERNATE));
    }
  }
  return {};
}

tk::Region EmptyRegion() { return tk::Region(::CreateRectRgn(0, 0, 0, 0)); }

}  // namespace

tk::Region BuildRegion(const Outline& outline) {
  if (outline.empty()) return {};
  tk::Region result = EmptyRegion();
  tk::Region scratch = EmptyRegion();
  if (!result || !scratch) return {};

  tk::Region first = CreatePiece(outline.front());
  if (!first || ::CombineRgn(result.get(), first.get(), nullptr, RGN_COPY) == ERROR) return {};

  for (size_t i = 1; i < outline.size(); ++i) {
    tk::Region piece = CreatePiece(outline[i]);
    // A polygon of fewer than three points encloses nothing: where the system
    // refuses to make a region of it, the outline is the same without it.
    if (!piece && outline[i].kind == PieceKind::Polygon && outline[i].points.size() < 3) continue;
    if (!piece || ::CombineRgn(scratch.get(), result.get(), nullptr, RGN_COPY) == ERROR ||
        ::CombineRgn(result.get(), scratch.get(), piece.get(), RGN_OR) == ERROR)
      return {};
  }
  return result;
}

tk::Region MakeFormRegion(ShapedWindow window, float ScaleX, float ScaleY, int16_t OffX,
                          int16_t OffY, int twipsPerPixelX, int twipsPerPixelY) {
  const Scaling scaling{ScaleX, ScaleY, OffX, OffY, twipsPerPixelX, twipsPerPixelY};
  Outline scaled;
  if (!ScaleOutline(DesignOutline(window), scaling, scaled)) return {};
  return BuildRegion(scaled);
}

tk::Region MakeFormRegion(ShapedWindow window, float ScaleX, float ScaleY, int16_t OffX,
                          int16_t OffY) {
  return MakeFormRegion(window, ScaleX, ScaleY, OffX, OffY, tk::TwipsPerPixelX(),
                        tk::TwipsPerPixelY());
}

}  // namespace FormRegion
