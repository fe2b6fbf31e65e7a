#pragma once
#include <cstdint>

// When the fixed simulation steps fall due on a clock of `frequency` ticks a second. Step n
// is due at start + n / StepsPerSecond seconds, computed exactly, so a thousand steps never
// drift from wall time. The caller asks once per drawn frame how many steps to run first.
//
// Catch-up is bounded: at most kMaxStepsPerFrame steps per drawn frame, the rest kept for
// the frames after. A backlog beyond kStallSteps means the loop stalled (window dragged,
// machine asleep, debugger): it is dropped and one step runs, so the game never
// fast-forwards through time nobody saw.
class StepSchedule {
 public:
  static constexpr int kStepsPerSecond = 90;
  static constexpr int kMaxStepsPerFrame = 6;
  static constexpr int kStallSteps = 18;  // a fifth of a second

  explicit StepSchedule(int64_t frequency) : frequency_(frequency) {}

  // From `now` on, with no backlog: the first step falls due one step period later.
  void Restart(int64_t now);
  // The steps to run at `now` (0 when none is due yet); counts them as run.
  int TakeSteps(int64_t now);
  // The ticks at which step `n` after the last restart falls due.
  int64_t DueAt(int64_t n) const;
  // Steps taken since the last restart.
  int64_t StepsTaken() const { return taken_; }

 private:
  int64_t frequency_;
  int64_t start_ = 0;
  int64_t taken_ = 0;
};
