#include "engine/graphics/StepSchedule.h"

#include <algorithm>

void StepSchedule::Restart(int64_t now) {
  start_ = now;
  taken_ = 0;
}

int64_t StepSchedule::DueAt(int64_t n) const {
  // Rounded up, so a clock reading equal to DueAt(n) always has step n due.
  return start_ + (n * frequency_ + kStepsPerSecond - 1) / kStepsPerSecond;
}

int StepSchedule::TakeSteps(int64_t now) {
  const int64_t due = (now - start_) * kStepsPerSecond / frequency_ - taken_;
  if (due <= 0) return 0;
  if (due > kStallSteps) {
    // Rebase so that the step run now is the last one due: nothing of the stall is kept.
    Restart(now);
    return 1;
  }
  const int steps = static_cast<int>(std::min<int64_t>(due, kMaxStepsPerFrame));
  taken_ += steps;
  return steps;
}
