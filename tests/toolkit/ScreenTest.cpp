#include <gtest/gtest.h>

#include "toolkit/Events.h"
#include "toolkit/Form.h"
#include "toolkit/Image.h"
#include "toolkit/Screen.h"

TEST(Screen, TwipsPerPixelAndConversionsRoundHalvesToEven) {
  EXPECT_EQ(tk::TwipsPerPixelX(), 15);  // Wine's default 96 DPI
  EXPECT_EQ(tk::TwipsPerPixelY(), 15);
  EXPECT_EQ(tk::PixelsX(5520), 368);
  EXPECT_EQ(tk::PixelsX(22.5), 2);
  EXPECT_EQ(tk::PixelsX(37.5), 2);
  EXPECT_EQ(tk::PixelsY(7.5), 0);
  EXPECT_EQ(tk::PixelsY(1000), 67);
  EXPECT_DOUBLE_EQ(tk::TwipsX(368), 5520);
}

TEST(Screen, ProgramPointerOverridesEveryWindowAndControlPointersApplyOtherwise) {
  tk::Form f;
  f.SetBorder(tk::FormBorder::None);
  f.SetClientSize(1500, 1500);
  f.Move(15000, 9000);  // away from the other tests' windows at the corner
  tk::Image image(f);
  image.Move(0, 0, 750, 750);
  HCURSOR hand = LoadCursorA(nullptr, IDC_HAND);
  image.SetMouseIcon(hand);
  f.Show();
  POINT origin{0, 0};
  ClientToScreen(f.hwnd(), &origin);
  ASSERT_TRUE(SetCursorPos(origin.x + 10, origin.y + 10));
  tk::DoEvents();
  auto setCursor = [&] {
    return SendMessageA(f.hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(f.hwnd()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  };

  EXPECT_EQ(setCursor(), TRUE);  // over the picture: its own pointer
  EXPECT_EQ(GetCursor(), hand);

  tk::SetMousePointer(tk::vbHourglass);
  EXPECT_EQ(tk::MousePointer(), tk::vbHourglass);
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_WAIT));  // shown at once
  EXPECT_EQ(setCursor(), TRUE);
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_WAIT));

  tk::SetMousePointer(tk::vbDefault);
  EXPECT_EQ(GetCursor(), hand);
  ASSERT_TRUE(SetCursorPos(origin.x + 80, origin.y + 80));  // off the picture
  EXPECT_EQ(setCursor(), TRUE);                             // the arrow
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));
}
