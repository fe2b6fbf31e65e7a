#include "platform/EventLoop.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>

EventLoop::EventLoop(Window& window, const Clock& clock) : window_(window), clock_(clock) {}

void EventLoop::AddTimer(WindowTimer* timer) {
  timers_.push_back(timer);
}

void EventLoop::RemoveTimer(WindowTimer* timer) {
  timers_.erase(std::remove(timers_.begin(), timers_.end(), timer), timers_.end());
}

bool EventLoop::DispatchPending() {
  SDL_Event event;
  while (!quit_ && SDL_PollEvent(&event)) {
    if (!window_.HandleSdlEvent(event)) quit_ = true;
  }
  return !quit_;
}

void EventLoop::PollTimers() {
  // A handler may remove timers; walk a copy.
  const std::vector<WindowTimer*> timers = timers_;
  for (WindowTimer* timer : timers) timer->Poll();
}

double EventLoop::SecondsUntilNextTimer() const {
  double soonest = IdleHandler::kIdleForever;
  for (const WindowTimer* timer : timers_) soonest = std::min(soonest, timer->SecondsUntilDue());
  return soonest;
}

double EventLoop::RunOnce() {
  if (!DispatchPending()) return IdleHandler::kIdleForever;
  PollTimers();
  return idle_ ? idle_->OnIdle() : IdleHandler::kIdleForever;
}

void EventLoop::WaitUntil(double seconds) {
  if (seconds <= 0) return;
  const double frequency = static_cast<double>(clock_.Frequency());
  const int64_t deadline = clock_.Now() + static_cast<int64_t>(seconds * frequency);
  // Whole milliseconds: sleep in the event queue, waking for any event.
  const double wholeMs = std::floor(seconds * 1000.0);
  if (wholeMs >= 1) {
    SDL_Event event;
    const int timeout = static_cast<int>(std::min(wholeMs, 1000.0));
    if (SDL_WaitEventTimeout(&event, timeout) != 0) {
      if (!window_.HandleSdlEvent(event)) quit_ = true;
      return;
    }
  }
  // The fraction left: poll, giving the processor away between looks.
  while (!quit_ && clock_.Now() < deadline) {
    if (SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT)) return;
    SDL_Delay(0);
  }
}

void EventLoop::Run() {
  while (!quit_) {
    const double idleWait = RunOnce();
    if (quit_) break;
    WaitUntil(std::min(idleWait, SecondsUntilNextTimer()));
  }
}
