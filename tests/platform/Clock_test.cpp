#include "platform/Clock.h"

#include <gtest/gtest.h>

TEST(Clock, RealClockIsMonotonicWithAFixedFrequency) {
  RealClock clock;
  EXPECT_GE(clock.Frequency(), 1000);
  const int64_t a = clock.Now();
  const int64_t b = clock.Now();
  EXPECT_LE(a, b);
}

TEST(Clock, VirtualClockMovesOnlyWhenAdvanced) {
  VirtualClock clock;
  EXPECT_EQ(clock.Now(), 0);
  clock.Advance(11'111);
  clock.AdvanceSeconds(0.5);
  EXPECT_EQ(clock.Now(), 511'111);
}
