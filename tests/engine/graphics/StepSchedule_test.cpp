#include "engine/graphics/StepSchedule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Drawn frames every `framePeriod` ticks for `seconds`: every step falls due once, whatever
// the clock's frequency and the frame period, and none is run early.
TEST(StepSchedule, StepsKeepExactPaceWithTheClockAtAnyDrawnRate) {
  struct Case {
    int64_t Frequency;
    int64_t FramePeriod;  // in ticks
  };
  const std::vector<Case> cases = {
      {1'000'000'000, 11'111'111},  // about 90 frames a second, nanosecond ticks
      {1'000'000'000, 22'222'222},  // 45 frames a second
      {1'000'000, 16'667},          // 60 frames a second, microsecond ticks
      {1'000'000, 7'000},           // faster than the steps
      {1'000, 33},                  // millisecond ticks
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("frequency " + std::to_string(c.Frequency) + ", frame period " +
                 std::to_string(c.FramePeriod));
    StepSchedule schedule(c.Frequency);
    schedule.Restart(5);
    int64_t steps = 0;
    int64_t now = 5;
    for (; now <= 5 + 100 * c.Frequency; now += c.FramePeriod) {
      const int taken = schedule.TakeSteps(now);
      ASSERT_LE(taken, StepSchedule::kMaxStepsPerFrame);
      steps += taken;
      ASSERT_LE(schedule.DueAt(steps), now) << "a step ran before it was due";
      ASSERT_GT(schedule.DueAt(steps + 1), now) << "a due step was left";
    }
    const int64_t lastFrame = now - c.FramePeriod;
    EXPECT_EQ(steps, (lastFrame - 5) * StepSchedule::kStepsPerSecond / c.Frequency);
    EXPECT_GE(steps, 9000 - 3 * c.FramePeriod * StepSchedule::kStepsPerSecond / c.Frequency);
  }
}

TEST(StepSchedule, CatchUpIsBoundedPerFrameAndAStallDropsTheBacklog) {
  const int64_t frequency = 900;  // ten ticks a step
  StepSchedule schedule(frequency);
  schedule.Restart(0);
  EXPECT_EQ(schedule.TakeSteps(9), 0);
  EXPECT_EQ(schedule.TakeSteps(10), 1);
  EXPECT_EQ(schedule.TakeSteps(10), 0);
  // Eleven steps late: six now, the rest on the next frames.
  EXPECT_EQ(schedule.TakeSteps(120), 6);
  EXPECT_EQ(schedule.TakeSteps(120), 5);
  EXPECT_EQ(schedule.TakeSteps(120), 0);
  // Exactly the stall bound behind is still caught up ...
  const int64_t behind = 120 + 10 * StepSchedule::kStallSteps;
  int caughtUp = 0;
  for (int frame = 0; frame < 4; ++frame) caughtUp += schedule.TakeSteps(behind);
  EXPECT_EQ(caughtUp, StepSchedule::kStallSteps);
  // ... a step more is a stall: one step runs, the backlog goes, and the steps run from
  // then on as if the game had started there.
  const int64_t stalled = behind + 10 * (StepSchedule::kStallSteps + 1) + 3;
  EXPECT_EQ(schedule.TakeSteps(stalled), 1);
  EXPECT_EQ(schedule.TakeSteps(stalled + 9), 0);
  EXPECT_EQ(schedule.TakeSteps(stalled + 10), 1);
  EXPECT_EQ(schedule.DueAt(2), stalled + 20);
}

}  // namespace
