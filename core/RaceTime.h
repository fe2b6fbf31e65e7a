#pragma once
#include <cstdint>

// A race, lap or record time: hundredths (0..99), seconds (0..59), minutes.
// Minutes == kNoTimeMinutes marks a time that has not been set yet.
struct RaceTime {
  int32_t Hundredths = 0;
  int32_t Seconds = 0;
  int32_t Minutes = 0;

  static constexpr int32_t kNoTimeMinutes = 1000;
  static RaceTime None() { return RaceTime{0, 0, kNoTimeMinutes}; }

  // One hundredth later, carrying into seconds at 100 and into minutes at 60.
  void Advance();

  bool operator==(const RaceTime& o) const {
    return Hundredths == o.Hundredths && Seconds == o.Seconds && Minutes == o.Minutes;
  }
  bool operator!=(const RaceTime& o) const { return !(*this == o); }
};

// True when b is not later than a (minutes, then seconds, then hundredths); equal gives true.
bool IsNotSlower(const RaceTime& a, const RaceTime& b);
