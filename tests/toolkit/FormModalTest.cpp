// A modal form and its owner: which window the system activates as the
// form goes depends on which has the foreground, so these cases run with no
// other test beside them.
#include <gtest/gtest.h>

#include <vector>

#include "tests/support/WindowOrder.h"
#include "tests/toolkit/RecordingForm.h"
#include "toolkit/Win.h"

namespace {

using testsupport::RecordingForm;

// The windows the system activates on this thread, in order.
std::vector<HWND> g_activated;
LRESULT CALLBACK RecordActivation(int code, WPARAM wp, LPARAM lp) {
  if (code == HCBT_ACTIVATE) g_activated.push_back(reinterpret_cast<HWND>(wp));
  return CallNextHookEx(nullptr, code, wp, lp);
}

// Inside the modal loop a thread timer looks at the owner, raises it, and
// unloads or hides the dialog, noting the activations that this brings.
struct ModalProbe {
  HWND owner = nullptr;
  tk::Form* dialog = nullptr;
  bool hide = false;
  bool ownerDisabled = false;
  bool dialogStaysAbove = false;
  std::vector<HWND> activatedAsItWent;
} g_probe;

void CALLBACK ProbeModal(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  g_probe.ownerDisabled = !IsWindowEnabled(g_probe.owner);
  SetWindowPos(g_probe.owner, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  g_probe.dialogStaysAbove = testsupport::Above(g_probe.dialog->hwnd(), g_probe.owner);
  // Active as it goes, as when the user answers it (a program of a test
  // running beside this one may have taken the activation meanwhile).
  SetActiveWindow(g_probe.dialog->hwnd());
  g_activated.clear();
  if (g_probe.hide) g_probe.dialog->Hide();
  else g_probe.dialog->Unload();
  // What the going itself activated; a window of another program taking the
  // foreground later (a test running beside this one) is no part of it.
  g_probe.activatedAsItWent = g_activated;
}

TEST(Form, ShowModalKeepsItsOwnerDisabledAndBelowItThenHandsItTheActivation) {
  RecordingForm owner, dialog;
  owner.Show();
  HHOOK hook = SetWindowsHookExA(WH_CBT, &RecordActivation, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  for (bool hide : {false, true}) {
    SCOPED_TRACE(hide ? "hidden" : "unloaded");
    g_probe = ModalProbe{};
    g_probe.owner = owner.hwnd();
    g_probe.dialog = &dialog;
    g_probe.hide = hide;
    ASSERT_NE(SetTimer(nullptr, 0, 20, &ProbeModal), 0u);
    dialog.ShowModal();
    EXPECT_TRUE(g_probe.ownerDisabled);
    EXPECT_TRUE(g_probe.dialogStaysAbove);
    EXPECT_EQ(dialog.Loaded(), hide);
    EXPECT_TRUE(IsWindowEnabled(owner.hwnd()));
    // As the dialog went, the system gave the activation to its owner.
    EXPECT_EQ(g_probe.activatedAsItWent, std::vector<HWND>{owner.hwnd()});
    dialog.Unload();
  }
  UnhookWindowsHookEx(hook);
}

}  // namespace
