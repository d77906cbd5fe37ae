#include <gtest/gtest.h>

#include <string>

#include "toolkit/Events.h"
#include "toolkit/Form.h"
#include "toolkit/TextBox.h"

namespace {

class BoxForm : public tk::Form {
 public:
  BoxForm() {
    SetClientSize(6000, 4500);
    Move(600, 600);
    memo.SetMultiLine(true);
    memo.Move(120, 1290, 4275, 3165);
    line.Move(255, 150, 3270, 320);
  }
  tk::TextBox memo{*this};
  tk::TextBox line{*this};
};

TEST(TextBox, TextRoundTripsBytesAndLineBreaksAcrossTheWindowsLifeAndChangeRunsOnRealChanges) {
  BoxForm f;
  int changes = 0;
  f.line.Change = [&] { ++changes; };
  std::string text = "Riga uno\r\n\r\nè «perché» € §\r\n";
  for (int c = 0x80; c <= 0xFF; ++c) text += static_cast<char>(c);
  f.memo.SetText(text);  // before any window
  f.Show();
  char raw[512] = {};
  GetWindowTextA(f.memo.hwnd(), raw, sizeof raw);
  EXPECT_EQ(std::string(raw), text);

  f.line.SetText("C:\\Programmi");
  f.line.SetText("C:\\Programmi");
  PostMessageA(f.line.hwnd(), WM_CHAR, 'x', 0);  // typed
  tk::DoEvents();
  EXPECT_EQ(changes, 2);
  f.line.SetLocked(true);
  PostMessageA(f.line.hwnd(), WM_CHAR, 'y', 0);
  tk::DoEvents();
  EXPECT_EQ(f.line.Text(), "xC:\\Programmi");

  // What the user typed outlives the window and comes back with the next.
  ASSERT_TRUE(f.Unload());
  EXPECT_EQ(f.line.Text(), "xC:\\Programmi");
  EXPECT_EQ(f.memo.Text(), text);
  f.Show();
  GetWindowTextA(f.line.hwnd(), raw, sizeof raw);
  EXPECT_STREQ(raw, "xC:\\Programmi");
  EXPECT_EQ(changes, 2);
}

TEST(TextBox, TextAppendedByReadingItBackGrowsPastTheDefaultLimit) {
  BoxForm f;
  f.memo.SetLocked(true);
  std::string big(40000, 'a');
  f.line.SetText(big + "b");  // before the window: must not be cut at creation
  f.Show();
  EXPECT_TRUE(f.line.Text() == big + "b");
  // The drive report's way: each piece appended to the text read back.
  std::string expected;
  for (int i = 0; i < 40; ++i) {
    std::string piece = "  - Riga " + std::to_string(i) + ": " + std::string(1000, 'x') + "\r\n";
    f.memo.SetText(f.memo.Text() + piece);
    expected += piece;
  }
  EXPECT_TRUE(f.memo.Text() == expected);
}

// The pure red pixels the screen shows in a window's place once its form
// has repainted everything (read back from the window's DC, so a sibling
// lying over it shows instead).
int RedPixelsShown(HWND window) {
  RedrawWindow(GetParent(window), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  tk::DoEvents();
  tk::Canvas shot;
  if (!shot.CaptureClient(window)) return -1;
  int red = 0;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x) red += shot.Pixel(x, y) == tk::Rgb(255, 0, 0);
  return red;
}

TEST(TextBox, ColoursArePaintedAndGeometryAndStyleChangeAtRunTime) {
  constexpr tk::Color kGrey = tk::Rgb(224, 224, 224), kBlue = tk::Rgb(62, 101, 137), kRed = tk::Rgb(255, 0, 0);
  BoxForm f;
  f.memo.SetBackColor(kGrey);
  f.line.SetMultiLine(true);
  f.line.SetLocked(true);
  f.line.SetBorderStyle(0);
  f.line.Move(195, 120, 4005, 600);
  f.line.SetBackColor(kBlue);
  f.line.SetForeColor(kRed);
  f.line.SetFont(tk::FontSpec{"Arial", 14, true});
  f.line.SetText("ATTENZIONE: MMMMMMMM");
  f.Show();
  tk::DoEvents();
  tk::Canvas shot;
  ASSERT_TRUE(shot.CaptureClient(f.memo.hwnd()));
  EXPECT_EQ(shot.Pixel(shot.width() - 3, shot.height() - 3), kGrey);
  ASSERT_TRUE(shot.CaptureClient(f.line.hwnd()));
  EXPECT_EQ(shot.Pixel(shot.width() - 3, shot.height() - 3), kBlue);
  EXPECT_GT(RedPixelsShown(f.line.hwnd()), 50);

  // The warning box moves onto the memo, created before it: it lies above
  // the memo and shows there, also once the memo is made anew without its
  // scroll bar.
  f.line.SetTop(2500);
  f.line.SetHeight(225);
  RECT r;
  GetWindowRect(f.line.hwnd(), &r);
  MapWindowPoints(nullptr, f.hwnd(), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.top, 167);
  EXPECT_EQ(r.bottom - r.top, 15);
  EXPECT_GT(RedPixelsShown(f.line.hwnd()), 50);
  f.memo.SetText("uno");
  f.memo.SetScrollBar(false);
  EXPECT_FALSE(GetWindowLongPtrA(f.memo.hwnd(), GWL_STYLE) & WS_VSCROLL);
  EXPECT_EQ(f.memo.Text(), "uno");
  EXPECT_GT(RedPixelsShown(f.line.hwnd()), 50);
  f.memo.SetVisible(false);
  EXPECT_FALSE(IsWindowVisible(f.memo.hwnd()));
}

}  // namespace
