#include "core/RaceTime.h"

#include <gtest/gtest.h>

TEST(RaceTime, AdvanceCarriesIntoSecondsAndMinutes) {
  RaceTime t{99, 59, 2};
  t.Advance();
  EXPECT_EQ(t, (RaceTime{0, 0, 3}));
  RaceTime u{98, 10, 0};
  u.Advance();
  EXPECT_EQ(u, (RaceTime{99, 10, 0}));
  u.Advance();
  EXPECT_EQ(u, (RaceTime{0, 11, 0}));
}

TEST(RaceTime, IsNotSlowerComparesMinutesThenSecondsThenHundredths) {
  struct Case {
    RaceTime a, b;
    bool expected;
  };
  const Case cases[] = {
      {{50, 30, 1}, {50, 30, 1}, true},   // equal times
      {{50, 30, 1}, {49, 30, 1}, true},   // b faster by a hundredth
      {{50, 30, 1}, {51, 30, 1}, false},  // b slower by a hundredth
      {{0, 0, 2}, {99, 59, 1}, true},     // minutes decide first
      {{99, 10, 1}, {0, 11, 1}, false},   // seconds before hundredths
      {RaceTime::None(), {0, 0, 999}, true}, {{0, 0, 999}, RaceTime::None(), false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsNotSlower(c.a, c.b), c.expected)
        << c.a.Minutes << ":" << c.a.Seconds << ":" << c.a.Hundredths << " vs " << c.b.Minutes
        << ":" << c.b.Seconds << ":" << c.b.Hundredths;
  }
}
