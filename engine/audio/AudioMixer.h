#pragma once
#include <memory>
#include <mutex>
#include <vector>

#include "platform/AudioDevice.h"

// Something that adds its own audio to the mix each block, e.g. a streamed module.
class MixerStream {
 public:
  virtual ~MixerStream() = default;
  // Adds `frames` stereo frames to `stereo`. Runs on the mixing thread under the mixer's lock.
  virtual void MixInto(float* stereo, int frames) = 0;
};

enum class PathLayout { Positional, Mono, Stereo };

struct Position3 {
  float X = 0, Y = 0, Z = 0;
};

// Mixes effect voices and streams into one stereo output. Volume, playback rate and position
// belong to a path, not to a voice: changing them changes every voice sounding on that path.
// All operations are thread-safe; Mix() is called by the device thread or pulled by a test.
class AudioMixer {
 public:
  explicit AudioMixer(int rate);
  int Rate() const { return rate_; }

  // A new path with room for `channels` simultaneous voices; returns its index.
  int AddPath(PathLayout layout, int channels);
  void SetPathVolume(int path, int hundredthsDb);
  int PathVolume(int path) const;
  // Frames per second the path plays its clips at; 0 plays each clip at its own rate.
  void SetPathPlaybackRate(int path, int framesPerSecond);
  int PathPlaybackRate(int path) const;
  void SetPathPosition(int path, Position3 position);
  void SetListenerPosition(Position3 position);

  // Starts the clip on the path and plays it 1 + repeats times (repeats < 0: until stopped).
  // When every channel of the path sounds, the voice started first gives way.
  void Play(int path, std::shared_ptr<const DecodedWave> clip, int repeats);
  void Stop(const DecodedWave* clip);
  // Stops every voice on the path.
  void StopPath(int path);
  bool IsSounding(const DecodedWave* clip) const;

  // The stream is mixed until removed; after RemoveStream returns it is never touched again.
  void AddStream(MixerStream* stream);
  void RemoveStream(MixerStream* stream);

  // Writes the next `frames` stereo frames of the mix.
  void Mix(float* stereo, int frames);

 private:
  struct Path {
    PathLayout Layout = PathLayout::Stereo;
    int Channels = 1;
    int VolumeHundredthsDb = 0;
    int PlaybackRate = 0;
    Position3 Where;
  };
  struct Voice {
    std::shared_ptr<const DecodedWave> Clip;
    int PathIndex;
    double Frame = 0;  // read position in the clip
    int RepeatsLeft;
    long StartOrder;
  };

  // Adds one voice's block; false once the voice has finished.
  bool MixVoice(Voice& voice, float* stereo, int frames) const;
  void PathPanGains(const Path& path, float& left, float& right) const;

  const int rate_;
  mutable std::mutex lock_;
  std::vector<Path> paths_;
  std::vector<Voice> voices_;
  std::vector<MixerStream*> streams_;
  Position3 listener_;
  long startCounter_ = 0;
};
