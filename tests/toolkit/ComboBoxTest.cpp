#include <gtest/gtest.h>

#include "toolkit/ComboBox.h"
#include "toolkit/Events.h"
#include "toolkit/Form.h"

namespace {

class GroupForm : public tk::Form {
 public:
  GroupForm() {
    SetClientSize(6000, 4500);
    Move(600, 600);
    prgGroup.Move(630, 2670, 3780, 315);
  }
  tk::ComboBox prgGroup{*this};
};

HWND EditOf(const tk::ComboBox& c) { return FindWindowExA(c.hwnd(), nullptr, "Edit", nullptr); }

TEST(ComboBox, ItemsAndTextHoldBeforeAndAfterTheWindow) {
  GroupForm f;
  ASSERT_TRUE(f.prgGroup.AddItem("Accessori"));
  ASSERT_TRUE(f.prgGroup.AddItem("Giochi è"));
  f.prgGroup.SetText("Velmarind");
  f.Show();
  ASSERT_TRUE(f.prgGroup.hwnd());
  ASSERT_TRUE(f.prgGroup.AddItem("Avvio"));
  EXPECT_EQ(f.prgGroup.ListCount(), 3);
  EXPECT_EQ(SendMessageA(f.prgGroup.hwnd(), CB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(f.prgGroup.List(1), "Giochi è");
  EXPECT_EQ(f.prgGroup.List(2), "Avvio");
  EXPECT_EQ(f.prgGroup.List(3), "");
  EXPECT_EQ(f.prgGroup.List(-1), "");
  char item[64] = {};
  SendMessageA(f.prgGroup.hwnd(), CB_GETLBTEXT, 2, reinterpret_cast<LPARAM>(item));
  EXPECT_STREQ(item, "Avvio");  // appended, not sorted
  EXPECT_EQ(f.prgGroup.Text(), "Velmarind");

  f.prgGroup.Clear();
  EXPECT_EQ(f.prgGroup.ListCount(), 0);
  EXPECT_EQ(SendMessageA(f.prgGroup.hwnd(), CB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(f.prgGroup.Text(), "");

  f.prgGroup.AddItem("Uno");
  f.prgGroup.SetText("Due");
  ASSERT_TRUE(f.Unload());
  EXPECT_EQ(f.prgGroup.Text(), "Due");
  f.Show();
  EXPECT_EQ(SendMessageA(f.prgGroup.hwnd(), CB_GETCOUNT, 0, 0), 1);
  EXPECT_EQ(f.prgGroup.Text(), "Due");
}

TEST(ComboBox, TypedTextAndAPickedItemBecomeTheText) {
  GroupForm f;
  f.prgGroup.AddItem("Accessori");
  f.prgGroup.AddItem("Giochi");
  std::string atClick;
  f.prgGroup.Click = [&] { atClick = f.prgGroup.Text(); };
  f.Show();
  HWND edit = EditOf(f.prgGroup);
  ASSERT_TRUE(edit);
  for (char c : std::string("Mio")) PostMessageA(edit, WM_CHAR, static_cast<WPARAM>(c), 0);
  tk::DoEvents();
  EXPECT_EQ(f.prgGroup.Text(), "Mio");
  EXPECT_EQ(atClick, "");

  // Picking from the list: the arrow key in the text field moves through it.
  ASSERT_TRUE(f.prgGroup.SetFocus());
  PostMessageA(edit, WM_KEYDOWN, VK_DOWN, 1 | (0x50 << 16) | (1 << 24));
  tk::DoEvents();
  EXPECT_EQ(f.prgGroup.Text(), "Accessori");
  EXPECT_EQ(atClick, "Accessori");
  PostMessageA(edit, WM_KEYDOWN, VK_DOWN, 1 | (0x50 << 16) | (1 << 24));
  tk::DoEvents();
  EXPECT_EQ(f.prgGroup.Text(), "Giochi");
  EXPECT_EQ(atClick, "Giochi");
}

}  // namespace
