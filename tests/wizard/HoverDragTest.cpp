// Dragging the wizard, in this process, by real mouse input: a press on the
// face and on the title label moves the window, a press on another label
// does not.
#include "tests/support/Wait.h"
#include "tests/wizard/NavigationTestFixture.h"

namespace {

using navtest::WizardPages;

// Presses the left button at a client point, moves the mouse by (dx, dy)
// and releases it, as real input; returns how far the window moved.
POINT DragFrom(HWND window, POINT client, int dx, int dy) {
  RECT before;
  GetWindowRect(window, &before);
  POINT at = client;
  ClientToScreen(window, &at);
  SetCursorPos(at.x, at.y);
  tk::DoEvents();
  const int cx = GetSystemMetrics(SM_CXSCREEN) - 1, cy = GetSystemMetrics(SM_CYSCREEN) - 1;
  INPUT input[3] = {};
  for (INPUT& i : input) i.type = INPUT_MOUSE;
  input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  input[1].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  input[1].mi.dx = (at.x + dx) * 65535 / cx;
  input[1].mi.dy = (at.y + dy) * 65535 / cy;
  input[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(3, input, sizeof(INPUT));
  testsupport::PumpFor(std::chrono::milliseconds(200));
  RECT after;
  GetWindowRect(window, &after);
  return {after.left - before.left, after.top - before.top};
}

// Counts the title-bar presses the window receives.
int gCaptionPresses = 0;
LRESULT CALLBACK CountCaptionPresses(int code, WPARAM wp, LPARAM lp) {
  const auto* m = reinterpret_cast<const CWPSTRUCT*>(lp);
  if (code == HC_ACTION && m->message == WM_NCLBUTTONDOWN && m->wParam == HTCAPTION) ++gCaptionPresses;
  return CallNextHookEx(nullptr, code, wp, lp);
}

TEST_F(WizardPages, DragsByTheFaceAndByTheTitleOnly) {
  HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, &CountCaptionPresses, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  const HWND window = w().hwnd();
  // In the screen's corner, away from the windows of tests running beside
  // this one (they appear in the middle).
  w().Move(0, 0);

  POINT moved = DragFrom(window, {450, 150}, 40, 30);  // the face
  EXPECT_EQ(gCaptionPresses, 1);
  EXPECT_EQ(moved.x, 40);
  EXPECT_EQ(moved.y, 30);

  moved = DragFrom(window, {60, 15}, -25, 20);  // Apptitle
  EXPECT_EQ(gCaptionPresses, 2);
  EXPECT_EQ(moved.x, -25);
  EXPECT_EQ(moved.y, 20);

  moved = DragFrom(window, {60, 50}, 30, 30);  // AppName
  EXPECT_EQ(gCaptionPresses, 2);
  EXPECT_EQ(moved.x, 0);
  EXPECT_EQ(moved.y, 0);

  UnhookWindowsHookEx(hook);
}

}  // namespace
