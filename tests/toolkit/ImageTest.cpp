// Pictures from the program's resources (this test links assets/Setup.rc).
#include <gtest/gtest.h>

#include "assets/resource.h"
#include "toolkit/Form.h"
#include "toolkit/Image.h"
#include "toolkit/Resources.h"

TEST(Image, LoadsTheLauncherPictureAndIconFromTheResources) {
  tk::Form f;
  tk::Image image2(f);
  ASSERT_TRUE(image2.LoadPicture(IDB_LAUNCH_IMAGE2));
  EXPECT_EQ(image2.picture().width(), 33);
  EXPECT_EQ(image2.picture().height(), 35);
  EXPECT_DOUBLE_EQ(image2.Width(), 495);
  EXPECT_DOUBLE_EQ(image2.Height(), 525);
  EXPECT_FALSE(image2.LoadPicture(9999));
  EXPECT_EQ(image2.picture().width(), 33);  // a missing resource leaves the picture

  // The picture's corner is the launcher's back colour.
  tk::Canvas c;
  ASSERT_TRUE(c.Resize(33, 35, 0, false));
  image2.Paint(c.dc());
  EXPECT_EQ(c.Pixel(0, 0), tk::Rgb(57, 98, 137));
  EXPECT_EQ(c.Pixel(32, 34), tk::Rgb(57, 98, 137));

  EXPECT_NE(tk::IconFromResource(IDI_LAUNCH, 32), nullptr);
  EXPECT_NE(tk::IconFromResource(IDI_LAUNCH, 16), nullptr);
  EXPECT_NE(tk::CursorFromResource(IDI_LAUNCH), nullptr);  // an icon serves as a pointer
  f.SetIconResource(IDI_LAUNCH);
  ASSERT_TRUE(f.Load());
  EXPECT_NE(SendMessageA(f.hwnd(), WM_GETICON, ICON_SMALL, 0), 0);
  EXPECT_NE(SendMessageA(f.hwnd(), WM_GETICON, ICON_BIG, 0), 0);
}
