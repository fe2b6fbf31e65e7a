#pragma once
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

// The machine's sound output. The device pulls interleaved stereo float frames from the
// render callback on its own thread. A machine without a usable device is not an error:
// Open() returns false and the game runs silent.
class AudioDevice {
 public:
  // Fills `frames` stereo frames (2 floats each, nominally -1..1). Runs on the audio thread.
  using RenderCallback = std::function<void(float* stereo, int frames)>;

  AudioDevice() = default;
  AudioDevice(const AudioDevice&) = delete;
  AudioDevice& operator=(const AudioDevice&) = delete;
  ~AudioDevice();

  // Opens the default output paused. The callback is not called before Start().
  bool Open(RenderCallback render);
  bool IsOpen() const { return device_ != 0; }
  // Frames per second the device really runs at (valid while open).
  int Rate() const { return rate_; }
  void Start();
  // Stops the callbacks; after return the callback is never called again.
  void Close();

 private:
  static void Trampoline(void* self, uint8_t* stream, int bytes);

  uint32_t device_ = 0;
  int rate_ = 0;
  bool subsystemStarted_ = false;
  RenderCallback render_;
};

// Resamples interleaved stereo 16-bit frames at one rate into stereo float frames at another.
class AudioRateConverter {
 public:
  AudioRateConverter(int inputRate, int outputRate);
  AudioRateConverter(const AudioRateConverter&) = delete;
  AudioRateConverter& operator=(const AudioRateConverter&) = delete;
  ~AudioRateConverter();

  void Put(const int16_t* stereo, int frames);
  // Output frames ready to Get.
  int Available() const;
  // Copies up to maxFrames converted frames; returns how many.
  int Get(float* stereo, int maxFrames);
  // Forgets buffered input and output.
  void Clear();

 private:
  void* stream_;
};

// A decoded wave file: stereo float frames at the rate asked for.
struct DecodedWave {
  int SourceRate = 0;  // frames per second of the file itself
  std::vector<float> Stereo;
  int Frames() const { return static_cast<int>(Stereo.size() / 2); }
};

// Decodes a RIFF wave file held in memory (any PCM layout the file gives) to stereo float at
// outputRate. Nothing when the data is not a readable wave.
std::optional<DecodedWave> DecodeWave(const std::vector<uint8_t>& fileBytes, int outputRate);
