#include "race/StallClock.h"

#include <algorithm>

void StallClock::Step(double progress, double lapLength, bool driving) {
  double step = started_ ? progress - lastProgress_ : 0;
  started_ = true;
  if (lapLength > 0 && step < -lapLength / 2) step += lapLength;
  if (lapLength > 0 && step > lapLength / 2) step -= lapLength;
  lastProgress_ = progress;
  advance_ += step;
  if (!driving || advance_ >= best_ + kProgressStep) {
    best_ = std::max(best_, advance_);
    stalled_ = 0;
  } else {
    stalled_ += 1;
  }
}

void StallClock::Restart() {
  started_ = false;  // the jump to the new place is no way driven
  best_ = advance_;
  stalled_ = 0;
}
