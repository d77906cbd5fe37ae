#include <gtest/gtest.h>

#include "toolkit/CheckBox.h"
#include "toolkit/Form.h"

namespace {

class CheckForm : public tk::Form {
 public:
  CheckForm() {
    SetClientSize(6000, 4500);
    Move(600, 600);
    deskShort.Move(630, 3300, 195, 285);
    autoEsegui.Move(630, 3720, 195, 285);
    autoEsegui.SetCaption("Esegui subito dopo l'installazione");
    deskShort.SetValue(tk::vbChecked);
    autoEsegui.SetValue(tk::vbChecked);
  }
  tk::CheckBox deskShort{*this};
  tk::CheckBox autoEsegui{*this};
};

LRESULT Shown(const tk::CheckBox& box) { return SendMessageA(box.hwnd(), BM_GETCHECK, 0, 0); }

TEST(CheckBox, ValuesZeroOneTwoAreShownAndOthersRefused) {
  CheckForm f;
  EXPECT_FALSE(f.deskShort.SetValue(3));
  EXPECT_FALSE(f.deskShort.SetValue(-1));
  EXPECT_EQ(f.deskShort.Value(), tk::vbChecked);
  f.autoEsegui.SetValue(tk::vbGrayed);
  f.Show();
  EXPECT_EQ(Shown(f.deskShort), BST_CHECKED);
  EXPECT_EQ(Shown(f.autoEsegui), BST_INDETERMINATE);
  for (int v : {0, 2, 1}) {
    ASSERT_TRUE(f.deskShort.SetValue(v));
    EXPECT_EQ(f.deskShort.Value(), v);
    EXPECT_EQ(Shown(f.deskShort), v);
  }
  // The caption is the window's, cut by the box's width.
  EXPECT_EQ(f.autoEsegui.Caption(), "Esegui subito dopo l'installazione");
}

TEST(CheckBox, AClickTicksUnticksAndTicksAGreyedBoxThenRunsClick) {
  CheckForm f;
  int clicks = 0;
  int seen = -1;
  f.deskShort.Click = [&] {
    ++clicks;
    seen = f.deskShort.Value();
  };
  f.Show();
  SendMessageA(f.deskShort.hwnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(f.deskShort.Value(), tk::vbUnchecked);
  EXPECT_EQ(seen, tk::vbUnchecked);
  EXPECT_EQ(Shown(f.deskShort), BST_UNCHECKED);
  SendMessageA(f.deskShort.hwnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(f.deskShort.Value(), tk::vbChecked);
  f.deskShort.SetValue(tk::vbGrayed);
  SendMessageA(f.deskShort.hwnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(f.deskShort.Value(), tk::vbChecked);
  EXPECT_EQ(Shown(f.deskShort), BST_CHECKED);
  EXPECT_EQ(clicks, 3);
  EXPECT_EQ(f.autoEsegui.Value(), tk::vbChecked);  // the other box is untouched

  // SetValue runs no Click; the value outlives the window.
  f.deskShort.SetValue(tk::vbUnchecked);
  EXPECT_EQ(clicks, 3);
  ASSERT_TRUE(f.Unload());
  EXPECT_EQ(f.deskShort.Value(), tk::vbUnchecked);
  f.Show();
  EXPECT_EQ(Shown(f.deskShort), BST_UNCHECKED);
}

}  // namespace
