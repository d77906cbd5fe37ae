#include <gtest/gtest.h>

#include "tests/support/Wait.h"
#include "toolkit/Events.h"
#include "toolkit/Form.h"
#include "toolkit/PictureBox.h"
#include "toolkit/TextBox.h"

namespace {

constexpr tk::Color kWhite = tk::Rgb(255, 255, 255);
constexpr tk::Color kBlue = tk::Rgb(0, 0, 255);

class BoxForm : public tk::Form {
 public:
  BoxForm() {
    SetClientSize(3000, 1500);
    box.Move(150, 150, 1500, 750);  // 100 x 50 pixels
    box.SetBackColor(kWhite);
  }
  tk::PictureBox box{*this};
};

// Lets the last drawing of a burst reach the windows: boxes show it within
// about 15 ms.
void Settle() { testsupport::PumpFor(std::chrono::milliseconds(60)); }

// The pixel column x (in pixels) of the drawing.
tk::Color At(const tk::PictureBox& b, int x, int y) { return b.Point(x * 15.0, y * 15.0); }

TEST(PictureBox, BoxesCoverBothCornersAndFractionalTwipsRoundToNearest) {
  BoxForm f;
  f.box.SetBorderStyle(0);
  f.box.Cls();
  f.box.Line(15, 30, 60, 45, kBlue, tk::LineStyle::BoxFilled);  // pixels 1..4 x 2..3
  EXPECT_EQ(At(f.box, 1, 2), kBlue);
  EXPECT_EQ(At(f.box, 4, 3), kBlue);
  EXPECT_EQ(At(f.box, 5, 3), kWhite);
  EXPECT_EQ(At(f.box, 0, 2), kWhite);
  EXPECT_EQ(At(f.box, 4, 4), kWhite);
  EXPECT_DOUBLE_EQ(f.box.CurrentX(), 60);

  // 22.5 twips = 1.5 pixels -> 2 (halves to even), 37.5 -> 2.5 -> 2, 52.4 -> 3.49 -> 3.
  f.box.Cls();
  f.box.Line(22.5, 0, 52.4, 0, kBlue, tk::LineStyle::BoxFilled);
  EXPECT_EQ(At(f.box, 1, 0), kWhite);
  EXPECT_EQ(At(f.box, 2, 0), kBlue);
  EXPECT_EQ(At(f.box, 3, 0), kBlue);
  EXPECT_EQ(At(f.box, 4, 0), kWhite);
  f.box.Cls();
  f.box.Line(37.5, 0, 37.5, 0, kBlue, tk::LineStyle::BoxFilled);
  EXPECT_EQ(At(f.box, 2, 0), kBlue);
  EXPECT_EQ(At(f.box, 3, 0), kWhite);
}

TEST(PictureBox, XorModeInvertsEveryPixelOnceAndOutlinesLeaveTheInside) {
  BoxForm f;
  f.box.SetBorderStyle(0);
  f.box.Cls();
  f.box.SetDrawMode(R2_XORPEN);
  f.box.Line(0, 0, 150, 150, kWhite, tk::LineStyle::BoxFilled);
  EXPECT_EQ(At(f.box, 0, 0), tk::Rgb(0, 0, 0));
  EXPECT_EQ(At(f.box, 10, 10), tk::Rgb(0, 0, 0));
  EXPECT_EQ(At(f.box, 11, 10), kWhite);
  // Drawn again: everything back to white.
  f.box.Line(0, 0, 150, 150, kWhite, tk::LineStyle::BoxFilled);
  EXPECT_EQ(At(f.box, 5, 5), kWhite);
  // An outline under XOR: corners inverted once like the other edge pixels.
  f.box.Line(30, 30, 120, 90, kWhite, tk::LineStyle::Box);
  EXPECT_EQ(At(f.box, 2, 2), tk::Rgb(0, 0, 0));
  EXPECT_EQ(At(f.box, 8, 6), tk::Rgb(0, 0, 0));
  EXPECT_EQ(At(f.box, 5, 2), tk::Rgb(0, 0, 0));
  EXPECT_EQ(At(f.box, 8, 4), tk::Rgb(0, 0, 0));
  EXPECT_EQ(At(f.box, 5, 4), kWhite);
  // Other modes map too: R2_NOT inverts whatever the colour,
  // R2_MASKPEN keeps what pen and destination share.
  f.box.SetDrawMode(R2_NOT);
  f.box.Line(0, 0, 0, 0, kBlue, tk::LineStyle::BoxFilled);
  EXPECT_EQ(At(f.box, 0, 0), tk::Rgb(0, 0, 0));
  EXPECT_EQ(At(f.box, 1, 0), kWhite);
  f.box.SetDrawMode(R2_MASKPEN);
  f.box.Line(30, 30, 30, 30, tk::Rgb(0, 255, 255), tk::LineStyle::BoxFilled);
  EXPECT_EQ(At(f.box, 2, 2), tk::Rgb(0, 0, 0));  // on the black outline
  f.box.Line(75, 75, 75, 75, tk::Rgb(0, 255, 255), tk::LineStyle::BoxFilled);
  EXPECT_EQ(At(f.box, 5, 5), tk::Rgb(0, 255, 255));
  f.box.SetDrawMode(R2_COPYPEN);
  f.box.Line(0, 0, 0, 0, kBlue, tk::LineStyle::BoxFilled);
  EXPECT_EQ(At(f.box, 0, 0), kBlue);
}

TEST(PictureBox, BorderChangesTheDrawingAreaAtRunTimeAndTheWindowShowsTheDrawing) {
  BoxForm f;
  f.Show();
  ASSERT_TRUE(f.box.hwnd());
  RECT r;
  GetClientRect(f.box.hwnd(), &r);
  EXPECT_EQ(r.right, 96);  // the sunken border takes two pixels each side
  EXPECT_DOUBLE_EQ(f.box.ScaleWidth(), 96 * 15);
  f.box.SetBorderStyle(0);
  GetClientRect(f.box.hwnd(), &r);
  EXPECT_EQ(r.right, 100);
  EXPECT_EQ(r.bottom, 50);
  EXPECT_DOUBLE_EQ(f.box.ScaleWidth(), 1500);
  EXPECT_DOUBLE_EQ(f.box.ScaleHeight(), 750);
  RECT outer;
  GetWindowRect(f.box.hwnd(), &outer);
  EXPECT_EQ(outer.right - outer.left, 100);

  f.box.Line(0, 0, 1485, 735, kBlue, tk::LineStyle::BoxFilled);
  Settle();
  tk::Canvas shot;
  ASSERT_TRUE(shot.CaptureClient(f.box.hwnd()));
  EXPECT_EQ(shot.Pixel(0, 0), kBlue);
  EXPECT_EQ(shot.Pixel(99, 49), kBlue);

  // The drawing survives the window being hidden and shown.
  f.box.SetVisible(false);
  f.box.SetVisible(true);
  Settle();
  ASSERT_TRUE(shot.CaptureClient(f.box.hwnd()));
  EXPECT_EQ(shot.Pixel(50, 25), kBlue);
}

TEST(PictureBox, ABurstOfDrawingsEndsWithItsLastOnScreenAndRevisionsFollowChanges) {
  BoxForm f, other;
  f.Show();
  f.box.SetBorderStyle(0);
  EXPECT_NE(f.box.Revision(), other.box.Revision());
  // Quick successive drawings each yield; the window ends with the last.
  const tk::Color colours[] = {kBlue, kWhite, tk::Rgb(255, 0, 0), kBlue, tk::Rgb(0, 128, 0)};
  for (tk::Color c : colours) {
    f.box.Line(0, 0, 1485, 735, c, tk::LineStyle::BoxFilled);
    tk::DoEvents();
  }
  Settle();
  tk::Canvas shot;
  ASSERT_TRUE(shot.CaptureClient(f.box.hwnd()));
  EXPECT_EQ(shot.Pixel(0, 0), tk::Rgb(0, 128, 0));
  EXPECT_EQ(shot.Pixel(99, 49), tk::Rgb(0, 128, 0));

  // What can change the next drawing's pixels changes the revision; reading
  // and measuring do not.
  uint64_t before = f.box.Revision();
  f.box.Point(0, 0);
  f.box.TextWidth("12%");
  f.box.SetDrawMode(R2_XORPEN);
  f.box.SetCurrentX(30);
  tk::DoEvents();
  EXPECT_EQ(f.box.Revision(), before);
  f.box.SetForeColor(kBlue);
  EXPECT_NE(f.box.Revision(), before);
  before = f.box.Revision();
  f.box.SetFont({"MS Sans Serif", 9.75, true});
  EXPECT_NE(f.box.Revision(), before);
  before = f.box.Revision();
  f.box.Move(150, 150, 1200, 750);
  EXPECT_NE(f.box.Revision(), before);
  before = f.box.Revision();
  f.box.Line(0, 0, 15, 15, kBlue);
  EXPECT_NE(f.box.Revision(), before);
}

TEST(PictureBox, PrintsTransparentTextAtTheCurrentPositionAndMeasuresIt) {
  BoxForm f;
  f.box.SetBorderStyle(0);
  f.box.SetFont({"MS Sans Serif", 9.75, true});
  f.box.SetForeColor(kBlue);
  f.box.Cls();
  double w = f.box.TextWidth("100%");
  double h = f.box.TextHeight("100%");
  EXPECT_GT(w, f.box.TextWidth("1%"));
  EXPECT_GT(h, 150);
  EXPECT_LT(h, 375);
  f.box.Line(0, 0, 1485, 735, tk::Rgb(255, 0, 0), tk::LineStyle::BoxFilled);
  f.box.SetCurrentX(300);
  f.box.SetCurrentY(150);
  f.box.Print("100%");
  int textPixels = 0, outside = 0;
  for (int y = 0; y < 50; ++y)
    for (int x = 0; x < 100; ++x) {
      tk::Color c = At(f.box, x, y);
      bool inText = x >= 20 && x < 20 + w / 15 && y >= 10 && y < 10 + h / 15;
      if (c == kBlue) (inText ? textPixels : outside)++;
      else EXPECT_EQ(c, tk::Rgb(255, 0, 0)) << x << "," << y;  // no text background
    }
  EXPECT_GT(textPixels, 20);
  EXPECT_EQ(outside, 0);
  EXPECT_DOUBLE_EQ(f.box.CurrentX(), 0);  // the next line
  EXPECT_DOUBLE_EQ(f.box.CurrentY(), 150 + h);
}

// Child windows of every kind stack in the order of their creation, the
// later above the earlier: a memo over the whole form, a picture box on it,
// a text box across the box's right part.
class StackForm : public tk::Form {
 public:
  StackForm() {
    SetClientSize(3000, 1500);
    memo.SetMultiLine(true);
    memo.Move(0, 0, 3000, 1500);
    box.Move(150, 150, 1500, 750);  // pixels 10..109 x 10..59
    box.SetBackColor(kWhite);
    line.SetBorderStyle(0);
    line.Move(1050, 450, 1500, 300);  // pixels 70..169 x 30..49
    line.SetBackColor(kGreen);
  }
  static constexpr tk::Color kGreen = tk::Rgb(0, 160, 0);
  tk::TextBox memo{*this};
  tk::PictureBox box{*this};
  tk::TextBox line{*this};
};

TEST(PictureBox, ChildWindowsCreatedLaterLieAboveEarlierOnes) {
  StackForm f;
  f.Show();
  f.box.Line(0, 0, 1485, 735, kBlue, tk::LineStyle::BoxFilled);
  Settle();
  RedrawWindow(f.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Settle();
  tk::Canvas shot;
  ASSERT_TRUE(shot.CaptureClient(f.hwnd()));
  EXPECT_EQ(shot.Pixel(20, 20), kBlue) << "the box over the memo";
  EXPECT_EQ(shot.Pixel(100, 40), StackForm::kGreen) << "the text box over the box";
  EXPECT_EQ(shot.Pixel(150, 40), StackForm::kGreen) << "the text box over the memo";
}

}  // namespace
