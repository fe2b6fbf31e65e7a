#pragma once
#include <memory>
#include <string>
#include <vector>

#include "engine/audio/AudioMixer.h"
#include "engine/audio/AudioPathListItem.h"
#include "engine/audio/ModListItem.h"
#include "engine/audio/SoundListItem.h"
#include "platform/AudioDevice.h"
#include "platform/Clock.h"

// The game's sound component: output paths, named wave effects and named looping modules.
// Without an audio device everything works and stays silent; a test can instead pull the
// mix from Mixer().
class TKaltoSound3D {
 public:
  // Plays through the machine's default audio device when there is one.
  explicit TKaltoSound3D(const Clock& clock);
  // No device: the mix runs at mixRate and is pulled by the caller from Mixer().
  TKaltoSound3D(const Clock& clock, int mixRate);
  ~TKaltoSound3D();
  TKaltoSound3D(const TKaltoSound3D&) = delete;
  TKaltoSound3D& operator=(const TKaltoSound3D&) = delete;

  std::vector<TAudioPathListItem> AudioPathList;
  std::vector<std::unique_ptr<TSoundListItem>> SoundList;
  std::vector<std::unique_ptr<TModListItem>> ModList;

  TAudioPathListItem& AddAudioPath();
  TSoundListItem& AddSound();
  TModListItem& AddModule();

  // The first item whose Name equals `name` exactly; nullptr when none does.
  TSoundListItem* FindSound(const std::string& name);
  TModListItem* FindModule(const std::string& name);

  // Builds every item of AudioPathList on the mixer; once, before any effect plays.
  void CreateAudioPaths();

  void SetListenerPositionX(float x);
  void SetListenerPositionY(float y);
  void SetListenerPositionZ(float z);
  Position3 ListenerPosition() const { return listener_; }

  // A pooled path of the pool's type for a new effect: the first free one after the last
  // taken, else the last busy one seen; nullptr when the pool has no path.
  TAudioPathListItem* PooledPath(TAudioPathPool pool);

  AudioMixer& Mixer() { return *mixer_; }
  bool HasDevice() const { return device_.IsOpen(); }
  // The component's millisecond clock.
  int64_t Milliseconds() const;

 private:
  const Clock& clock_;
  AudioDevice device_;
  std::unique_ptr<AudioMixer> mixer_;
  Position3 listener_;
  int poolStart_[4] = {0, 0, 0, 0};  // rotating start index per pool type
};
