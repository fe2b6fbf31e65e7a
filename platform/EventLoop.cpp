#include "platform/EventLoop.h"

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

namespace {

// How long before a deadline the loop stops sleeping and polls: a little more than a
// sleep's usual lateness.
constexpr double kPollSeconds = 0.0003;

}  // namespace

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
  // Whole milliseconds but the last: sleep in the event queue, waking for any event. SDL
  // counts the wait in whole milliseconds and the wake-up itself comes late on a busy
  // machine, so a millisecond is kept back for the steps below.
  const double wholeMs = std::floor(seconds * 1000.0) - 1;
  if (wholeMs >= 1) {
    SDL_Event event;
    const int timeout = static_cast<int>(std::min(wholeMs, 1000.0));
    if (SDL_WaitEventTimeout(&event, timeout) != 0) {
      if (!window_.HandleSdlEvent(event)) quit_ = true;
      return;
    }
  }
  // The fraction left: a precise sleep to just before the deadline, then polls that give the
  // processor away between looks, so the frame runs on time without burning a core.
  const int64_t pollSpan = static_cast<int64_t>(kPollSeconds * frequency);
  const int64_t left = deadline - clock_.Now();
  if (left > pollSpan) {
    std::this_thread::sleep_for(std::chrono::duration<double>((left - pollSpan) / frequency));
  }
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
