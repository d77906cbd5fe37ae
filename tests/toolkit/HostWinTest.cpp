// The default host's message boxes under Wine, answered from inside their
// own loop: which window owns a box, and so which one takes no input while
// it is up.
#include <gtest/gtest.h>

#include "toolkit/Form.h"
#include "toolkit/Host.h"
#include "toolkit/Win.h"

namespace {

const char kTitle[] = "Proprietario della finestra";

// What the box showed of itself, seen from its own loop.
struct BoxSeen {
  bool shown = false;
  HWND owner = nullptr;
  bool mainTookInput = true;
};
BoxSeen g_seen;
HWND g_main = nullptr;

BOOL CALLBACK FindBox(HWND window, LPARAM found) {
  char title[64] = {};
  GetWindowTextA(window, title, sizeof title);
  if (std::string(title) != kTitle) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

// Once the box is up, notes its owner and whether the main form still takes
// input, then answers it.
void CALLBACK LookAtBox(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&box));
  if (!box) return;
  KillTimer(nullptr, timer);
  g_seen = {true, GetWindow(box, GW_OWNER), IsWindowEnabled(g_main) != FALSE};
  PostMessageA(box, WM_COMMAND, IDOK, 0);
}

// Shows a box through the default host and tells what it showed.
BoxSeen ShowBox(HWND main) {
  g_seen = {};
  g_main = main;
  SetTimer(nullptr, 0, 10, &LookAtBox);
  EXPECT_EQ(tk::MsgBox("Testo", tk::vbInformation, kTitle), tk::vbOK);
  return g_seen;
}

class Owned : public ::testing::Test {
 protected:
  void SetUp() override {
    main_.SetCaption("Principale");
    other_.SetCaption("Altra");
    main_.Show();
    other_.Show();
    ASSERT_TRUE(main_.Loaded() && other_.Loaded());
    SetActiveWindow(other_.hwnd());
  }
  void TearDown() override {
    tk::SetMessageBoxOwner(nullptr);
    other_.Unload();
    main_.Unload();
  }
  tk::Form main_, other_;
};

TEST_F(Owned, TheMainFormOwnsTheBoxesWhateverWindowIsActive) {
  tk::SetMessageBoxOwner(&main_);
  BoxSeen seen = ShowBox(main_.hwnd());
  ASSERT_TRUE(seen.shown);
  EXPECT_EQ(seen.owner, main_.hwnd());
  EXPECT_FALSE(seen.mainTookInput);
  EXPECT_TRUE(IsWindowEnabled(main_.hwnd()));

  // With no window of the program active.
  SetActiveWindow(nullptr);
  seen = ShowBox(main_.hwnd());
  ASSERT_TRUE(seen.shown);
  EXPECT_EQ(seen.owner, main_.hwnd());
  EXPECT_FALSE(seen.mainTookInput);
}

// A main form that takes no input (a modal form of the program is up over
// it) leaves the box to the active window, as does a program without a main
// form or whose main form is not loaded.
TEST_F(Owned, OtherwiseTheActiveWindowOwnsTheBox) {
  tk::SetMessageBoxOwner(&main_);
  EnableWindow(main_.hwnd(), FALSE);
  SetActiveWindow(other_.hwnd());
  BoxSeen seen = ShowBox(main_.hwnd());
  ASSERT_TRUE(seen.shown);
  EXPECT_EQ(seen.owner, other_.hwnd());
  EXPECT_FALSE(IsWindowEnabled(main_.hwnd()));
  EnableWindow(main_.hwnd(), TRUE);

  tk::SetMessageBoxOwner(nullptr);
  SetActiveWindow(other_.hwnd());
  seen = ShowBox(main_.hwnd());
  ASSERT_TRUE(seen.shown);
  EXPECT_EQ(seen.owner, other_.hwnd());
  EXPECT_TRUE(seen.mainTookInput);

  tk::Form unloaded;
  tk::SetMessageBoxOwner(&unloaded);
  SetActiveWindow(other_.hwnd());
  seen = ShowBox(main_.hwnd());
  ASSERT_TRUE(seen.shown);
  EXPECT_EQ(seen.owner, other_.hwnd());

  // A main form made but not shown yet (its start-up asks first): a box
  // owned by it would have no place on the screen of its own.
  tk::SetMessageBoxOwner(&main_);
  main_.Hide();
  SetActiveWindow(other_.hwnd());
  seen = ShowBox(main_.hwnd());
  ASSERT_TRUE(seen.shown);
  EXPECT_EQ(seen.owner, other_.hwnd());
}

}  // namespace
