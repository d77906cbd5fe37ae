#include <gtest/gtest.h>

#include "toolkit/Screen.h"
#include "wizard/FormRegionWin.h"

using namespace FormRegion;

namespace {

RECT Box(const tk::Region& r) {
  RECT box{};
  EXPECT_NE(::GetRgnBox(r.get(), &box), ERROR);
  return box;
}

void ExpectBox(const tk::Region& r, LONG left, LONG top, LONG right, LONG bottom) {
  const RECT box = Box(r);
  EXPECT_EQ(box.left, left);
  EXPECT_EQ(box.top, top);
  EXPECT_EQ(box.right, right);
  EXPECT_EQ(box.bottom, bottom);
}

bool In(const tk::Region& r, int x, int y) { return ::PtInRegion(r.get(), x, y) != 0; }

// The wizard's outline without its two single-point polygons.
Outline WithoutPointPolygons(const Outline& outline) {
  Outline kept;
  for (size_t i = 0; i < outline.size(); ++i)
    if (i != 6 && i != 9) kept.push_back(outline[i]);
  return kept;
}

}  // namespace

TEST(FormRegionWin, WizardOutlineAtFifteenTwipsPerPixel) {
  tk::Region outline = MakeFormRegion(ShapedWindow::FrmSetup, 1, 1, 0, 0, 15, 15);
  ASSERT_TRUE(outline);
  // A rounded rectangle's region stops one pixel short of its right and
  // bottom edges, as Windows builds it.
  ExpectBox(outline, 0, 4, 546, 404);

  EXPECT_TRUE(In(outline, 300, 200));   // the panel
  EXPECT_TRUE(In(outline, 545, 170));   // its right edge, away from the corners
  EXPECT_FALSE(In(outline, 546, 170));
  EXPECT_FALSE(In(outline, 300, 3));    // above the panel
  EXPECT_FALSE(In(outline, 0, 4));      // cut off by the panel's rounded corners
  EXPECT_FALSE(In(outline, 546, 4));
  EXPECT_FALSE(In(outline, 546, 342));
  EXPECT_TRUE(In(outline, 100, 380));   // the logo tab
  EXPECT_TRUE(In(outline, 0, 340));     // the left edge where panel and tab meet
  EXPECT_FALSE(In(outline, 211, 404));  // the tab's rounded lower corner
  EXPECT_TRUE(In(outline, 213, 343));   // the curved join right of the tab
  EXPECT_FALSE(In(outline, 300, 380));  // the gap right of the tab below the panel
  EXPECT_FALSE(In(outline, 400, 350));

  // The two single-point polygons add nothing, here and when scaled.
  for (int tpp : {15, 12}) {
    Outline scaled;
    ASSERT_TRUE(ScaleOutline(DesignOutline(ShapedWindow::FrmSetup), {1, 1, 0, 0, tpp, tpp}, scaled));
    tk::Region full = BuildRegion(scaled);
    tk::Region reduced = BuildRegion(WithoutPointPolygons(scaled));
    ASSERT_TRUE(full && reduced);
    EXPECT_TRUE(::EqualRgn(full.get(), reduced.get())) << tpp;
  }
  // Without the join polygons the point right of the tab is outside.
  Outline basic(DesignOutline(ShapedWindow::FrmSetup).begin(),
                DesignOutline(ShapedWindow::FrmSetup).begin() + 3);
  tk::Region withoutJoin = BuildRegion(basic);
  EXPECT_FALSE(In(withoutJoin, 213, 343));
  EXPECT_FALSE(::EqualRgn(withoutJoin.get(), outline.get()));
}

TEST(FormRegionWin, WizardOutlineAtTwelveTwipsPerPixelAndWithOffsets) {
  tk::Region outline = MakeFormRegion(ShapedWindow::FrmSetup, 1, 1, 0, 0, 12, 12);
  ASSERT_TRUE(outline);
  ExpectBox(outline, 0, 5, 683, 505);
  EXPECT_TRUE(In(outline, 125, 475));   // the tab, a quarter further down
  EXPECT_FALSE(In(outline, 375, 475));  // the gap beside it
  EXPECT_TRUE(In(outline, 266, 429));   // the join, scaled

  tk::Region moved = MakeFormRegion(ShapedWindow::FrmSetup, 1, 1, 20, -4, 15, 15);
  ASSERT_TRUE(moved);
  ExpectBox(moved, 20, 0, 566, 400);
  tk::Region shifted = MakeFormRegion(ShapedWindow::FrmSetup, 1, 1, 0, 0, 15, 15);
  ASSERT_NE(::OffsetRgn(shifted.get(), 20, -4), ERROR);
  EXPECT_TRUE(::EqualRgn(moved.get(), shifted.get()));

  // The screen's own scale is the one used without explicit twips per pixel.
  tk::Region screen = MakeFormRegion(ShapedWindow::FrmSetup, 1, 1, 0, 0);
  tk::Region explicitScale =
      MakeFormRegion(ShapedWindow::FrmSetup, 1, 1, 0, 0, tk::TwipsPerPixelX(), tk::TwipsPerPixelY());
  ASSERT_TRUE(screen && explicitScale);
  EXPECT_TRUE(::EqualRgn(screen.get(), explicitScale.get()));
}

TEST(FormRegionWin, QuitDialogOutlineDropsTheTopRowAndRoundsOnlyTheTop) {
  tk::Region outline = MakeFormRegion(ShapedWindow::FrmQuit, 1, 1, 0, 0, 15, 15);
  ASSERT_TRUE(outline);
  ExpectBox(outline, 0, 1, 349, 378);
  EXPECT_FALSE(In(outline, 175, 0));
  EXPECT_TRUE(In(outline, 175, 1));
  EXPECT_FALSE(In(outline, 1, 2));      // a rounded top corner
  EXPECT_FALSE(In(outline, 348, 2));
  EXPECT_TRUE(In(outline, 0, 361));     // the window's bottom row stays square
  EXPECT_TRUE(In(outline, 348, 361));
}

TEST(FormRegionWin, OutlinesThatCannotBeBuiltGiveNoRegion) {
  EXPECT_FALSE(MakeFormRegion(ShapedWindow::FrmSetup, 1e7f, 1, 0, 0, 15, 15));
  EXPECT_FALSE(MakeFormRegion(ShapedWindow::FrmQuit, 1, 1, 0, 0, 15, 0));
  EXPECT_FALSE(BuildRegion({}));
  EXPECT_FALSE(BuildRegion({Piece{PieceKind::Rectangle, {{1, 2}}}}));
}
