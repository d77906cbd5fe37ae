#include <gtest/gtest.h>

#include <algorithm>

#include "toolkit/Events.h"
#include "toolkit/Timer.h"

namespace {

// Pumps events until done() or rounds of 10 ms have gone by.
template <class Done>
bool PumpUntil(Done done, int rounds = 200) {
  for (int i = 0; i < rounds && !done(); ++i) {
    tk::DoEvents();
    Sleep(10);
  }
  return done();
}

TEST(TimerControl, FiresWhileEnabledAndStopsWhenDisabledOrWithoutInterval) {
  tk::TimerControl t;
  int ticks = 0;
  t.Timer = [&] { ++ticks; };
  EXPECT_FALSE(t.Running());
  t.SetInterval(20);
  ASSERT_TRUE(PumpUntil([&] { return ticks >= 3; }));
  for (auto stop : {+[](tk::TimerControl& x) { x.SetEnabled(false); }, +[](tk::TimerControl& x) { x.SetInterval(0); }}) {
    stop(t);
    EXPECT_FALSE(t.Running());
    int stopped = ticks;
    PumpUntil([] { return false; }, 15);
    EXPECT_EQ(ticks, stopped);
    t.SetEnabled(true);
    t.SetInterval(20);
    ASSERT_TRUE(PumpUntil([&] { return ticks > stopped; }));
  }
}

TEST(TimerControl, AHandlerThatYieldsIsNotEnteredAgain) {
  tk::TimerControl t;
  int depth = 0, deepest = 0, ticks = 0;
  t.Timer = [&] {
    deepest = std::max(deepest, ++depth);
    if (++ticks == 1) PumpUntil([] { return false; }, 15);
    --depth;
  };
  t.SetInterval(10);
  ASSERT_TRUE(PumpUntil([&] { return ticks >= 3; }));
  EXPECT_EQ(deepest, 1);
}

}  // namespace

namespace {

// A message-only window that counts the messages it is sent.
struct Counter {
  static LRESULT CALLBACK Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_APP) ++*reinterpret_cast<int*>(GetWindowLongPtrA(h, GWLP_USERDATA));
    return DefWindowProcA(h, m, w, l);
  }
  Counter() {
    WNDCLASSA c{};
    c.lpfnWndProc = Proc;
    c.lpszClassName = "BurstYieldCounter";
    RegisterClassA(&c);
    hwnd = CreateWindowA("BurstYieldCounter", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&count));
  }
  ~Counter() { DestroyWindow(hwnd); }
  HWND hwnd = nullptr;
  int count = 0;
};

// Inside a burst, a yield right after events were processed leaves what
// came since for later; once 5 ms have passed it processes it, and a plain
// DoEvents always does.
TEST(BurstYield, ProcessesWhatIsPendingOnceFiveMillisecondsHavePassed) {
  Counter counter;
  ASSERT_NE(counter.hwnd, nullptr);
  int posted = 0;
  bool left = false;
  for (int round = 0; round < 20 && !left; ++round) {
    tk::DoEvents();
    PostMessageA(counter.hwnd, WM_APP, 0, 0);
    ++posted;
    tk::DoEventsInBurst();
    // Under a heavy load the 5 ms may already have gone: try again.
    left = counter.count < posted;
  }
  ASSERT_TRUE(left) << "every yield in the burst processed at once";
  Sleep(6);
  tk::DoEventsInBurst();
  EXPECT_EQ(counter.count, posted);

  PostMessageA(counter.hwnd, WM_APP, 0, 0);
  tk::DoEvents();
  EXPECT_EQ(counter.count, posted + 1);
}

}  // namespace
