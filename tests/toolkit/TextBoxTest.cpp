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

std::string HighBytes() {
  std::string s;
  for (int c = 0x80; c <= 0xFF; ++c) s += static_cast<char>(c);
  return s;
}

// The rectangle of a child window in its parent's client pixels.
RECT InParent(HWND child) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

TEST(TextBox, TextRoundTripsWithLineBreaksAndHighBytesAcrossTheWindowsLife) {
  BoxForm f;
  const std::string text = "Riga uno\r\n\r\nè «perché» € §\r\n" + HighBytes() + "\r\n";
  f.memo.SetText(text);  // before any window
  EXPECT_EQ(f.memo.Text(), text);
  f.Show();
  ASSERT_TRUE(f.memo.hwnd());
  char raw[512] = {};
  GetWindowTextA(f.memo.hwnd(), raw, sizeof raw);
  EXPECT_EQ(std::string(raw), text);

  f.line.SetText("C:\\Programmi\\Velmarind àèìòù");
  EXPECT_EQ(f.line.Text(), "C:\\Programmi\\Velmarind àèìòù");

  // What the user typed survives the window going and coming back.
  SetWindowTextA(f.line.hwnd(), "D:\\Altro");
  ASSERT_TRUE(f.Unload());
  EXPECT_EQ(f.line.Text(), "D:\\Altro");
  EXPECT_EQ(f.memo.Text(), text);
  f.Show();
  GetWindowTextA(f.line.hwnd(), raw, sizeof raw);
  EXPECT_STREQ(raw, "D:\\Altro");
  EXPECT_EQ(f.memo.Text(), text);

  f.memo.SetText("");
  EXPECT_EQ(f.memo.Text(), "");
}

TEST(TextBox, ReportAppendedByReadingBackGrowsPastTheDefaultLimit) {
  BoxForm f;
  f.memo.SetLocked(true);
  f.Show();
  // The drive report's way: the first piece replaces, every later one is
  // appended to the text read back from the box.
  std::string expected = " Informazioni sull'unità C:\\\r\n\r\n";
  f.memo.SetText(expected);
  for (int i = 0; i < 40; ++i) {
    std::string piece = "  - Riga " + std::to_string(i) + ": " + std::string(1000, 'x') + "\r\n";
    f.memo.SetText(f.memo.Text() + piece);
    expected += piece;
  }
  ASSERT_GT(expected.size(), 40000u);
  EXPECT_TRUE(f.memo.Text() == expected);

  // A single-line box too takes more than 32767 characters, also when it
  // gets them before its window exists.
  BoxForm g;
  std::string big(70000, 'a');
  big += "fine";
  g.line.SetText(big);
  g.Show();
  EXPECT_EQ(g.line.Text().size(), big.size());
  SendMessageA(g.line.hwnd(), EM_SETSEL, 0, -1);
  SendMessageA(g.line.hwnd(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(big.c_str()));
  EXPECT_TRUE(g.line.Text() == big);
}

TEST(TextBox, ChangeRunsOncePerRealChangeAndLockedBoxTakesNoTyping) {
  BoxForm f;
  int changes = 0;
  f.line.Change = [&] { ++changes; };
  f.line.SetText("a");  // no window yet
  EXPECT_EQ(changes, 1);
  f.Show();
  EXPECT_EQ(changes, 1);  // creating the window is no change
  f.line.SetText("b");
  EXPECT_EQ(changes, 2);
  f.line.SetText("b");
  EXPECT_EQ(changes, 2);
  PostMessageA(f.line.hwnd(), WM_CHAR, 'c', 0);
  tk::DoEvents();
  EXPECT_EQ(changes, 3);

  f.line.SetLocked(true);
  PostMessageA(f.line.hwnd(), WM_CHAR, 'd', 0);
  tk::DoEvents();
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(f.line.Text().find('d'), std::string::npos);
  f.line.SetLocked(false);
  PostMessageA(f.line.hwnd(), WM_CHAR, 'd', 0);
  tk::DoEvents();
  EXPECT_NE(f.line.Text().find('d'), std::string::npos);
}

TEST(TextBox, TopAndHeightChangeAtRunTimeAndAStyleChangeKeepsTextAndPlace) {
  BoxForm f;
  f.Show();
  f.memo.SetTop(2500);
  f.memo.SetHeight(2640);
  RECT r = InParent(f.memo.hwnd());
  EXPECT_EQ(r.left, 8);
  EXPECT_EQ(r.top, 167);
  EXPECT_EQ(r.bottom - r.top, 176);
  EXPECT_DOUBLE_EQ(f.memo.Top(), 2500);
  f.memo.SetVisible(false);
  EXPECT_FALSE(IsWindowVisible(f.memo.hwnd()));
  EXPECT_FALSE(f.memo.Visible());
  f.memo.SetVisible(true);
  EXPECT_TRUE(IsWindowVisible(f.memo.hwnd()));

  // A box made multi-line at run time comes back where it was, above the
  // later-created box, with its text.
  f.line.SetText("uno");
  f.line.Move(120, 1290, 4275, 3165);
  HWND old = f.line.hwnd();
  f.line.SetMultiLine(true);
  EXPECT_NE(f.line.hwnd(), old);
  EXPECT_EQ(f.line.Text(), "uno");
  EXPECT_TRUE(GetWindowLongPtrA(f.line.hwnd(), GWL_STYLE) & ES_MULTILINE);
  EXPECT_TRUE(GetWindowLongPtrA(f.line.hwnd(), GWL_STYLE) & WS_VSCROLL);
  EXPECT_EQ(GetWindow(f.memo.hwnd(), GW_HWNDNEXT), f.line.hwnd());
  f.line.SetScrollBar(false);
  EXPECT_FALSE(GetWindowLongPtrA(f.line.hwnd(), GWL_STYLE) & WS_VSCROLL);
  EXPECT_EQ(f.line.Text(), "uno");
  EXPECT_EQ(GetWindow(f.memo.hwnd(), GW_HWNDNEXT), f.line.hwnd());
}

TEST(TextBox, ColoursArePaintedEditableAndLocked) {
  constexpr tk::Color kGrey = tk::Rgb(224, 224, 224);
  constexpr tk::Color kBlue = tk::Rgb(62, 101, 137);
  constexpr tk::Color kRed = tk::Rgb(255, 0, 0);
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
  f.memo.SetText("x");
  f.Show();
  tk::DoEvents();

  tk::Canvas shot;
  ASSERT_TRUE(shot.CaptureClient(f.memo.hwnd()));
  EXPECT_EQ(shot.Pixel(shot.width() - 3, shot.height() - 3), kGrey);
  ASSERT_TRUE(shot.CaptureClient(f.line.hwnd()));
  EXPECT_EQ(shot.Pixel(shot.width() - 3, shot.height() - 3), kBlue);
  int red = 0;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x) red += shot.Pixel(x, y) == kRed;
  EXPECT_GT(red, 50);

  // Editable again, and a new back colour: painted at once.
  f.line.SetLocked(false);
  f.line.SetBackColor(kGrey);
  tk::DoEvents();
  ASSERT_TRUE(shot.CaptureClient(f.line.hwnd()));
  EXPECT_EQ(shot.Pixel(shot.width() - 3, shot.height() - 3), kGrey);
}

}  // namespace
