#pragma once
#include <cstdint>
#include <functional>

#include "platform/Clock.h"
#include "platform/EventLoop.h"
#include "platform/WindowTimer.h"

// The frame-pacing component: raises OnTimer once per frame. Every poll reads the loop's
// clock and decides whether a frame is due.
//
// Poll sources (chosen by LossyMode):
// - normal: the timer installs itself as the loop's idle handler, so it is polled whenever
//   the event queue is empty; each poll answers how long until the next frame is due, and
//   the loop waits no longer than that. A frame runs at the first poll after its period.
// - lossy: a window timer of 1000 div TargetFPS ms runs one frame per delivery; deliveries
//   merged while the game was busy are lost.
//
// A frame is never caught up: the next period counts from the poll that ran the frame.
class TKaltoTimer : private IdleHandler {
 public:
  using NotifyEvent = std::function<void(TKaltoTimer& sender)>;

  // Chains the idle handler the loop holds at construction.
  TKaltoTimer(const Clock& clock, EventLoop& loop);
  ~TKaltoTimer() override;
  TKaltoTimer(const TKaltoTimer&) = delete;
  TKaltoTimer& operator=(const TKaltoTimer&) = delete;

  // Enabling restarts timing: CurrentFPS drops to 0 and the first frame comes one target
  // period later. Enabled, TargetFPS and LossyMode re-select the poll source.
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // A value of 0 or less keeps the previously computed period (TargetFPS <= 0 runs a frame
  // on every poll that MaxFPS allows; MaxFPS 0 removes the upper bound; MinFPS <= 0 removes
  // the slow-frame clamp and the warning).
  int32_t TargetFPS() const { return target_fps_; }
  void SetTargetFPS(int32_t fps);
  int32_t MinFPS() const { return min_fps_; }
  void SetMinFPS(int32_t fps);
  int32_t MaxFPS() const { return max_fps_; }
  void SetMaxFPS(int32_t fps);
  int32_t FPSWarningFrames() const { return fps_warning_frames_; }
  void SetFPSWarningFrames(int32_t frames);
  bool LossyMode() const { return lossy_mode_; }
  void SetLossyMode(bool lossy);
  // Plain assignment: a handler assigned to an enabled timer starts nothing until Enabled,
  // TargetFPS or LossyMode next changes.
  NotifyEvent OnTimer;

  // Frames run during the last completed second.
  int32_t CurrentFPS() const { return current_fps_; }
  // Length of the last frame as a multiple of the target period.
  float FrameDelta() const { return frame_delta_; }
  // Length of the last frame in seconds.
  float ElapsedSeconds() const { return elapsed_seconds_; }
  // True while frames keep running slower than MinFPS.
  bool FPSWarning() const { return fps_warning_; }

  // One poll. Does nothing at all while disabled. Returns the seconds until this timer (and
  // the idle handler it chained) next needs a poll; IdleHandler::kIdleForever for none.
  double Tick();

 private:
  double OnIdle() override { return Tick(); }
  void OnLossyTimer();
  void SelectPollSource();
  int64_t WatchSlowFrames(int64_t elapsed);
  void RunFrame(int64_t elapsed, int64_t period);
  double SecondsUntilDue() const;

  const Clock& clock_;
  EventLoop& loop_;
  int64_t frequency_;
  IdleHandler* chained_idle_;
  WindowTimer lossy_timer_;

  bool enabled_ = false;
  int32_t target_fps_ = 0;
  int32_t min_fps_ = 0;
  int32_t max_fps_ = 0;
  int32_t fps_warning_frames_ = 0;
  bool lossy_mode_ = false;

  int32_t current_fps_ = 0;
  float frame_delta_ = 0;
  float elapsed_seconds_ = 0;
  bool fps_warning_ = false;

  int64_t current_ = 0;
  int64_t last_frame_ = 0;
  int64_t second_mark_ = 0;
  int32_t frame_counter_ = 0;
  int32_t slow_polls_ = 0;
  int32_t target_period_ = 0;
  int32_t min_period_ = 0;
  int32_t max_period_ = 0;
  int32_t lossy_interval_ms_ = 0;
};
