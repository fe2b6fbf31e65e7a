#include "platform/AudioDevice.h"

#include <SDL.h>

#include <cstring>

namespace {
constexpr int kWantedRate = 44100;
constexpr int kWantedFrames = 1024;  // about 23 ms at 44.1 kHz

uint32_t ReadU32(const std::vector<uint8_t>& b, size_t at) {
  return static_cast<uint32_t>(b[at]) | static_cast<uint32_t>(b[at + 1]) << 8 |
         static_cast<uint32_t>(b[at + 2]) << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

// True when the data is a RIFF wave whose chunks all lie inside it. SDL's loader sizes its
// buffers by the declared lengths, so a damaged header could otherwise ask for gigabytes.
bool ChunksFitInside(const std::vector<uint8_t>& bytes) {
  if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 ||
      std::memcmp(bytes.data() + 8, "WAVE", 4) != 0) {
    return false;
  }
  size_t at = 12;
  while (at + 8 <= bytes.size()) {
    const uint64_t length = ReadU32(bytes, at + 4);
    if (length > bytes.size() - at - 8) return false;
    at += 8 + static_cast<size_t>(length) + (length & 1);
  }
  return true;
}
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
  if (outputRate <= 0 || !ChunksFitInside(fileBytes)) return std::nullopt;
  SDL_RWops* source = SDL_RWFromConstMem(fileBytes.data(), static_cast<int>(fileBytes.size()));
  if (source == nullptr) return std::nullopt;
  SDL_AudioSpec spec{};
  uint8_t* pcm = nullptr;
  uint32_t pcmBytes = 0;
  if (SDL_LoadWAV_RW(source, 1, &spec, &pcm, &pcmBytes) == nullptr) return std::nullopt;

  std::optional<DecodedWave> result;
  // Rates far outside what any sound file uses make SDL's resampler miscompute its buffers.
  constexpr int kLowestRate = 1000, kHighestRate = 384000;
  const bool plausible = spec.freq >= kLowestRate && spec.freq <= kHighestRate;
  SDL_AudioStream* stream = plausible ? SDL_NewAudioStream(spec.format, spec.channels, spec.freq,
                                                           AUDIO_F32SYS, 2, outputRate)
                                      : nullptr;
  // The resampler holds back the end of its input even through a flush, so the wave is
  // followed by silence and the output cut to the wave's own length.
  const int frameBytes = SDL_AUDIO_BITSIZE(spec.format) / 8 * spec.channels;
  const std::vector<uint8_t> tail(static_cast<size_t>(frameBytes) * 4096, spec.silence);
  if (stream != nullptr && frameBytes > 0 &&
      SDL_AudioStreamPut(stream, pcm, static_cast<int>(pcmBytes)) == 0 &&
      SDL_AudioStreamPut(stream, tail.data(), static_cast<int>(tail.size())) == 0 &&
      SDL_AudioStreamFlush(stream) == 0) {
    const int64_t sourceFrames = pcmBytes / static_cast<uint32_t>(frameBytes);
    const size_t frames = static_cast<size_t>(sourceFrames * outputRate / spec.freq);
    DecodedWave wave;
    wave.SourceRate = spec.freq;
    wave.Stereo.resize(2 * frames);
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
