// The painter's pixels in a picture box of the launcher's design.
#include <gtest/gtest.h>

#include "engine/Progress.h"
#include "tests/support/Wait.h"
#include "toolkit/Events.h"
#include "toolkit/Form.h"
#include "toolkit/PictureBox.h"

namespace {

constexpr tk::Color kWhite = 0xFFFFFF, kBlack = 0x000000, kDark = 0x808080, kLight = 0xC0C0C0;

// A window with one progress box as the launcher designs it: 4305 x 315
// twips (287 x 21 pixels), white, bold "MS Sans Serif" 9.75, with a border.
class ProgressForm : public tk::Form {
 public:
  ProgressForm() {
    SetClientSize(5520, 1590);
    box.Move(840, 1020, 4305, 315);
    box.SetBorderStyle(1);
    box.SetBackColor(kWhite);
    box.SetFont({"MS Sans Serif", 9.75, true});
  }
  tk::PictureBox box{*this};
};

tk::Color At(const tk::PictureBox& b, int x, int y) { return b.Point(x * 15.0, y * 15.0); }

int Count(const tk::PictureBox& b, int l, int t, int r, int bottom, tk::Color c) {
  int n = 0;
  for (int y = t; y < bottom; ++y)
    for (int x = l; x < r; ++x) n += At(b, x, y) == c;
  return n;
}

TEST(PaintProgress, DrawsFaceLabelInvertedBarAndSunkenFrame) {
  ProgressForm f;
  f.Show();
  PaintProgress(f.box, 20, 100);
  const tk::PictureBox& b = f.box;
  EXPECT_EQ(b.BorderStyle(), 0);  // taken away by the first call
  EXPECT_DOUBLE_EQ(b.ScaleWidth(), 4305);

  // Frame: dark top and left, white right and bottom, light grey inside them.
  EXPECT_EQ(At(b, 0, 0), kDark);
  EXPECT_EQ(At(b, 286, 0), kDark);
  EXPECT_EQ(At(b, 0, 20), kDark);
  EXPECT_EQ(At(b, 286, 1), kWhite);
  EXPECT_EQ(At(b, 286, 20), kWhite);
  EXPECT_EQ(At(b, 10, 20), kWhite);  // over the bar
  EXPECT_EQ(At(b, 1, 1), kLight);
  EXPECT_EQ(At(b, 285, 19), kLight);
  EXPECT_EQ(At(b, 285, 10), kLight);
  EXPECT_EQ(At(b, 100, 19), kLight);
  EXPECT_EQ(At(b, 1, 10), kLight);

  // Bar: 20 % of w = 4290 twips is 858 twips, up to and with pixel 57.
  EXPECT_EQ(At(b, 2, 2), kBlack);
  EXPECT_EQ(At(b, 57, 10), kBlack);
  EXPECT_EQ(At(b, 58, 10), kWhite);
  EXPECT_EQ(At(b, 284, 18), kWhite);

  // Label "20%" in black, centred: its pixels lie around column 143.
  int minX = 999, maxX = -1;
  for (int x = 60; x < 284; ++x)
    if (Count(b, x, 2, x + 1, 19, kBlack)) {
      minX = std::min(minX, x);
      maxX = std::max(maxX, x);
    }
  ASSERT_LE(minX, maxX);
  EXPECT_NEAR((minX + maxX) / 2.0, 143, 2.5);
  EXPECT_EQ(Count(b, 2, 2, 285, 19, kBlack) + Count(b, 2, 2, 285, 19, kWhite), 283 * 17);
}

TEST(PaintProgress, FullBarInvertsTheLabelAndAShorterBarErasesTheLonger) {
  ProgressForm f;
  f.Show();
  PaintProgress(f.box, 100, 100);
  const tk::PictureBox& b = f.box;
  EXPECT_EQ(At(b, 284, 10), kBlack);                  // the bar reaches w
  EXPECT_GT(Count(b, 110, 2, 180, 19, kWhite), 10);   // the label inverted to white
  EXPECT_EQ(Count(b, 2, 2, 110, 19, kWhite), 0);

  PaintProgress(f.box, 80, 100);  // edge at 3432 twips: pixel 229
  EXPECT_EQ(At(b, 200, 10), kBlack);
  EXPECT_EQ(At(b, 229, 10), kBlack);
  EXPECT_EQ(At(b, 230, 10), kWhite);
  PaintProgress(f.box, 20, 100);
  EXPECT_EQ(At(b, 200, 10), kWhite);
  EXPECT_EQ(At(b, 58, 10), kWhite);

  PaintProgress(f.box, 0, 100);  // no bar, a black label on the white face
  EXPECT_EQ(At(b, 2, 10), kWhite);
  EXPECT_GT(Count(b, 110, 2, 180, 19, kBlack), 10);
  EXPECT_EQ(Count(b, 2, 2, 110, 19, kBlack), 0);

  // What the window shows is the drawing, once the burst's last reached it.
  testsupport::PumpFor(std::chrono::milliseconds(60));
  tk::Canvas shot;
  ASSERT_TRUE(shot.CaptureClient(f.box.hwnd()));
  for (int x : {0, 1, 50, 143, 285, 286})
    for (int y : {0, 1, 10, 19, 20}) EXPECT_EQ(shot.Pixel(x, y), At(b, x, y)) << x << "," << y;
}

TEST(PaintProgress, TheSamePercentageAgainLeavesTheBoxAloneUntilSomethingElseDrewOnIt) {
  ProgressForm f;
  f.Show();
  PaintProgress(f.box, 20, 100);
  const double x = f.box.CurrentX(), y = f.box.CurrentY();
  const uint64_t drawn = f.box.Revision();
  f.box.SetCurrentX(0);
  f.box.SetDrawMode(R2_XORPEN);
  PaintProgress(f.box, 200, 1000);  // 20 % again
  EXPECT_EQ(f.box.Revision(), drawn);
  EXPECT_EQ(f.box.CurrentX(), x);
  EXPECT_EQ(f.box.CurrentY(), y);
  EXPECT_EQ(f.box.DrawMode(), R2_COPYPEN);
  PaintProgress(f.box, 21, 100);
  EXPECT_NE(f.box.Revision(), drawn);
  EXPECT_EQ(At(f.box, 60, 10), kBlack);

  // Wiped by another hand: the same percentage is drawn again.
  f.box.Cls();
  EXPECT_EQ(At(f.box, 0, 0), kWhite);
  PaintProgress(f.box, 21, 100);
  EXPECT_EQ(At(f.box, 0, 0), kDark);
  EXPECT_EQ(At(f.box, 60, 10), kBlack);

  // Another box draws on its own.
  ProgressForm g;
  g.Show();
  PaintProgress(g.box, 21, 100);
  EXPECT_EQ(At(g.box, 0, 0), kDark);
  EXPECT_EQ(At(g.box, 60, 10), kBlack);
}

// The wizard's bars are drawn by DrawProgressBox through its setup view, the
// launcher's through its registered boxes: the same pixels.
TEST(PaintProgress, WizardAndLauncherEntriesPaintTheirBoxesAlike) {
  ProgressForm wizard, launcher;
  wizard.Show();
  launcher.Show();
  SetLaunchProgressBoxes({&launcher.box, nullptr});
  DrawProgressBox(wizard.box, 37, 100);
  DrawLaunchProgress(0, 37, 100);
  DrawLaunchProgress(1, 50, 100);   // no box registered there: nothing happens
  DrawLaunchProgress(2, 50, 100);   // no such member
  DrawLaunchProgress(-1, 50, 100);
  EXPECT_EQ(wizard.box.BorderStyle(), 0);
  int differing = 0;
  for (int y = 0; y < 21; ++y)
    for (int x = 0; x < 287; ++x) differing += At(wizard.box, x, y) != At(launcher.box, x, y);
  EXPECT_EQ(differing, 0);
  EXPECT_EQ(At(launcher.box, 20, 10), kBlack);
  SetLaunchProgressBoxes({});
}

}  // namespace
