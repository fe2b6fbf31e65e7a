#pragma once
#include <cstdint>
#include <functional>

#include "platform/Clock.h"

// A periodic timer run from the event loop (or polled by a test): OnTimer is called once
// per whole interval elapsed on the clock since it was enabled. Intervals that passed while
// the loop was busy are caught up on the next poll, so counting calls counts true time.
class WindowTimer {
 public:
  WindowTimer(const Clock& clock, int intervalMs);

  std::function<void()> OnTimer;

  // Enabling (from disabled) restarts the count from now.
  void SetEnabled(bool enabled);
  bool Enabled() const { return enabled_; }
  int IntervalMs() const { return intervalMs_; }
  void SetIntervalMs(int intervalMs);

  // Calls OnTimer for every interval now elapsed.
  void Poll();
  // Seconds until the next call is due (0 when overdue); a large value when disabled.
  double SecondsUntilDue() const;

 private:
  const Clock& clock_;
  int intervalMs_;
  bool enabled_ = false;
  int64_t nextDue_ = 0;  // clock ticks
  int64_t IntervalTicks() const;
};
