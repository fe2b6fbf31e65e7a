#pragma once
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "engine/audio/KaltoSound3D.h"
#include "platform/GamePaths.h"

constexpr int kTestRate = 44100;

// Pulls `seconds` of the mix in short blocks. Before each block the module streams are given
// the time to serve the refills asked for so far, as a real device would between two halves.
inline std::vector<float> PullMix(TKaltoSound3D& sound, double seconds) {
  constexpr int kBlock = kTestRate / 20;
  const int frames = static_cast<int>(seconds * kTestRate);
  std::vector<float> out(2 * static_cast<size_t>(frames));
  for (int done = 0; done < frames; done += kBlock) {
    for (auto& module : sound.ModList) {
      if (module->Loaded()) module->Stream()->WaitUntilRefilled();
    }
    sound.Mixer().Mix(out.data() + 2 * done, std::min(kBlock, frames - done));
  }
  return out;
}

inline double Rms(const std::vector<float>& stereo, size_t from = 0, size_t to = SIZE_MAX) {
  to = std::min(to, stereo.size());
  if (to <= from) return 0.0;
  double sum = 0;
  for (size_t i = from; i < to; ++i) sum += static_cast<double>(stereo[i]) * stereo[i];
  return std::sqrt(sum / static_cast<double>(to - from));
}

// The game's generated sounds as the data root, a scratch folder as the save root.
inline void UseGeneratedSounds() {
  SetGameRoots(GameRoots{BK_GAME_DIR, BK_GAME_DIR});
}
