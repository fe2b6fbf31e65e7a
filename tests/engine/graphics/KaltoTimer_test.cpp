#include "engine/graphics/KaltoTimer.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/Clock.h"
#include "platform/Window.h"

namespace {

WindowConfig HeadlessWindow() {
  WindowConfig config;
  config.Headless = true;
  return config;
}

constexpr int64_t kMs = VirtualClock::kTicksPerSecond / 1000;

// A frame timer on a virtual clock (microsecond ticks), polled the way the main loop polls.
struct TimerRig {
  VirtualClock clock;
  Window window{HeadlessWindow()};
  EventLoop loop{window, clock};
  TKaltoTimer timer{clock, loop};
  int frames = 0;

  explicit TimerRig(bool withHandler = true) {
    if (withHandler) timer.OnTimer = [this](TKaltoTimer&) { ++frames; };
  }
  // The game's settings.
  void Configure(int32_t target, int32_t min, int32_t max) {
    timer.SetTargetFPS(target);
    timer.SetMinFPS(min);
    timer.SetMaxFPS(max);
  }
  // Advances the clock, then lets the loop run its idle pass; returns the frames it ran.
  int PollAfter(int64_t ticks) {
    clock.Advance(ticks);
    const int before = frames;
    loop.RunOnce();
    return frames - before;
  }
  // Runs the loop for `ticks`, sleeping each time exactly as long as the idle pass asked.
  void RunLoopFor(int64_t ticks) {
    const int64_t end = clock.Now() + ticks;
    while (clock.Now() < end) {
      const double wait = loop.RunOnce();
      ASSERT_LT(wait, IdleHandler::kIdleForever);
      clock.Advance(std::max<int64_t>(1, static_cast<int64_t>(std::ceil(wait * 1e6))));
    }
  }
};

TEST(KaltoTimer, ConstructionDefaults) {
  TimerRig rig;
  EXPECT_FALSE(rig.timer.Enabled());
  EXPECT_EQ(rig.timer.TargetFPS(), 0);
  EXPECT_EQ(rig.timer.MinFPS(), 10);
  EXPECT_EQ(rig.timer.MaxFPS(), 120);
  EXPECT_EQ(rig.timer.FPSWarningFrames(), 10);
  EXPECT_FALSE(rig.timer.LossyMode());
  EXPECT_EQ(rig.loop.GetIdleHandler(), nullptr);
}

// One enabled timer, normal mode: which polls run a frame and what the frame reports.
struct PollCase {
  const char* name;
  int32_t target, min, max;
  int64_t pollAfter;  // ticks after enabling
  bool runsFrame;
  double frameDelta;      // checked when a frame runs
  double elapsedSeconds;  // checked when a frame runs
};

class KaltoTimerPoll : public ::testing::TestWithParam<PollCase> {};

TEST_P(KaltoTimerPoll, DecidesTheFrameAndReportsItsLength) {
  const PollCase& c = GetParam();
  TimerRig rig;
  rig.Configure(c.target, c.min, c.max);
  rig.timer.SetEnabled(true);
  EXPECT_EQ(rig.PollAfter(c.pollAfter), c.runsFrame ? 1 : 0);
  if (c.runsFrame) {
    EXPECT_NEAR(rig.timer.FrameDelta(), c.frameDelta, 1e-4);
    EXPECT_NEAR(rig.timer.ElapsedSeconds(), c.elapsedSeconds, 1e-6);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KaltoTimerPoll,
    ::testing::Values(
        // 90 a second: the period is 11111 ticks; a frame runs at the first poll after it.
        PollCase{"BeforeThePeriod", 90, 10, 120, 11110, false, 0, 0},
        PollCase{"AtThePeriod", 90, 10, 120, 11111, true, 1.0, 0.011111},
        PollCase{"LateFrame", 90, 10, 120, 50'000, true, 50'000 / 11111.0, 0.05},
        // Slower than MinFPS: counted as one minimum-rate period (delta about 9.0).
        PollCase{"StallClamped", 90, 10, 120, 500'000, true, 100'000 / 11111.0, 0.1},
        PollCase{"MinZeroNoClamp", 90, 0, 120, 500'000, true, 500'000 / 11111.0, 0.5},
        PollCase{"MinNegativeNoClamp", 90, -3, 120, 500'000, true, 500'000 / 11111.0, 0.5},
        // Target 0: any poll MaxFPS allows runs a frame; delta and seconds are both seconds.
        PollCase{"TargetZeroBelowMaxRate", 0, 10, 120, 8332, false, 0, 0},
        PollCase{"TargetZeroAtMaxRate", 0, 10, 120, 8333, true, 0.008333, 0.008333},
        PollCase{"TargetZeroNoMax", 0, 10, 0, 1, true, 0.000001, 0.000001},
        // A negative MaxFPS keeps the bound of the last positive value (120 by default).
        PollCase{"NegativeMaxKeepsPeriod", 0, 10, -1, 8000, false, 0, 0},
        // MaxFPS above the target: the target decides.
        PollCase{"MaxBelowTarget", 200, 10, 100, 5000, false, 0, 0},
        PollCase{"MaxBoundsTarget", 200, 10, 100, 10'000, true, 2.0, 0.01}),
    [](const ::testing::TestParamInfo<PollCase>& param) { return std::string(param.param.name); });

TEST(KaltoTimer, LoopThatWaitsAsAskedRunsNinetyFramesASecond) {
  TimerRig rig;
  rig.Configure(90, 10, 120);
  rig.timer.SetEnabled(true);
  EXPECT_NEAR(rig.loop.RunOnce(), 0.011111, 1e-9);  // the whole first period
  rig.RunLoopFor(2 * VirtualClock::kTicksPerSecond);
  EXPECT_EQ(rig.timer.CurrentFPS(), 90);
  EXPECT_GE(rig.frames, 179);
  EXPECT_FLOAT_EQ(rig.timer.FrameDelta(), 1.0f);
}

TEST(KaltoTimer, WarningRisesOnTheTenthSlowPollAndFallsOnTheFirstFastOne) {
  TimerRig rig;
  rig.Configure(90, 10, 120);
  rig.timer.SetEnabled(true);
  for (int poll = 1; poll <= 9; ++poll) {
    EXPECT_EQ(rig.PollAfter(150 * kMs), 1);
    EXPECT_FALSE(rig.timer.FPSWarning()) << "poll " << poll;
  }
  rig.PollAfter(150 * kMs);
  EXPECT_TRUE(rig.timer.FPSWarning());
  rig.PollAfter(150 * kMs);
  EXPECT_TRUE(rig.timer.FPSWarning()) << "each further slow poll keeps it";
  rig.PollAfter(100 * kMs);  // exactly 1/MinFPS is not slow
  EXPECT_FALSE(rig.timer.FPSWarning());
  // The counter started again from zero.
  for (int poll = 1; poll <= 9; ++poll) rig.PollAfter(150 * kMs);
  EXPECT_FALSE(rig.timer.FPSWarning());
}

TEST(KaltoTimer, SlowPollsCountEvenWithoutAFrameAndFramesWarningResetsThem) {
  TimerRig rig;
  rig.Configure(5, 10, 120);  // a 200 ms target can never be reached once clamped to 100 ms
  rig.timer.SetEnabled(true);
  EXPECT_EQ(rig.loop.RunOnce(), IdleHandler::kIdleForever);
  for (int poll = 1; poll <= 3; ++poll) EXPECT_EQ(rig.PollAfter(300 * kMs), 0);
  rig.timer.SetFPSWarningFrames(3);  // a new threshold starts the count again
  for (int poll = 1; poll <= 2; ++poll) rig.PollAfter(kMs);
  EXPECT_FALSE(rig.timer.FPSWarning());
  rig.PollAfter(kMs);
  EXPECT_TRUE(rig.timer.FPSWarning());
}

TEST(KaltoTimer, EnablingResetsTheRateAndStartsTimingFromThatMoment) {
  TimerRig rig;
  rig.Configure(90, 10, 120);
  rig.timer.SetEnabled(true);
  rig.RunLoopFor(1'500 * kMs);
  EXPECT_GT(rig.timer.CurrentFPS(), 0);

  rig.timer.SetEnabled(false);
  rig.clock.Advance(5 * VirtualClock::kTicksPerSecond);
  rig.timer.SetEnabled(true);
  EXPECT_EQ(rig.timer.CurrentFPS(), 0);
  EXPECT_EQ(rig.PollAfter(11110), 0) << "the time spent disabled does not count";
  EXPECT_EQ(rig.PollAfter(1), 1);
  EXPECT_FLOAT_EQ(rig.timer.FrameDelta(), 1.0f);
}

TEST(KaltoTimer, HandlerAssignedAfterEnablingStartsAtTheNextSourceChange) {
  TimerRig rig(/*withHandler=*/false);
  rig.Configure(90, 10, 120);
  rig.timer.SetEnabled(true);
  rig.timer.OnTimer = [&rig](TKaltoTimer&) { ++rig.frames; };
  EXPECT_EQ(rig.loop.GetIdleHandler(), nullptr);
  EXPECT_EQ(rig.PollAfter(100 * kMs), 0);

  rig.timer.SetTargetFPS(60);
  EXPECT_NE(rig.loop.GetIdleHandler(), nullptr);
  EXPECT_EQ(rig.PollAfter(17 * kMs), 1);
}

// An idle handler that was in the loop's slot before the timer.
struct CountingIdle : IdleHandler {
  int calls = 0;
  double OnIdle() override {
    ++calls;
    return 0.5;
  }
};

TEST(KaltoTimer, ChainsTheIdleHandlerItFoundAndAStrayPollWhileDisabledDoesNothing) {
  VirtualClock clock;
  Window window{HeadlessWindow()};
  EventLoop loop{window, clock};
  CountingIdle chained;
  loop.SetIdleHandler(&chained);
  TKaltoTimer timer{clock, loop};
  int frames = 0;
  timer.OnTimer = [&frames](TKaltoTimer&) { ++frames; };
  timer.SetTargetFPS(90);

  clock.Advance(VirtualClock::kTicksPerSecond);
  EXPECT_EQ(timer.Tick(), IdleHandler::kIdleForever);
  EXPECT_EQ(frames, 0);
  EXPECT_EQ(chained.calls, 0);

  timer.SetEnabled(true);
  clock.Advance(20 * kMs);
  EXPECT_NEAR(loop.RunOnce(), 0.011111, 1e-9) << "the nearer of its own and the chained wait";
  EXPECT_EQ(frames, 1);
  EXPECT_EQ(chained.calls, 1);

  timer.SetEnabled(false);
  EXPECT_EQ(loop.GetIdleHandler(), nullptr) << "disabling empties the slot, chained or not";
}

TEST(KaltoTimer, LossyModeRunsOneFramePerWindowTimerDelivery) {
  TimerRig rig;
  rig.Configure(90, 10, 120);
  rig.timer.SetLossyMode(true);
  rig.timer.SetEnabled(true);
  EXPECT_EQ(rig.loop.GetIdleHandler(), nullptr);

  EXPECT_EQ(rig.PollAfter(10'999), 0) << "1000 div 90 ms";
  EXPECT_EQ(rig.PollAfter(1), 1);
  EXPECT_NEAR(rig.timer.FrameDelta(), 11'000 / 11111.0, 1e-4);
  // Busy for 5 periods: the merged deliveries run one frame, not a catch-up; no clamp.
  EXPECT_EQ(rig.PollAfter(500 * kMs), 1);
  EXPECT_NEAR(rig.timer.FrameDelta(), 500'000 / 11111.0, 1e-3);
  EXPECT_FALSE(rig.timer.FPSWarning());

  rig.timer.SetTargetFPS(0);
  EXPECT_EQ(rig.PollAfter(100 * kMs), 0) << "lossy with no target has no source";
  rig.timer.SetTargetFPS(90);
  rig.timer.SetLossyMode(false);
  EXPECT_NE(rig.loop.GetIdleHandler(), nullptr);
  EXPECT_EQ(rig.PollAfter(12 * kMs), 1);
}

}  // namespace
