#include "platform/WindowTimer.h"

#include <algorithm>

WindowTimer::WindowTimer(const Clock& clock, int intervalMs)
    : clock_(clock), intervalMs_(std::max(intervalMs, 1)) {}

int64_t WindowTimer::IntervalTicks() const {
  return std::max<int64_t>(clock_.Frequency() * intervalMs_ / 1000, 1);
}

void WindowTimer::SetEnabled(bool enabled) {
  if (enabled && !enabled_) nextDue_ = clock_.Now() + IntervalTicks();
  enabled_ = enabled;
}

void WindowTimer::SetIntervalMs(int intervalMs) {
  intervalMs_ = std::max(intervalMs, 1);
  if (enabled_) nextDue_ = clock_.Now() + IntervalTicks();
}

void WindowTimer::Poll() {
  // The handler may disable the timer; stop catching up then.
  while (enabled_ && clock_.Now() >= nextDue_) {
    nextDue_ += IntervalTicks();
    if (OnTimer) OnTimer();
  }
}

double WindowTimer::SecondsUntilDue() const {
  if (!enabled_) return 1e9;
  const int64_t left = nextDue_ - clock_.Now();
  return left <= 0 ? 0.0 : static_cast<double>(left) / static_cast<double>(clock_.Frequency());
}
