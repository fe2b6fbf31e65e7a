#include "core/RaceTime.h"

void RaceTime::Advance() {
  Hundredths += 1;
  if (Hundredths >= 100) {
    Seconds += 1;
    Hundredths = 0;
  }
  if (Seconds >= 60) {
    Minutes += 1;
    Seconds = 0;
    Hundredths = 0;
  }
}

bool IsNotSlower(const RaceTime& a, const RaceTime& b) {
  if (b.Minutes != a.Minutes) return b.Minutes < a.Minutes;
  if (b.Seconds != a.Seconds) return b.Seconds < a.Seconds;
  return b.Hundredths <= a.Hundredths;
}
