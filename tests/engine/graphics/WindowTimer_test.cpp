#include "engine/graphics/WindowTimer.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/graphics/LoopHooks.h"
#include "platform/Clock.h"

namespace {

constexpr int64_t kMs = VirtualClock::kTicksPerSecond / 1000;

struct TimerRig {
  VirtualClock clock;
  LoopHooks loop{clock};
  WindowTimer timer{loop};
  std::vector<int64_t> deliveries;  // ElapsedIntervals of each delivery

  TimerRig() {
    timer.SetInterval(10);
    timer.SetOnTimer([this] { deliveries.push_back(timer.ElapsedIntervals()); });
  }
  double IdleAfter(int64_t ticks) {
    clock.Advance(ticks);
    return loop.RunIdle();
  }
};

TEST(WindowTimer, RunsOnlyWhenEnabledWithAHandlerAndAnInterval) {
  TimerRig rig;
  EXPECT_EQ(rig.IdleAfter(50 * kMs), LoopHooks::kNoDeadline);
  rig.timer.SetEnabled(true);
  rig.timer.SetInterval(0);
  EXPECT_EQ(rig.IdleAfter(50 * kMs), LoopHooks::kNoDeadline);
  rig.timer.SetInterval(10);
  rig.timer.SetOnTimer(nullptr);
  EXPECT_EQ(rig.IdleAfter(50 * kMs), LoopHooks::kNoDeadline);
  EXPECT_TRUE(rig.deliveries.empty());
}

TEST(WindowTimer, MergesLateDeliveriesButKeepsItsGrid) {
  TimerRig rig;
  rig.timer.SetEnabled(true);
  EXPECT_DOUBLE_EQ(rig.IdleAfter(0), 0.010);
  EXPECT_DOUBLE_EQ(rig.IdleAfter(9 * kMs), 0.001);
  EXPECT_DOUBLE_EQ(rig.IdleAfter(1 * kMs), 0.010);   // delivered at 10 ms
  EXPECT_DOUBLE_EQ(rig.IdleAfter(35 * kMs), 0.005);  // 45 ms: 20, 30, 40 in one delivery
  EXPECT_DOUBLE_EQ(rig.IdleAfter(5 * kMs), 0.010);   // 50 ms
  EXPECT_EQ(rig.deliveries, (std::vector<int64_t>{1, 3, 1}));
}

TEST(WindowTimer, RestartsItsPeriodWhenReEnabled) {
  TimerRig rig;
  rig.timer.SetEnabled(true);
  rig.IdleAfter(7 * kMs);
  rig.timer.SetEnabled(false);
  rig.timer.SetEnabled(true);
  EXPECT_DOUBLE_EQ(rig.IdleAfter(7 * kMs), 0.003);
  EXPECT_TRUE(rig.deliveries.empty());
}

TEST(WindowTimer, TheLoopWaitsForTheNearerOfTimerAndIdleHandler) {
  TimerRig rig;
  rig.timer.SetEnabled(true);
  rig.loop.OnIdle = [] { return 0.004; };
  EXPECT_DOUBLE_EQ(rig.IdleAfter(0), 0.004);
  rig.loop.OnIdle = [] { return 0.5; };
  EXPECT_DOUBLE_EQ(rig.IdleAfter(0), 0.010);
}

TEST(WindowTimer, AHandlerMayDestroyItsOwnTimer) {
  VirtualClock clock;
  LoopHooks loop{clock};
  auto timer = std::make_unique<WindowTimer>(loop);
  int calls = 0;
  timer->SetInterval(10);
  timer->SetOnTimer([&] {
    ++calls;
    timer.reset();
  });
  timer->SetEnabled(true);
  clock.Advance(10 * kMs);
  EXPECT_EQ(loop.RunIdle(), LoopHooks::kNoDeadline);
  EXPECT_EQ(calls, 1);
}

}  // namespace
