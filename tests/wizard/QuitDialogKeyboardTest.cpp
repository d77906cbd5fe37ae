// Back from the quit dialog, by real keyboard input: the wizard is the
// active window again and the Enter key reaches it.
#include "engine/SetupState.h"
#include "tests/support/Wait.h"
#include "tests/support/WindowOrder.h"
#include "tests/wizard/NavigationTestFixture.h"
#include "wizard/FrmQuit.h"

namespace {

using navtest::WizardPages;

// Inside the dialog's modal loop a thread timer raises the disabled wizard,
// looks whether the dialog stays above it and clicks the highlighted Back
// picture. Should the click miss, the dialog is unloaded after a while so
// that the test fails instead of waiting for ever.
struct BackAnswer {
  HWND wizard = nullptr;
  int ticks = 0;
  bool clicked = false;
  bool dialogStaysAbove = false;
} g_answer;

void CALLBACK AnswerBack(HWND, UINT, UINT_PTR, DWORD) {
  FrmQuitWindow& q = FrmQuit();
  if (!q.Loaded()) return;
  if (++g_answer.ticks > 300) {
    q.Unload();
    return;
  }
  if (g_answer.clicked) return;
  SetWindowPos(g_answer.wizard, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  g_answer.dialogStaysAbove = testsupport::Above(q.hwnd(), g_answer.wizard);
  const RECT r = q.BackToSetup_Blu.PixelRect();
  const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  PostMessageA(q.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(q.hwnd(), WM_LBUTTONUP, 0, at);
  g_answer.clicked = true;
}

// The Enter key pressed and released on the keyboard.
void TypeEnter() {
  INPUT keys[2] = {};
  for (INPUT& k : keys) {
    k.type = INPUT_KEYBOARD;
    k.ki.wVk = VK_RETURN;
  }
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, keys, sizeof(INPUT));
}

TEST_F(WizardPages, BackFromTheQuitDialogLeavesTheWizardActiveAndEnterMovesItOn) {
  ASSERT_EQ(GetForegroundWindow(), w().hwnd());
  g_answer = {w().hwnd()};
  const UINT_PTR timer = SetTimer(nullptr, 0, 10, &AnswerBack);
  ASSERT_NE(timer, 0u);
  Click(w().EndSetup);
  KillTimer(nullptr, timer);
  ASSERT_TRUE(g_answer.clicked);
  EXPECT_LE(g_answer.ticks, 300) << "the Back click did not reach the dialog";
  EXPECT_FALSE(FrmQuit().Loaded());
  EXPECT_FALSE(QuitConfirmed);
  EXPECT_TRUE(g_answer.dialogStaysAbove) << "the disabled wizard rose above its dialog";

  EXPECT_TRUE(IsWindowEnabled(w().hwnd()));
  EXPECT_EQ(GetActiveWindow(), w().hwnd());
  EXPECT_EQ(GetForegroundWindow(), w().hwnd());
  TypeEnter();
  testsupport::PumpUntil([&] { return w().Step != 0; }, std::chrono::seconds(1));
  EXPECT_EQ(w().Step, 1);
}

}  // namespace
