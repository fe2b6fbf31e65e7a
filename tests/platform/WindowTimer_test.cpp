#include "platform/WindowTimer.h"

#include <gtest/gtest.h>

TEST(WindowTimer, FiresOncePerElapsedIntervalAndCatchesUp) {
  VirtualClock clock;
  WindowTimer timer(clock, 10);
  int ticks = 0;
  timer.OnTimer = [&] { ++ticks; };
  clock.Advance(50'000);
  timer.Poll();
  EXPECT_EQ(ticks, 0);  // disabled
  timer.SetEnabled(true);
  clock.Advance(9'999);
  timer.Poll();
  EXPECT_EQ(ticks, 0);
  EXPECT_NEAR(timer.SecondsUntilDue(), 0.000001, 1e-9);
  clock.Advance(1);
  timer.Poll();
  EXPECT_EQ(ticks, 1);
  clock.Advance(35'000);  // the loop was busy for three and a half intervals
  timer.Poll();
  EXPECT_EQ(ticks, 4);
  EXPECT_NEAR(timer.SecondsUntilDue(), 0.005, 1e-9);
  timer.SetEnabled(true);  // already enabled: the count goes on
  clock.Advance(5'000);
  timer.Poll();
  EXPECT_EQ(ticks, 5);
  timer.SetEnabled(false);
  timer.SetEnabled(true);  // re-enabling restarts from now
  clock.Advance(9'000);
  timer.Poll();
  EXPECT_EQ(ticks, 5);
}

TEST(WindowTimer, HandlerThatDisablesStopsTheCatchUp) {
  VirtualClock clock;
  WindowTimer timer(clock, 10);
  int ticks = 0;
  timer.OnTimer = [&] {
    if (++ticks == 2) timer.SetEnabled(false);
  };
  timer.SetEnabled(true);
  clock.Advance(100'000);
  timer.Poll();
  EXPECT_EQ(ticks, 2);
}
