#include <gtest/gtest.h>

#include <vector>

#include "resource.h"
#include "toolkit/CheckBox.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Events.h"
#include "toolkit/Form.h"
#include "toolkit/OptionButton.h"
#include "toolkit/TextBox.h"

namespace {

// A form with the wizard's kinds of focusable controls; it records the
// characters its KeyPress sees.
class KeyForm : public tk::Form {
 public:
  KeyForm() {
    SetClientSize(6000, 4500);
    Move(600, 600);
    KeyPreview = true;
    welcome.SetMultiLine(true);
    welcome.SetLocked(true);
    welcome.Move(120, 1290, 4275, 1500);
    copyPath.Move(255, 3150, 3270, 320);
    prgGroup.Move(630, 2670, 3780, 315);
    deskShort.Move(630, 3700, 195, 285);
    lic.Move(180, 4020, 1500, 255);
  }
  std::vector<int> keys;
  tk::TextBox welcome{*this};
  tk::TextBox copyPath{*this};
  tk::ComboBox prgGroup{*this};
  tk::CheckBox deskShort{*this};
  tk::OptionButton lic{*this};

 protected:
  void Form_KeyPress(int& key) override { keys.push_back(key); }
};

// Presses and releases a key in the focused window, through the message
// loop as typing does (TranslateMessage makes the character).
void Press(WORD vk, WORD scan) {
  HWND focus = GetFocus();
  ASSERT_TRUE(focus);
  PostMessageA(focus, WM_KEYDOWN, vk, 1 | (static_cast<LPARAM>(scan) << 16));
  PostMessageA(focus, WM_KEYUP, vk, 1 | (static_cast<LPARAM>(scan) << 16) | (3u << 30));
  tk::DoEvents();
}

TEST(Controls, EnterTypedIntoTextBoxesAndTheComboBoxReachesTheFormsKeyPress) {
  KeyForm f;
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

  // Without key preview the text box keeps its characters to itself.
  f.KeyPreview = false;
  f.keys.clear();
  ASSERT_TRUE(f.copyPath.SetFocus());
  Press(VK_RETURN, 0x1C);
  EXPECT_TRUE(f.keys.empty());
}

TEST(Controls, FocusNeedsAVisibleEnabledControlAndTheCheckBoxShowsItsOwnPointer) {
  KeyForm f;
  EXPECT_FALSE(f.copyPath.SetFocus());  // no window yet
  f.Show();
  f.copyPath.SetEnabled(false);
  EXPECT_FALSE(f.copyPath.SetFocus());
  EXPECT_FALSE(f.copyPath.Enabled());
  f.copyPath.SetEnabled(true);
  f.copyPath.SetVisible(false);
  EXPECT_FALSE(f.copyPath.SetFocus());
  f.copyPath.SetVisible(true);
  EXPECT_TRUE(f.copyPath.SetFocus());
  EXPECT_TRUE(f.copyPath.HasFocus());
  EXPECT_FALSE(f.welcome.HasFocus());

  HCURSOR hand = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_SETUP_HAND));
  ASSERT_TRUE(hand);
  f.deskShort.SetMouseIcon(hand);
  HWND box = f.deskShort.hwnd();
  SetCursor(nullptr);
  SendMessageA(box, WM_SETCURSOR, reinterpret_cast<WPARAM>(box), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), hand);
  // Controls without a pointer of their own keep the system's.
  HWND edit = f.copyPath.hwnd();
  SendMessageA(edit, WM_SETCURSOR, reinterpret_cast<WPARAM>(edit), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_NE(GetCursor(), hand);
}

TEST(Controls, ButtonsPaintTheirBackColourBesideTheBox) {
  constexpr tk::Color kBack = tk::Rgb(62, 101, 137);
  KeyForm f;
  f.deskShort.Move(630, 3700, 1500, 285);
  f.deskShort.SetValue(tk::vbChecked);
  f.lic.SetValue(true);
  for (tk::ButtonControl* b : std::vector<tk::ButtonControl*>{&f.deskShort, &f.lic}) b->SetBackColor(kBack);
  f.Show();
  tk::DoEvents();
  for (tk::ButtonControl* b : std::vector<tk::ButtonControl*>{&f.deskShort, &f.lic}) {
    tk::Canvas shot;
    ASSERT_TRUE(shot.CaptureClient(b->hwnd()));
    EXPECT_EQ(shot.Pixel(shot.width() - 2, shot.height() / 2), kBack);
    EXPECT_EQ(shot.Pixel(shot.width() - 2, 0), kBack);
  }
}

}  // namespace
