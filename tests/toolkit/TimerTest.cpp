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
