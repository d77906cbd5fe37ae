#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/WindowOrder.h"
#include "toolkit/Events.h"
#include "toolkit/Form.h"
#include "toolkit/Screen.h"

namespace {

// A form that records its events; a test may make a handler cancel, unload
// the form while it loads, or swallow keys.
class RecordingForm : public tk::Form {
 public:
  std::vector<std::string> events;
  int cancelQueryUnload = 0;
  bool unloadWhileLoading = false;

 protected:
  void Form_Initialize() override { events.push_back("Initialize"); }
  void Form_Load() override {
    events.push_back("Load");
    if (unloadWhileLoading) Unload();
  }
  void Form_QueryUnload(int& cancel, int mode) override {
    events.push_back("QueryUnload" + std::to_string(mode));
    cancel = cancelQueryUnload;
  }
  void Form_Unload(int&) override { events.push_back("Unload"); }
  void Form_MouseDown(int button, int shift, float x, float y) override {
    events.push_back("MouseDown " + std::to_string(button) + " " + std::to_string(static_cast<int>(x)) + "," +
                     std::to_string(static_cast<int>(y)));
  }
  void Form_KeyPress(int& key) override {
    events.push_back("KeyPress " + std::to_string(key));
    if (key == 'x') key = 0;
    if (key == 'a') key = 'b';
  }
};

TEST(Form, FixedSingleFormHasItsClientSizeAndPositionInTwips) {
  ASSERT_EQ(tk::TwipsPerPixelX(), 15);
  RecordingForm f;
  f.SetBorder(tk::FormBorder::FixedSingle);
  f.SetCaption("Installazione");
  f.SetClientSize(5520, 1590);
  f.Move(1000, 1000);
  f.Show();
  ASSERT_TRUE(f.Loaded());
  RECT client;
  ASSERT_TRUE(GetClientRect(f.hwnd(), &client));
  EXPECT_EQ(client.right, 368);
  EXPECT_EQ(client.bottom, 106);
  EXPECT_DOUBLE_EQ(f.ScaleWidth(), 5520);
  EXPECT_DOUBLE_EQ(f.ScaleHeight(), 1590);
  RECT outer;
  ASSERT_TRUE(GetWindowRect(f.hwnd(), &outer));
  EXPECT_EQ(outer.left, 67);  // 1000 twips = 66.67 pixels, rounded
  EXPECT_EQ(outer.top, 67);
  LONG style = GetWindowLongA(f.hwnd(), GWL_STYLE);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MAXIMIZEBOX));
  char caption[64] = {};
  GetWindowTextA(f.hwnd(), caption, sizeof caption);
  EXPECT_STREQ(caption, "Installazione");

  // Other border styles: the client size is kept whatever the frame.
  RecordingForm popup;
  popup.SetBorder(tk::FormBorder::FixedSingleNoTitle);
  popup.SetClientSize(5220, 5400);
  ASSERT_TRUE(popup.Load());
  ASSERT_TRUE(GetClientRect(popup.hwnd(), &client));
  EXPECT_EQ(client.right, 348);
  EXPECT_EQ(client.bottom, 360);
  EXPECT_NE(GetWindowLongA(popup.hwnd(), GWL_STYLE) & WS_CAPTION, WS_CAPTION);
}

TEST(Form, LifecycleRunsInitializeOnceAndLoadPerWindowAndHonoursCancel) {
  RecordingForm f;
  f.Show();
  HWND first = f.hwnd();
  ASSERT_TRUE(first);

  // The system's close command: a cancel keeps the window.
  f.cancelQueryUnload = 1;
  SendMessageA(first, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(first));
  f.cancelQueryUnload = 0;
  SendMessageA(first, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(first));
  EXPECT_FALSE(f.Loaded());

  // Shown again: a new window, Load again, Initialize not again.
  f.Show();
  EXPECT_TRUE(f.Loaded());
  EXPECT_TRUE(f.Unload());
  EXPECT_EQ(f.events, (std::vector<std::string>{"Initialize", "Load", "QueryUnload0", "QueryUnload0", "Unload",
                                                "Load", "QueryUnload1", "Unload"}));

  // A form that unloads itself while loading is not shown by the Show that loaded it.
  RecordingForm gone;
  gone.unloadWhileLoading = true;
  gone.Show();
  EXPECT_FALSE(gone.Loaded());
}

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
    g_probe = {owner.hwnd(), &dialog, hide};
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

TEST(Form, MouseDownOnTheFaceAndKeysReachTheFormInTwips) {
  RecordingForm f;
  f.SetClientSize(3000, 3000);
  f.Show();
  SendMessageA(f.hwnd(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 20));
  SendMessageA(f.hwnd(), WM_RBUTTONUP, 0, MAKELPARAM(10, 20));
  SendMessageA(f.hwnd(), WM_CHAR, 'q', 0);
  ASSERT_GE(f.events.size(), 4u);
  EXPECT_EQ(f.events[2], "MouseDown 2 150,300");
  EXPECT_EQ(f.events[3], "KeyPress 113");

  // With key preview, characters typed into a child go through KeyPress
  // first, which may change or swallow them.
  HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, f.hwnd(), nullptr, nullptr, nullptr);
  ASSERT_TRUE(edit);
  f.KeyPreview = true;
  for (char c : std::string("axc")) PostMessageA(edit, WM_CHAR, static_cast<WPARAM>(c), 0);
  tk::DoEvents();
  char text[16] = {};
  GetWindowTextA(edit, text, sizeof text);
  EXPECT_STREQ(text, "bc");
}

}  // namespace
