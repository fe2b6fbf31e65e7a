#pragma once
#include <vector>

#include "platform/Clock.h"
#include "platform/Window.h"
#include "platform/WindowTimer.h"

// Called by the loop whenever the event queue is empty. Returns the seconds until it wants
// to be called again (its next frame is due): <= 0 means "at once"; kIdleForever means
// "only after the next event".
class IdleHandler {
 public:
  static constexpr double kIdleForever = 1e9;
  virtual ~IdleHandler() = default;
  virtual double OnIdle() = 0;
};

// The main loop. Each turn: every pending event is dispatched to the window; due timers
// fire; when the queue is empty the idle handler runs. Then the loop waits for the earliest
// of (idle handler's answer, next timer): SDL_WaitEventTimeout for the whole milliseconds
// left, so an event is handled at once and no core is burnt, then it polls, yielding the
// processor, through the last fraction of a millisecond, so a frame due in 11.1 ms runs
// after 11.1 ms and not after 12.
class EventLoop {
 public:
  EventLoop(Window& window, const Clock& clock);

  // One slot: whoever sets it last owns it; null means no idle handler.
  void SetIdleHandler(IdleHandler* handler) { idle_ = handler; }
  IdleHandler* GetIdleHandler() const { return idle_; }
  // Timers are not owned and must outlive their registration.
  void AddTimer(WindowTimer* timer);
  void RemoveTimer(WindowTimer* timer);

  // Runs until Quit() or an accepted close request.
  void Run();
  void Quit() { quit_ = true; }
  bool QuitRequested() const { return quit_; }

  // One turn without waiting: pending events, due timers, then the idle handler once.
  // Returns what the idle handler answered (kIdleForever without one).
  double RunOnce();

 private:
  Window& window_;
  const Clock& clock_;
  IdleHandler* idle_ = nullptr;
  std::vector<WindowTimer*> timers_;
  bool quit_ = false;

  bool DispatchPending();
  void PollTimers();
  double SecondsUntilNextTimer() const;
  void WaitUntil(double seconds);
};
