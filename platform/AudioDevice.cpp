#include "platform/AudioDevice.h"

#include <SDL.h>

#include <cstring>

namespace {
constexpr int kWantedRate = 44100;
constexpr int kWantedFrames = 1024;  // about 23 ms at 44.1 kHz
}  // namespace

AudioDevice::~AudioDevice() {
  Close();
}

bool AudioDevice::Open(RenderCallback render) {
  Close();
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  subsystemStarted_ = true;
  render_ = std::move(render);
  SDL_AudioSpec want{};
  want.freq = kWantedRate;
  want.format = AUDIO_F32SYS;
  want.channels = 2;
  want.samples = kWantedFrames;
  want.callback = &AudioDevice::Trampoline;
  want.userdata = this;
  SDL_AudioSpec have{};
  // Only the rate may differ: the mixer follows it. Format and channels are converted by SDL.
  device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
  if (device_ == 0) {
    Close();
    return false;
  }
  rate_ = have.freq;
  return true;
}

void AudioDevice::Start() {
  if (device_ != 0) SDL_PauseAudioDevice(device_, 0);
}

void AudioDevice::Close() {
  if (device_ != 0) {
    SDL_CloseAudioDevice(device_);  // waits for a running callback to return
    device_ = 0;
  }
  if (subsystemStarted_) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    subsystemStarted_ = false;
  }
  rate_ = 0;
}

void AudioDevice::Trampoline(void* self, uint8_t* stream, int bytes) {
  auto* device = static_cast<AudioDevice*>(self);
  const int frames = bytes / static_cast<int>(2 * sizeof(float));
  device->render_(reinterpret_cast<float*>(stream), frames);
}

AudioRateConverter::AudioRateConverter(int inputRate, int outputRate)
    : stream_(SDL_NewAudioStream(AUDIO_S16SYS, 2, inputRate, AUDIO_F32SYS, 2, outputRate)) {}

AudioRateConverter::~AudioRateConverter() {
  if (stream_ != nullptr) SDL_FreeAudioStream(static_cast<SDL_AudioStream*>(stream_));
}

void AudioRateConverter::Put(const int16_t* stereo, int frames) {
  if (stream_ == nullptr || frames <= 0) return;
  SDL_AudioStreamPut(static_cast<SDL_AudioStream*>(stream_), stereo,
                     frames * static_cast<int>(2 * sizeof(int16_t)));
}

int AudioRateConverter::Available() const {
  if (stream_ == nullptr) return 0;
  return SDL_AudioStreamAvailable(static_cast<SDL_AudioStream*>(stream_)) /
         static_cast<int>(2 * sizeof(float));
}

int AudioRateConverter::Get(float* stereo, int maxFrames) {
  if (stream_ == nullptr || maxFrames <= 0) return 0;
  const int bytes = SDL_AudioStreamGet(static_cast<SDL_AudioStream*>(stream_), stereo,
                                       maxFrames * static_cast<int>(2 * sizeof(float)));
  return bytes > 0 ? bytes / static_cast<int>(2 * sizeof(float)) : 0;
}

void AudioRateConverter::Clear() {
  if (stream_ != nullptr) SDL_AudioStreamClear(static_cast<SDL_AudioStream*>(stream_));
}

std::optional<DecodedWave> DecodeWave(const std::vector<uint8_t>& fileBytes, int outputRate) {
  if (fileBytes.empty() || outputRate <= 0) return std::nullopt;
  SDL_RWops* source = SDL_RWFromConstMem(fileBytes.data(), static_cast<int>(fileBytes.size()));
  if (source == nullptr) return std::nullopt;
  SDL_AudioSpec spec{};
  uint8_t* pcm = nullptr;
  uint32_t pcmBytes = 0;
  if (SDL_LoadWAV_RW(source, 1, &spec, &pcm, &pcmBytes) == nullptr) return std::nullopt;

  std::optional<DecodedWave> result;
  SDL_AudioStream* stream =
      SDL_NewAudioStream(spec.format, spec.channels, spec.freq, AUDIO_F32SYS, 2, outputRate);
  if (stream != nullptr && SDL_AudioStreamPut(stream, pcm, static_cast<int>(pcmBytes)) == 0 &&
      SDL_AudioStreamFlush(stream) == 0) {
    DecodedWave wave;
    wave.SourceRate = spec.freq;
    wave.Stereo.resize(static_cast<size_t>(SDL_AudioStreamAvailable(stream)) / sizeof(float));
    const int got = SDL_AudioStreamGet(stream, wave.Stereo.data(),
                                       static_cast<int>(wave.Stereo.size() * sizeof(float)));
    if (got >= 0) {
      wave.Stereo.resize(static_cast<size_t>(got) / sizeof(float) / 2 * 2);
      result = std::move(wave);
    }
  }
  if (stream != nullptr) SDL_FreeAudioStream(stream);
  SDL_FreeWAV(pcm);
  return result;
}
