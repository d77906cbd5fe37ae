#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>

#include "tests/support/Wait.h"
#include "toolkit/Events.h"
#include "toolkit/Frames.h"
#include "toolkit/Timer.h"

namespace {

using testsupport::PumpFor;

// Pumps events until done(), for at most a few seconds.
bool PumpUntil(const std::function<bool()>& done) { return testsupport::PumpUntil(done, std::chrono::seconds(5)); }

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
    PumpFor(std::chrono::milliseconds(150));
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
    if (++ticks == 1) PumpFor(std::chrono::milliseconds(150));
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
// came since for later; once a yield frame has passed it processes it, and a
// plain DoEvents always does.
TEST(BurstYield, ProcessesWhatIsPendingOnceAYieldFrameHasPassed) {
  Counter counter;
  ASSERT_NE(counter.hwnd, nullptr);
  int posted = 0;
  bool left = false;
  for (int round = 0; round < 20 && !left; ++round) {
    tk::DoEvents();
    PostMessageA(counter.hwnd, WM_APP, 0, 0);
    ++posted;
    tk::DoEventsInBurst();
    // Under a heavy load the frame may already have gone: try again.
    left = counter.count < posted;
  }
  ASSERT_TRUE(left) << "every yield in the burst processed at once";
  Sleep(static_cast<DWORD>(tk::kYieldFrameMicroseconds / 1000 + 1));
  tk::DoEventsInBurst();
  EXPECT_EQ(counter.count, posted);

  PostMessageA(counter.hwnd, WM_APP, 0, 0);
  tk::DoEvents();
  EXPECT_EQ(counter.count, posted + 1);
}

}  // namespace
