#pragma once
#include <memory>
#include <string>

#include "engine/audio/AudioMixer.h"

enum TAudioPathPool { appUseIndex, app3D, appMono, appStereo };

class TKaltoSound3D;
struct TAudioPathListItem;

// A named wave effect. Loaded on its first Play and kept in memory until unloaded.
class TSoundListItem {
 public:
  explicit TSoundListItem(TKaltoSound3D& owner) : owner_(owner) {}

  std::string Name;
  std::string FileName;  // relative to the data root, e.g. "Sounds\\finish.wav"
  bool Loop = false;
  int RepeatCount = 0;
  int Volume = 100;   // 0..100, applied to the path when the effect starts
  int Frequency = 0;  // 0: the file's own rate
  int Pan = 0;        // kept for the configuration; the path decides the stereo image
  int AudioPathIndex = 0;
  TAudioPathPool AudioPathPool = appUseIndex;
  Position3 Position;

  // Starts the effect (loading it first). A file that cannot be read is reported once on
  // stderr and the effect stays silent.
  void Play();
  void Stop();
  void Unload();
  bool Loaded() const { return clip_ != nullptr; }
  TAudioPathListItem* LastPath() const { return lastPath_; }
  const DecodedWave* Clip() const { return clip_.get(); }
  // The decoded sound (loading it first), for code that plays it on paths of its own;
  // nullptr when the file cannot be used.
  std::shared_ptr<const DecodedWave> LoadedClip() { return Load() ? clip_ : nullptr; }

 private:
  bool Load();
  TAudioPathListItem* ChoosePath();

  TKaltoSound3D& owner_;
  std::shared_ptr<const DecodedWave> clip_;
  bool loadFailed_ = false;
  TAudioPathListItem* lastPath_ = nullptr;
};
