#include <gtest/gtest.h>

#include "wizard/FormRegionWin.h"

using namespace FormRegion;

namespace {

void ExpectBox(const tk::Region& r, RECT expected) {
  RECT box{};
  ASSERT_NE(::GetRgnBox(r.get(), &box), ERROR);
  EXPECT_TRUE(::EqualRect(&box, &expected))
      << box.left << "," << box.top << "," << box.right << "," << box.bottom;
}

bool In(const tk::Region& r, int x, int y) { return ::PtInRegion(r.get(), x, y) != 0; }

}  // namespace

// A rounded rectangle's region stops one pixel short of its right and bottom
// edges, as Windows builds it; the boxes below show that.
TEST(FormRegionWin, WizardOutline) {
  tk::Region outline = MakeFormRegion(ShapedWindow::FrmSetup, 1, 1, 0, 0, 15, 15);
  ASSERT_TRUE(outline);
  ExpectBox(outline, {0, 4, 546, 404});
  EXPECT_TRUE(In(outline, 300, 200));   // the panel
  EXPECT_FALSE(In(outline, 0, 4));      // its rounded corners
  EXPECT_FALSE(In(outline, 545, 342));
  EXPECT_TRUE(In(outline, 100, 380));   // the logo tab
  EXPECT_TRUE(In(outline, 0, 340));     // the left edge where panel and tab meet
  EXPECT_TRUE(In(outline, 213, 343));   // the curved join right of the tab
  EXPECT_FALSE(In(outline, 300, 380));  // the gap right of the tab below the panel

  tk::Region at12 = MakeFormRegion(ShapedWindow::FrmSetup, 1, 1, 0, 0, 12, 12);
  ASSERT_TRUE(at12);
  ExpectBox(at12, {0, 5, 683, 505});
  EXPECT_TRUE(In(at12, 266, 429));      // the join, a quarter further out

  // The two single-point polygons (pieces 7 and 10) add nothing, at either
  // scale; the join polygons do add to the panel and the tab.
  for (int tpp : {15, 12}) {
    Outline scaled;
    ASSERT_TRUE(ScaleOutline(DesignOutline(ShapedWindow::FrmSetup), {1, 1, 0, 0, tpp, tpp}, scaled));
    tk::Region full = BuildRegion(scaled);
    Outline reduced = scaled;
    reduced.erase(reduced.begin() + 9);
    reduced.erase(reduced.begin() + 6);
    tk::Region withoutPoints = BuildRegion(reduced);
    reduced.resize(3);
    tk::Region withoutJoin = BuildRegion(reduced);
    ASSERT_TRUE(full && withoutPoints && withoutJoin);
    EXPECT_TRUE(::EqualRgn(full.get(), withoutPoints.get())) << tpp;
    EXPECT_FALSE(::EqualRgn(full.get(), withoutJoin.get())) << tpp;
  }
}

TEST(FormRegionWin, QuitDialogOutlineDropsTheTopRowAndRoundsOnlyTheTop) {
  tk::Region outline = MakeFormRegion(ShapedWindow::FrmQuit, 1, 1, 0, 0, 15, 15);
  ASSERT_TRUE(outline);
  ExpectBox(outline, {0, 1, 349, 378});
  EXPECT_FALSE(In(outline, 175, 0));
  EXPECT_FALSE(In(outline, 1, 2));      // a rounded top corner
  EXPECT_TRUE(In(outline, 0, 361));     // the window's bottom corners stay square
  EXPECT_TRUE(In(outline, 348, 361));
}

TEST(FormRegionWin, OutlinesThatCannotBeBuiltGiveNoRegion) {
  EXPECT_FALSE(MakeFormRegion(ShapedWindow::FrmSetup, 1e7f, 1, 0, 0, 15, 15));
  EXPECT_FALSE(MakeFormRegion(ShapedWindow::FrmQuit, 1, 1, 0, 0, 15, 0));
  EXPECT_FALSE(BuildRegion({}));
  EXPECT_FALSE(BuildRegion({Piece{PieceKind::Rectangle, {{1, 2}}}}));
}
