#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resource.h"
#include "toolkit/CheckBox.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Events.h"
#include "toolkit/Form.h"
#include "toolkit/OptionButton.h"
#include "toolkit/TextBox.h"

namespace {

// The wizard's kinds of controls on one form, which records the characters
// its KeyPress sees.
class ControlsForm : public tk::Form {
 public:
  ControlsForm() {
    SetClientSize(6000, 4500);
    Move(600, 600);
    KeyPreview = true;
    welcome.SetMultiLine(true);
    welcome.SetLocked(true);
    welcome.Move(120, 1290, 4275, 1000);
    copyPath.Move(255, 3150, 3270, 320);
    prgGroup.Move(630, 2670, 3780, 315);
    deskShort.Move(630, 3600, 1500, 285);
    deskShort.SetValue(tk::vbChecked);
    accetto.Move(180, 4020, 1500, 255);
    nonAccetto.Move(2220, 4020, 210, 255);
    nonAccetto.SetValue(true);
  }
  std::vector<int> keys;
  tk::TextBox welcome{*this}, copyPath{*this};
  tk::ComboBox prgGroup{*this};
  tk::CheckBox deskShort{*this};
  tk::OptionButton accetto{*this}, nonAccetto{*this};

 protected:
  void Form_KeyPress(int& key) override { keys.push_back(key); }
};

LRESULT Shown(const tk::WindowedControl& c) { return SendMessageA(c.hwnd(), BM_GETCHECK, 0, 0); }

// Presses and releases a key in the focused window through the message
// loop, as typing does (TranslateMessage makes the character).
void Press(WORD vk, WORD scan) {
  HWND focus = GetFocus();
  ASSERT_TRUE(focus);
  PostMessageA(focus, WM_KEYDOWN, vk, 1 | (static_cast<LPARAM>(scan) << 16));
  PostMessageA(focus, WM_KEYUP, vk, 1 | (static_cast<LPARAM>(scan) << 16) | (3u << 30));
  tk::DoEvents();
}

TEST(Controls, CheckBoxHoldsZeroOneTwoAndAClickTicksUnticksOrTicksAGreyedBox) {
  ControlsForm f;
  EXPECT_FALSE(f.deskShort.SetValue(3));
  f.Show();
  EXPECT_EQ(Shown(f.deskShort), BST_CHECKED);
  int clicks = 0;
  f.deskShort.Click = [&] { ++clicks; };
  // (value before the click, value after)
  for (auto [before, after] : {std::pair{1, 0}, {0, 1}, {2, 1}}) {
    f.deskShort.SetValue(before);
    EXPECT_EQ(Shown(f.deskShort), before);
    SendMessageA(f.deskShort.hwnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(f.deskShort.Value(), after);
    EXPECT_EQ(Shown(f.deskShort), after);
  }
  EXPECT_EQ(clicks, 3);
}

TEST(Controls, OptionsOfOneFormClearEachOtherByCodeAndByClick) {
  ControlsForm f, other;
  other.accetto.SetValue(true);
  f.accetto.SetValue(true);  // before the window
  EXPECT_FALSE(f.nonAccetto.Value());
  int clicks = 0;
  f.nonAccetto.Click = [&] { ++clicks; };
  f.Show();
  EXPECT_EQ(Shown(f.accetto), BST_CHECKED);
  EXPECT_EQ(Shown(f.nonAccetto), BST_UNCHECKED);
  SendMessageA(f.nonAccetto.hwnd(), BM_CLICK, 0, 0);
  SendMessageA(f.nonAccetto.hwnd(), BM_CLICK, 0, 0);  // stays selected
  EXPECT_TRUE(f.nonAccetto.Value());
  EXPECT_FALSE(f.accetto.Value());
  EXPECT_EQ(Shown(f.accetto), BST_UNCHECKED);
  EXPECT_EQ(clicks, 2);
  EXPECT_TRUE(other.accetto.Value());  // another form, another group
}

TEST(Controls, ComboBoxListAndTextTypedOrPicked) {
  ControlsForm f;
  f.prgGroup.AddItem("Accessori");
  f.prgGroup.SetText("Velmarind");
  std::string atClick;
  f.prgGroup.Click = [&] { atClick = f.prgGroup.Text(); };
  f.Show();
  f.prgGroup.AddItem("Giochi è");
  EXPECT_EQ(f.prgGroup.ListCount(), 2);
  EXPECT_EQ(SendMessageA(f.prgGroup.hwnd(), CB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(f.prgGroup.List(1), "Giochi è");
  EXPECT_EQ(f.prgGroup.List(2), "");
  EXPECT_EQ(f.prgGroup.Text(), "Velmarind");

  HWND edit = FindWindowExA(f.prgGroup.hwnd(), nullptr, "Edit", nullptr);
  ASSERT_TRUE(edit);
  SetWindowTextA(edit, "");
  for (char c : std::string("Mio")) PostMessageA(edit, WM_CHAR, static_cast<WPARAM>(c), 0);
  tk::DoEvents();
  EXPECT_EQ(f.prgGroup.Text(), "Mio");
  ASSERT_TRUE(f.prgGroup.SetFocus());
  Press(VK_DOWN, 0x50);  // the arrow key moves through the list
  EXPECT_EQ(f.prgGroup.Text(), "Accessori");
  EXPECT_EQ(atClick, "Accessori");

  f.prgGroup.Clear();
  EXPECT_EQ(SendMessageA(f.prgGroup.hwnd(), CB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(f.prgGroup.Text(), "");
  f.prgGroup.AddItem("Uno");
  f.prgGroup.SetText("Due");
  ASSERT_TRUE(f.Unload());
  f.Show();
  EXPECT_EQ(SendMessageA(f.prgGroup.hwnd(), CB_GETCOUNT, 0, 0), 1);
  EXPECT_EQ(f.prgGroup.Text(), "Due");
}

TEST(Controls, EnterTypedIntoTextBoxesAndTheComboBoxReachesTheFormsKeyPress) {
  ControlsForm f;
  f.welcome.SetText("Benvenuti\r\nseconda riga");
  f.copyPath.SetText("C:\\Velmarind");
  f.Show();
  for (tk::WindowedControl* c : std::vector<tk::WindowedControl*>{&f.copyPath, &f.welcome, &f.prgGroup}) {
    f.keys.clear();
    ASSERT_TRUE(c->SetFocus());
    Press(VK_RETURN, 0x1C);
    EXPECT_EQ(f.keys, std::vector<int>{13});
  }
  EXPECT_EQ(f.welcome.Text(), "Benvenuti\r\nseconda riga");
  EXPECT_EQ(f.copyPath.Text(), "C:\\Velmarind");
  f.KeyPreview = false;  // then the text box keeps its characters
  f.keys.clear();
  ASSERT_TRUE(f.copyPath.SetFocus());
  Press(VK_RETURN, 0x1C);
  EXPECT_TRUE(f.keys.empty());
}

TEST(Controls, FocusNeedsAShownEnabledControlAndACheckBoxShowsItsOwnPointer) {
  ControlsForm f;
  EXPECT_FALSE(f.copyPath.SetFocus());  // no window yet
  f.Show();
  f.copyPath.SetEnabled(false);
  EXPECT_FALSE(f.copyPath.SetFocus());
  f.copyPath.SetEnabled(true);
  f.copyPath.SetVisible(false);
  EXPECT_FALSE(f.copyPath.SetFocus());
  f.copyPath.SetVisible(true);
  EXPECT_TRUE(f.copyPath.SetFocus());

  HCURSOR hand = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_SETUP_HAND));
  ASSERT_TRUE(hand);
  f.deskShort.SetMouseIcon(hand);
  for (HWND w : {f.deskShort.hwnd(), f.copyPath.hwnd()}) {
    SetCursor(nullptr);
    SendMessageA(w, WM_SETCURSOR, reinterpret_cast<WPARAM>(w), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor() == hand, w == f.deskShort.hwnd());
  }
}

TEST(Controls, ButtonsPaintTheirBackColourBesideTheBox) {
  constexpr tk::Color kBack = tk::Rgb(62, 101, 137);
  ControlsForm f;
  f.accetto.SetValue(true);
  for (tk::ButtonControl* b : std::vector<tk::ButtonControl*>{&f.deskShort, &f.accetto}) b->SetBackColor(kBack);
  f.Show();
  tk::DoEvents();
  for (tk::ButtonControl* b : std::vector<tk::ButtonControl*>{&f.deskShort, &f.accetto}) {
    tk::Canvas shot;
    ASSERT_TRUE(shot.CaptureClient(b->hwnd()));
    EXPECT_EQ(shot.Pixel(shot.width() - 2, shot.height() / 2), kBack);
    EXPECT_EQ(shot.Pixel(shot.width() - 2, 0), kBack);
  }
}

}  // namespace
