#pragma once
#include <cstdint>

// How long a car has gone without getting further along the course. Its way is summed from
// the step-to-step change of its place on the lap (wrapped by half a lap), so the jump of
// the place at the finish line counts nothing; only a gain of kProgressStep over the best
// way so far ends a stall.
class StallClock {
 public:
  static constexpr double kProgressStep = 1;  // ten pixels along the course

  // One step of the car. A car that does not drive is never stalled.
  void Step(double progress, double lapLength, bool driving);
  // The car was put somewhere new: its stall starts over from where it stands now.
  void Restart();
  // Steps since the car last gained kProgressStep.
  int64_t StalledSteps() const { return stalled_; }

 private:
  bool started_ = false;
  double lastProgress_ = 0;
  double advance_ = 0;
  double best_ = 0;
  int64_t stalled_ = 0;
};
