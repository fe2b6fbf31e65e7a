#include "engine/graphics/WindowTimer.h"

#include "engine/graphics/LoopHooks.h"
#include "platform/Clock.h"

WindowTimer::WindowTimer(LoopHooks& loop) : loop_(loop) {
  loop_.Register(this);
}

WindowTimer::~WindowTimer() {
  loop_.Unregister(this);
}

void WindowTimer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Restart();
}

void WindowTimer::SetInterval(uint32_t milliseconds) {
  interval_ms_ = milliseconds;
  Restart();
}

void WindowTimer::SetOnTimer(std::function<void()> handler) {
  on_timer_ = std::move(handler);
  Restart();
}

void WindowTimer::Restart() {
  const Clock& clock = loop_.GetClock();
  interval_ticks_ = clock.Frequency() * interval_ms_ / 1000;
  if (interval_ticks_ < 1) interval_ticks_ = 1;
  next_due_ = clock.Now() + interval_ticks_;
}

void WindowTimer::DeliverIfDue() {
  if (!Running()) return;
  const int64_t now = loop_.GetClock().Now();
  if (now < next_due_) return;
  // Periods stay on the grid laid at the start, so merged deliveries lose no time.
  elapsed_intervals_ = (now - next_due_) / interval_ticks_ + 1;
  next_due_ += elapsed_intervals_ * interval_ticks_;
  // The handler may change or destroy this timer: copy what it needs before the call.
  std::function<void()> handler = on_timer_;
  handler();
}
