// The face of a form: back colour, windowless pictures and labels as the
// window shows them, their stacking, visibility and mouse hit testing.
#include <gtest/gtest.h>

#include "toolkit/Events.h"
#include "toolkit/Form.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"

namespace {

constexpr tk::Color kBack = tk::Rgb(57, 98, 137);
constexpr tk::Color kRed = tk::Rgb(255, 0, 0);
constexpr tk::Color kGreen = tk::Rgb(0, 255, 0);

tk::Picture SolidPicture(int w, int h, tk::Color color) {
  tk::WindowDC screen(nullptr);
  HBITMAP bmp = CreateCompatibleBitmap(screen.get(), w, h);
  HDC dc = CreateCompatibleDC(screen.get());
  {
    tk::SelectScope sel(dc, bmp);
    tk::Brush brush(CreateSolidBrush(color));
    RECT r{0, 0, w, h};
    FillRect(dc, &r, brush.get());
  }
  DeleteDC(dc);
  return tk::Picture::FromBitmap(bmp);
}

// What the window shows now.
struct Shot {
  tk::Canvas canvas;
  explicit Shot(tk::Form& f) {
    f.Refresh();
    tk::DoEvents();
    EXPECT_TRUE(canvas.CaptureClient(f.hwnd()));
  }
  tk::Color at(int x, int y) const { return canvas.Pixel(x, y); }
  // How many pixels of colour c lie in [l, r) x [t, b).
  int count(int l, int t, int r, int b, tk::Color c) const {
    int n = 0;
    for (int y = t; y < b; ++y)
      for (int x = l; x < r; ++x) n += at(x, y) == c;
    return n;
  }
};

class FaceForm : public tk::Form {
 public:
  FaceForm() {
    SetBorder(tk::FormBorder::None);
    SetClientSize(3000, 1500);  // 200 x 100 pixels
    SetBackColor(kBack);
  }
  tk::Image top{*this};     // created first: lies above
  tk::Image bottom{*this};  // created second
  tk::Label label{*this};
};

TEST(FormFace, ShowsBackColourPicturesAndLabelTextWhereTheyAre) {
  FaceForm f;
  f.top.SetPicture(SolidPicture(20, 10, kRed));
  f.top.Move(300, 150);  // 20, 10 pixels
  EXPECT_DOUBLE_EQ(f.top.Width(), 300);  // sized to the picture
  EXPECT_DOUBLE_EQ(f.top.Height(), 150);
  f.bottom.SetVisible(false);
  f.label.SetCaption("WWW WWW");
  f.label.SetForeColor(tk::Rgb(255, 255, 255));
  f.label.SetBackStyle(tk::BackStyle::Transparent);
  f.label.SetFont({"MS Sans Serif", 8.25, true});
  f.label.Move(1500, 300, 1200, 900);  // 100, 20 .. 180, 80 pixels
  f.Show();
  Shot s(f);
  EXPECT_EQ(s.at(0, 0), kBack);
  EXPECT_EQ(s.at(199, 99), kBack);
  EXPECT_EQ(s.at(20, 10), kRed);
  EXPECT_EQ(s.at(39, 19), kRed);
  EXPECT_EQ(s.at(40, 19), kBack);
  EXPECT_EQ(s.at(39, 20), kBack);
  // Text only inside the label, on the back colour (transparent label).
  EXPECT_GT(s.count(100, 20, 180, 80, tk::Rgb(255, 255, 255)), 20);
  EXPECT_EQ(s.count(0, 0, 100, 100, tk::Rgb(255, 255, 255)), 0);
  EXPECT_EQ(s.count(180, 0, 200, 100, tk::Rgb(255, 255, 255)), 0);
  EXPECT_EQ(s.at(179, 79), kBack);

  // An opaque label fills its rectangle; a narrow one wraps to a second line.
  f.label.SetBackStyle(tk::BackStyle::Opaque);
  f.label.SetBackColor(kGreen);
  f.label.Move(1500, 300, 600, 900);  // 40 pixels: one "WWW" per line
  Shot wrapped(f);
  EXPECT_EQ(wrapped.at(139, 79), kGreen);
  EXPECT_EQ(wrapped.at(140, 79), kBack);
  int firstLine = wrapped.count(100, 20, 140, 32, tk::Rgb(255, 255, 255));
  int secondLine = wrapped.count(100, 34, 140, 48, tk::Rgb(255, 255, 255));
  EXPECT_GT(firstLine, 10);
  EXPECT_GT(secondLine, 10);

  // Right alignment moves the text to the right edge.
  auto leftmostText = [](const Shot& shot) {
    for (int x = 100; x < 180; ++x)
      if (shot.count(x, 20, x + 1, 48, tk::Rgb(255, 255, 255))) return x;
    return 999;
  };
  f.label.SetCaption("W");
  f.label.Move(1500, 300, 1200, 900);
  int leftAligned = leftmostText(Shot(f));
  f.label.SetAlignment(tk::Alignment::Right);
  EXPECT_LT(leftAligned, 103);
  EXPECT_GT(leftmostText(Shot(f)), 160);
}

TEST(FormFace, FirstCreatedPictureLiesAboveAndHiddenOnesVanish) {
  FaceForm f;
  f.top.SetPicture(SolidPicture(20, 20, kRed));
  f.bottom.SetPicture(SolidPicture(20, 20, kGreen));
  f.top.Move(150, 150);     // 10..30
  f.bottom.Move(300, 300);  // 20..40
  f.Show();
  {
    Shot s(f);
    EXPECT_EQ(s.at(25, 25), kRed);  // the overlap
    EXPECT_EQ(s.at(35, 35), kGreen);
  }
  f.top.SetVisible(false);
  {
    Shot s(f);
    EXPECT_EQ(s.at(25, 25), kGreen);
    EXPECT_EQ(s.at(12, 12), kBack);
  }
  f.top.SetVisible(true);
  f.bottom.Move(600, 600);  // moved away: its old place shows the back colour
  {
    Shot s(f);
    EXPECT_EQ(s.at(35, 35), kBack);
    EXPECT_EQ(s.at(45, 45), kGreen);
  }
}

TEST(FormFace, ClickGoesToTheTopmostVisibleEnabledPictureUnderTheMouse) {
  FaceForm f;
  f.top.SetPicture(SolidPicture(20, 20, kRed));
  f.bottom.SetPicture(SolidPicture(20, 20, kGreen));
  f.top.Move(150, 150);
  f.bottom.Move(300, 300);
  int topClicks = 0, bottomClicks = 0;
  float downX = -1, downY = -1;
  f.top.Click = [&] { ++topClicks; };
  f.bottom.Click = [&] { ++bottomClicks; };
  f.bottom.MouseDown = [&](int, int, float x, float y) {
    downX = x;
    downY = y;
  };
  f.Show();
  auto click = [&](int x, int y) {
    SendMessageA(f.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(f.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  };
  click(25, 25);
  EXPECT_EQ(topClicks, 1);
  EXPECT_EQ(bottomClicks, 0);
  click(35, 36);
  EXPECT_EQ(bottomClicks, 1);
  EXPECT_FLOAT_EQ(downX, 15 * 15);  // relative to the picture, in twips
  EXPECT_FLOAT_EQ(downY, 16 * 15);

  f.top.SetVisible(false);  // a hidden picture lets the click through
  click(25, 25);
  EXPECT_EQ(topClicks, 1);
  EXPECT_EQ(bottomClicks, 2);

  // Pressed on one picture and released on another: no click at all.
  SendMessageA(f.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(35, 35));
  SendMessageA(f.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(100, 90));
  EXPECT_EQ(bottomClicks, 2);

  // A disabled picture takes nothing: the press goes to the form's face.
  f.bottom.SetEnabled(false);
  click(35, 35);
  EXPECT_EQ(bottomClicks, 2);
}

}  // namespace
