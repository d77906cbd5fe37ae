#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/toolkit/RecordingForm.h"
#include "toolkit/Events.h"
#include "toolkit/Form.h"
#include "toolkit/Screen.h"

namespace {

using testsupport::RecordingForm;

TEST(Form, FixedSingleFormHasItsClientSizeAndPositionInTwips) {
  ASSERT_EQ(tk::TwipsPerPixelX(), 15);
  RecordingForm f;
  f.SetBorder(tk::FormBorder::FixedSingle);
  f.SetCaption("Installazione");
  f.SetClientSize(5520, 1590);
  f.Move(1000, 1000);
  f.Show();
  ASSERT_TRUE(f.Loaded());
  RECT client;
  ASSERT_TRUE(GetClientRect(f.hwnd(), &client));
  EXPECT_EQ(client.right, 368);
  EXPECT_EQ(client.bottom, 106);
  EXPECT_DOUBLE_EQ(f.ScaleWidth(), 5520);
  EXPECT_DOUBLE_EQ(f.ScaleHeight(), 1590);
  RECT outer;
  ASSERT_TRUE(GetWindowRect(f.hwnd(), &outer));
  EXPECT_EQ(outer.left, 67);  // 1000 twips = 66.67 pixels, rounded
  EXPECT_EQ(outer.top, 67);
  LONG style = GetWindowLongA(f.hwnd(), GWL_STYLE);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MAXIMIZEBOX));
  char caption[64] = {};
  GetWindowTextA(f.hwnd(), caption, sizeof caption);
  EXPECT_STREQ(caption, "Installazione");

  // Other border styles: the client size is kept whatever the frame.
  RecordingForm popup;
  popup.SetBorder(tk::FormBorder::FixedSingleNoTitle);
  popup.SetClientSize(5220, 5400);
  ASSERT_TRUE(popup.Load());
  ASSERT_TRUE(GetClientRect(popup.hwnd(), &client));
  EXPECT_EQ(client.right, 348);
  EXPECT_EQ(client.bottom, 360);
  EXPECT_NE(GetWindowLongA(popup.hwnd(), GWL_STYLE) & WS_CAPTION, WS_CAPTION);
}

TEST(Form, LifecycleRunsInitializeOnceAndLoadPerWindowAndHonoursCancel) {
  RecordingForm f;
  f.Show();
  HWND first = f.hwnd();
  ASSERT_TRUE(first);

  // The system's close command: a cancel keeps the window.
  f.cancelQueryUnload = 1;
  SendMessageA(first, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(first));
  f.cancelQueryUnload = 0;
  SendMessageA(first, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(first));
  EXPECT_FALSE(f.Loaded());

  // Shown again: a new window, Load again, Initialize not again.
  f.Show();
  EXPECT_TRUE(f.Loaded());
  EXPECT_TRUE(f.Unload());
  EXPECT_EQ(f.events, (std::vector<std::string>{"Initialize", "Load", "QueryUnload0", "QueryUnload0", "Unload",
                                                "Load", "QueryUnload1", "Unload"}));

  // A form that unloads itself while loading is not shown by the Show that loaded it.
  RecordingForm gone;
  gone.unloadWhileLoading = true;
  gone.Show();
  EXPECT_FALSE(gone.Loaded());
}

TEST(Form, MouseDownOnTheFaceAndKeysReachTheFormInTwips) {
  RecordingForm f;
  f.SetClientSize(3000, 3000);
  f.Show();
  SendMessageA(f.hwnd(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 20));
  SendMessageA(f.hwnd(), WM_RBUTTONUP, 0, MAKELPARAM(10, 20));
  SendMessageA(f.hwnd(), WM_CHAR, 'q', 0);
  ASSERT_GE(f.events.size(), 4u);
  EXPECT_EQ(f.events[2], "MouseDown 2 150,300");
  EXPECT_EQ(f.events[3], "KeyPress 113");

  // With key preview, characters typed into a child go through KeyPress
  // first, which may change or swallow them.
  HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, f.hwnd(), nullptr, nullptr, nullptr);
  ASSERT_TRUE(edit);
  f.KeyPreview = true;
  for (char c : std::string("axc")) PostMessageA(edit, WM_CHAR, static_cast<WPARAM>(c), 0);
  tk::DoEvents();
  char text[16] = {};
  GetWindowTextA(edit, text, sizeof text);
  EXPECT_STREQ(text, "bc");
}

}  // namespace
