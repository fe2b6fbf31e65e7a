#include "engine/graphics/LoopHooks.h"

#include <algorithm>

#include "engine/graphics/WindowTimer.h"
#include "platform/Clock.h"

double LoopHooks::RunIdle() {
  // By index: a handler may create or destroy timers while they are being served.
  for (size_t i = 0; i < timers_.size(); ++i) timers_[i]->DeliverIfDue();

  double wait = OnIdle ? OnIdle() : kNoDeadline;
  const int64_t now = clock_.Now();
  for (const WindowTimer* timer : timers_) {
    if (!timer->Running()) continue;
    const int64_t ticks = std::max<int64_t>(0, timer->NextDue() - now);
    wait = std::min(wait, static_cast<double>(ticks) / static_cast<double>(clock_.Frequency()));
  }
  return std::max(wait, 0.0);
}

void LoopHooks::Register(WindowTimer* timer) {
  timers_.push_back(timer);
}

void LoopHooks::Unregister(WindowTimer* timer) {
  timers_.erase(std::remove(timers_.begin(), timers_.end(), timer), timers_.end());
}
