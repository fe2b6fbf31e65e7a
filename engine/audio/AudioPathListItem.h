#pragma once
#include <cstdint>
#include <string>

enum TAudioPathType { apt3D, aptMono, aptStereo };

class TSoundListItem;

// One output path of the sound component. Effects started on a path share its volume,
// playback frequency and position.
struct TAudioPathListItem {
  std::string Name;
  TAudioPathType AudioPathType = apt3D;
  bool Pool = false;  // takes part in pooled selection
  int Channels = 16;  // effects that may sound at once
  int Frequency = 22050;

  // Run-time state, valid once the component has created its paths.
  int MixerPath = -1;
  TSoundListItem* CurrentSound = nullptr;  // the effect started last on this path
  int64_t StartTime = 0;                   // milliseconds, when CurrentSound started
};
