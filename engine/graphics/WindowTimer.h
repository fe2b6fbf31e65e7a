#pragma once
#include <cstdint>
#include <functional>

class LoopHooks;

// A periodic timer of the main loop, like a window timer: while it is enabled, has a
// handler and a non-zero interval, OnTimer runs on the loop's thread each time the interval
// has passed. Deliveries the loop could not make in time (it was busy) are merged into one;
// ElapsedIntervals tells that delivery's handler how many intervals it stands for, so a
// handler that must keep true time can catch up. Changing Enabled, Interval or the handler
// restarts the period from that moment.
class WindowTimer {
 public:
  explicit WindowTimer(LoopHooks& loop);
  ~WindowTimer();
  WindowTimer(const WindowTimer&) = delete;
  WindowTimer& operator=(const WindowTimer&) = delete;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  uint32_t Interval() const { return interval_ms_; }
  void SetInterval(uint32_t milliseconds);
  void SetOnTimer(std::function<void()> handler);

  // During OnTimer: the whole intervals passed since the previous delivery (at least 1).
  int64_t ElapsedIntervals() const { return elapsed_intervals_; }

 private:
  friend class LoopHooks;
  bool Running() const { return enabled_ && interval_ms_ > 0 && on_timer_ != nullptr; }
  int64_t NextDue() const { return next_due_; }
  void Restart();
  void DeliverIfDue();

  LoopHooks& loop_;
  bool enabled_ = false;
  uint32_t interval_ms_ = 0;
  std::function<void()> on_timer_;
  int64_t interval_ticks_ = 0;
  int64_t next_due_ = 0;
  int64_t elapsed_intervals_ = 0;
};
