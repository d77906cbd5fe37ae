#include <gtest/gtest.h>

#include "toolkit/Form.h"
#include "toolkit/OptionButton.h"

namespace {

class LicenceForm : public tk::Form {
 public:
  LicenceForm() {
    SetClientSize(6000, 4500);
    Move(600, 600);
    accetto.Move(180, 4020, 225, 255);
    nonAccetto.Move(2220, 4020, 210, 255);
    nonAccetto.SetValue(true);
  }
  tk::OptionButton accetto{*this};
  tk::OptionButton nonAccetto{*this};
};

bool Shown(const tk::OptionButton& o) { return SendMessageA(o.hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

TEST(OptionButton, OptionsOfOneFormClearEachOtherByCodeAndByClick) {
  LicenceForm f, other;
  other.accetto.SetValue(true);  // another form's group: not affected below
  EXPECT_FALSE(f.accetto.Value());
  EXPECT_TRUE(f.nonAccetto.Value());
  f.accetto.SetValue(true);
  EXPECT_TRUE(f.accetto.Value());
  EXPECT_FALSE(f.nonAccetto.Value());
  EXPECT_TRUE(other.accetto.Value());

  int clicks = 0;
  f.nonAccetto.Click = [&] { ++clicks; };
  f.Show();
  EXPECT_TRUE(Shown(f.accetto));
  EXPECT_FALSE(Shown(f.nonAccetto));
  SendMessageA(f.nonAccetto.hwnd(), BM_CLICK, 0, 0);
  EXPECT_TRUE(f.nonAccetto.Value());
  EXPECT_FALSE(f.accetto.Value());
  EXPECT_TRUE(Shown(f.nonAccetto));
  EXPECT_FALSE(Shown(f.accetto));
  EXPECT_EQ(clicks, 1);
  // A click on the selected option keeps it selected.
  SendMessageA(f.nonAccetto.hwnd(), BM_CLICK, 0, 0);
  EXPECT_TRUE(f.nonAccetto.Value());
  EXPECT_EQ(clicks, 2);

  f.accetto.SetValue(true);
  EXPECT_FALSE(Shown(f.nonAccetto));
  EXPECT_TRUE(Shown(f.accetto));
  EXPECT_EQ(clicks, 2);
  EXPECT_TRUE(other.accetto.Value());

  // Clearing by code leaves none selected.
  f.accetto.SetValue(false);
  EXPECT_FALSE(f.accetto.Value());
  EXPECT_FALSE(f.nonAccetto.Value());
}

}  // namespace
