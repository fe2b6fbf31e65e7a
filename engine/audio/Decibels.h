#pragma once
#include <algorithm>
#include <cmath>

// A sound's Volume (0..100) as the path attenuation in hundredths of a decibel:
// 100 -> 0, 95 -> -500, 90 -> -1000, 0 -> -10000.
inline int PathVolumeFromPercent(int volume) {
  return std::clamp(volume, 0, 100) * 100 - 10000;
}

// Linear amplitude factor of an attenuation in hundredths of a decibel; -10000 is silence.
inline float GainFromHundredthsDb(int hundredthsDb) {
  if (hundredthsDb <= -10000) return 0.0f;
  return static_cast<float>(std::pow(10.0, hundredthsDb / 2000.0));
}
