#include <gtest/gtest.h>

#include "wizard/FormRegion.h"

using namespace FormRegion;

namespace {

Outline Scaled(ShapedWindow window, const Scaling& scaling) {
  Outline out;
  EXPECT_TRUE(ScaleOutline(DesignOutline(window), scaling, out));
  return out;
}

}  // namespace

TEST(FormRegionScaling, FifteenTwipsKeepTheDesignAndTwelveGrowItByAQuarter) {
  for (ShapedWindow w : {ShapedWindow::FrmSetup, ShapedWindow::FrmQuit})
    EXPECT_EQ(Scaled(w, {}), DesignOutline(w));

  const Outline at12 = Scaled(ShapedWindow::FrmSetup, {1, 1, 0, 0, 12, 12});
  ASSERT_EQ(at12.size(), 10u);
  const Piece panel{PieceKind::RoundRectangle, {{0, 5}, {684, 429}}, 32, 15};
  EXPECT_EQ(at12[0], panel);
  const Piece tab{PieceKind::RoundRectangle, {{0, 415}, {265, 506}}, 30, 28};  // 27.5 -> 28
  EXPECT_EQ(at12[1], tab);
  // Negative halves also go to the even neighbour: -2466 * 1.25 = -3082.5.
  EXPECT_EQ(at12[9].points[0], (Point{-3275, -3082}));

  // Each axis has its own scale; the offsets move points, not corner sizes.
  const Outline mixed = Scaled(ShapedWindow::FrmQuit, {2, 0.5f, 10, -3, 15, 12});
  const Piece dialog{PieceKind::RoundRectangle, {{10, -2}, {710, 234}}, 60, 20};
  EXPECT_EQ(mixed[0], dialog);
}

TEST(FormRegionScaling, AValueBeyond32BitsFailsAndLeavesTheOutputAlone) {
  const Outline before = {Piece{PieceKind::Rectangle, {{1, 2}, {3, 4}}}};
  const Scaling failing[] = {
      {1e7f, 1, 0, 0, 15, 15},   // 547 * 1e7 pixels
      {1, -1e8f, 0, 0, 15, 15},
      {1, 1, 0, 0, 0, 15},       // no twips per pixel
  };
  for (const Scaling& s : failing) {
    Outline out = before;
    EXPECT_FALSE(ScaleOutline(DesignOutline(ShapedWindow::FrmSetup), s, out));
    EXPECT_EQ(out, before);
  }
}
