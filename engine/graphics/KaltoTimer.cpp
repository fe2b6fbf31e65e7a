#include "engine/graphics/KaltoTimer.h"

#include <algorithm>

TKaltoTimer::TKaltoTimer(const Clock& clock, EventLoop& loop)
    : clock_(clock),
      loop_(loop),
      frequency_(clock.Frequency()),
      chained_idle_(loop.GetIdleHandler()),
      lossy_timer_(clock, 1) {
  SetMinFPS(10);
  SetMaxFPS(120);
  SetFPSWarningFrames(10);
  lossy_timer_.OnTimer = [this] { OnLossyTimer(); };
  loop_.AddTimer(&lossy_timer_);
}

TKaltoTimer::~TKaltoTimer() {
  loop_.RemoveTimer(&lossy_timer_);
  loop_.SetIdleHandler(nullptr);
}

// The window timer calls once for every interval that passed; when the loop was busy,
// several calls come in a row and all but the last find the timer still overdue. Only the
// last one runs a frame: deliveries merged while the game was busy are lost.
void TKaltoTimer::OnLossyTimer() {
  if (lossy_timer_.SecondsUntilDue() > 0) Tick();
}

void TKaltoTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (enabled_) {
    last_frame_ = clock_.Now();
    second_mark_ = last_frame_;
    frame_counter_ = 0;
    current_fps_ = 0;
  }
  SelectPollSource();
}

void TKaltoTimer::SetTargetFPS(int32_t fps) {
  if (fps == target_fps_) return;
  target_fps_ = fps;
  if (fps > 0) {
    target_period_ = static_cast<int32_t>(frequency_ / fps);
    lossy_interval_ms_ = 1000 / fps;
  }
  SelectPollSource();
}

void TKaltoTimer::SetMinFPS(int32_t fps) {
  if (fps == min_fps_) return;
  min_fps_ = fps;
  if (fps > 0) min_period_ = static_cast<int32_t>(frequency_ / fps);
}

void TKaltoTimer::SetMaxFPS(int32_t fps) {
  if (fps == max_fps_) return;
  max_fps_ = fps;
  if (fps > 0) max_period_ = static_cast<int32_t>(frequency_ / fps);
}

void TKaltoTimer::SetFPSWarningFrames(int32_t frames) {
  if (frames == fps_warning_frames_) return;
  fps_warning_frames_ = frames;
  slow_polls_ = 0;
  fps_warning_ = false;
}

void TKaltoTimer::SetLossyMode(bool lossy) {
  lossy_mode_ = lossy;
  SelectPollSource();
}

void TKaltoTimer::SelectPollSource() {
  lossy_timer_.SetEnabled(false);
  if (lossy_mode_) {
    if (target_fps_ > 0 && enabled_ && OnTimer) {
      // A window timer runs at most once a millisecond.
      lossy_timer_.SetIntervalMs(std::max(lossy_interval_ms_, 1));
      lossy_timer_.SetEnabled(true);
    }
    loop_.SetIdleHandler(nullptr);
  } else {
    loop_.SetIdleHandler(enabled_ && OnTimer ? this : nullptr);
  }
}

double TKaltoTimer::Tick() {
  if (!enabled_) return IdleHandler::kIdleForever;
  current_ = clock_.Now();
  if (current_ - second_mark_ >= frequency_) {
    current_fps_ = frame_counter_;
    frame_counter_ = 0;
    second_mark_ = current_;
  }
  int64_t elapsed = current_ - last_frame_;
  if (lossy_mode_) {
    RunFrame(elapsed, target_period_);
  } else {
    elapsed = WatchSlowFrames(elapsed);
    if (max_fps_ != 0 && elapsed < max_period_) {
      // Faster than MaxFPS allows: no frame this poll.
    } else if (target_fps_ <= 0) {
      RunFrame(elapsed, frequency_);
    } else if (elapsed >= target_period_) {
      RunFrame(elapsed, target_period_);
    }
  }

  double wait = SecondsUntilDue();
  if (chained_idle_) wait = std::min(wait, chained_idle_->OnIdle());
  return wait;
}

// Runs on every normal-mode poll, also on those that run no frame. A poll finding more than
// a minimum-rate period since the last frame counts as slow and is treated as exactly one
// such period long; FPSWarning rises once FPSWarningFrames slow polls come in a row and stays
// up with every further one (the counter is held one below the threshold).
int64_t TKaltoTimer::WatchSlowFrames(int64_t elapsed) {
  if (min_fps_ > 0 && elapsed > min_period_) {
    slow_polls_ += 1;
    if (slow_polls_ >= fps_warning_frames_) {
      fps_warning_ = true;
      slow_polls_ -= 1;
    }
    return min_period_;
  }
  fps_warning_ = false;
  slow_polls_ = 0;
  return elapsed;
}

void TKaltoTimer::RunFrame(int64_t elapsed, int64_t period) {
  frame_delta_ = static_cast<float>(static_cast<double>(elapsed) / static_cast<double>(period));
  elapsed_seconds_ =
      static_cast<float>(static_cast<double>(elapsed) / static_cast<double>(frequency_));
  if (OnTimer) OnTimer(*this);
  last_frame_ = current_;
  frame_counter_ += 1;
}

double TKaltoTimer::SecondsUntilDue() const {
  if (!enabled_ || lossy_mode_) return IdleHandler::kIdleForever;
  int64_t threshold = target_fps_ > 0 ? target_period_ : 0;
  if (max_fps_ != 0) threshold = std::max<int64_t>(threshold, max_period_);
  // The slow-frame clamp caps elapsed time at the minimum-rate period: a longer threshold
  // is never reached.
  if (min_fps_ > 0 && threshold > min_period_) return IdleHandler::kIdleForever;
  const int64_t left = last_frame_ + threshold - clock_.Now();
  return left <= 0 ? 0.0 : static_cast<double>(left) / static_cast<double>(frequency_);
}
