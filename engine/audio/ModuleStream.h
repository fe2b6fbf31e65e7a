#pragma once
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "engine/audio/AudioMixer.h"
#include "platform/AudioDevice.h"

namespace openmpt {
class module;
}

// A tracker module streamed through a two-second ring buffer, the way a sound card streams
// it: the module is rendered at 22050 Hz stereo 16-bit, one second (one half of the ring) at
// a time, by a thread of its own. When playback enters one half, the thread is woken to
// refill the other. Playback reads the ring at its play cursor and resamples to the mixer.
class ModuleStream final : public MixerStream {
 public:
  static constexpr int kModuleRate = 22050;
  static constexpr int kHalfFrames = kModuleRate;  // one second: 88200 bytes
  static constexpr int kRingFrames = 2 * kHalfFrames;

  // Nothing when libopenmpt cannot read the data as a module.
  static std::unique_ptr<ModuleStream> Load(const std::vector<uint8_t>& fileBytes, int mixRate);
  ~ModuleStream() override;

  // Sets looping, zeroes the ring and starts playing it from the play cursor. The module
  // is not rewound: its audio comes back through the following refills.
  void Play(bool loop);
  // Stops playback and suspends the streaming thread; the play cursor stays.
  void Stop();
  // False also once a module that does not loop has played out.
  bool IsPlaying() const;
  // How far the module has been rendered, in seconds of the module.
  double RenderedSeconds() const;
  // Blocks until the thread has served every refill asked for so far.
  void WaitUntilRefilled();

  void MixInto(float* stereo, int frames) override;

 private:
  ModuleStream(std::unique_ptr<openmpt::module> module, int mixRate);
  void StreamingLoop();
  // Renders one half's worth of frames into scratch_; returns the frames rendered.
  int RenderHalf();
  // Moves the play cursor over `frames` frames, raising a refill at each half it enters.
  void AdvanceCursor(int frames);
  bool RefillPending() const { return refillFirstHalf_ || refillSecondHalf_ || refilling_; }

  std::unique_ptr<openmpt::module> module_;
  mutable std::mutex moduleLock_;  // guards module_ (the render and the loop setting)

  mutable std::mutex bufferLock_;  // guards everything below
  std::condition_variable wake_;
  std::condition_variable refilled_;
  std::vector<int16_t> ring_;
  std::vector<int16_t> scratch_;
  std::vector<float> converted_;
  AudioRateConverter converter_;
  int playCursor_ = 0;
  bool playing_ = false;
  bool suspended_ = true;
  bool terminating_ = false;
  bool refillFirstHalf_ = false;
  bool refillSecondHalf_ = false;
  bool refilling_ = false;
  std::thread thread_;
};
