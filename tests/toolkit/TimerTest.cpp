#include <gtest/gtest.h>

#include "toolkit/Events.h"
#include "toolkit/Timer.h"

namespace {

// Pumps events until done() or about two seconds have gone by.
template <class Done>
bool PumpUntil(Done done) {
  for (int i = 0; i < 200 && !done(); ++i) {
    tk::DoEvents();
    Sleep(10);
  }
  return done();
}

void Pump(int rounds) {
  for (int i = 0; i < rounds; ++i) {
    tk::DoEvents();
    Sleep(10);
  }
}

TEST(TimerControl, FiresWhileEnabledWithAnIntervalAndStopsWhenDisabled) {
  tk::TimerControl t;
  int ticks = 0;
  t.Timer = [&] { ++ticks; };
  EXPECT_FALSE(t.Running());  // no interval yet
  t.SetInterval(20);
  ASSERT_TRUE(t.Running());
  ASSERT_TRUE(PumpUntil([&] { return ticks >= 3; }));

  t.SetEnabled(false);
  EXPECT_FALSE(t.Running());
  int stopped = ticks;
  Pump(10);
  EXPECT_EQ(ticks, stopped);

  t.SetEnabled(true);
  ASSERT_TRUE(PumpUntil([&] { return ticks > stopped; }));
  t.SetInterval(0);
  EXPECT_FALSE(t.Running());
  stopped = ticks;
  Pump(10);
  EXPECT_EQ(ticks, stopped);

  // Disabled before any interval: setting one does not start it.
  tk::TimerControl idle;
  idle.SetEnabled(false);
  idle.SetInterval(10);
  EXPECT_FALSE(idle.Running());
}

TEST(TimerControl, AHandlerThatYieldsIsNotEnteredAgain) {
  tk::TimerControl t;
  int depth = 0, deepest = 0, ticks = 0;
  t.Timer = [&] {
    ++ticks;
    ++depth;
    deepest = std::max(deepest, depth);
    if (ticks == 1) Pump(10);  // long enough for several intervals
    --depth;
  };
  t.SetInterval(10);
  ASSERT_TRUE(PumpUntil([&] { return ticks >= 3; }));
  EXPECT_EQ(deepest, 1);
}

}  // namespace
