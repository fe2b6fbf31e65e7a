#pragma once
#include <functional>
#include <limits>
#include <vector>

class Clock;
class WindowTimer;

// What the main loop offers the components that run from it, as an application object
// does: one idle-handler slot and periodic window timers, both served on the loop's thread.
// The platform loop calls RunIdle whenever its event queue is empty and then waits for the
// next event at most as long as RunIdle asked.
class LoopHooks {
 public:
  // Returns the seconds until the handler next needs a call: 0 asks to be polled again at
  // once, kNoDeadline lets the loop wait for the next event.
  using IdleHandler = std::function<double()>;
  static constexpr double kNoDeadline = std::numeric_limits<double>::infinity();

  explicit LoopHooks(const Clock& clock) : clock_(clock) {}
  LoopHooks(const LoopHooks&) = delete;
  LoopHooks& operator=(const LoopHooks&) = delete;

  // One slot: whoever sets it last owns it; empty means no idle handler.
  IdleHandler OnIdle;

  // Delivers every window timer that is due, then calls the idle handler. Returns how long
  // the loop may wait for an event before calling again (never negative).
  double RunIdle();

  const Clock& GetClock() const { return clock_; }

 private:
  friend class WindowTimer;
  void Register(WindowTimer* timer);
  void Unregister(WindowTimer* timer);

  const Clock& clock_;
  std::vector<WindowTimer*> timers_;
};
