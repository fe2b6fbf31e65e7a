#include "engine/audio/AudioMixer.h"

#include <algorithm>
#include <cmath>

#include "engine/audio/Decibels.h"

AudioMixer::AudioMixer(int rate) : rate_(rate) {}

int AudioMixer::AddPath(PathLayout layout, int channels) {
  std::lock_guard<std::mutex> guard(lock_);
  Path path;
  path.Layout = layout;
  path.Channels = std::max(1, channels);
  paths_.push_back(path);
  return static_cast<int>(paths_.size()) - 1;
}

void AudioMixer::SetPathVolume(int path, int hundredthsDb) {
  std::lock_guard<std::mutex> guard(lock_);
  paths_.at(path).VolumeHundredthsDb = std::clamp(hundredthsDb, -10000, 0);
}

int AudioMixer::PathVolume(int path) const {
  std::lock_guard<std::mutex> guard(lock_);
  return paths_.at(path).VolumeHundredthsDb;
}

void AudioMixer::SetPathPlaybackRate(int path, int framesPerSecond) {
  std::lock_guard<std::mutex> guard(lock_);
  paths_.at(path).PlaybackRate = std::max(0, framesPerSecond);
}

int AudioMixer::PathPlaybackRate(int path) const {
  std::lock_guard<std::mutex> guard(lock_);
  return paths_.at(path).PlaybackRate;
}

void AudioMixer::SetPathPosition(int path, Position3 position) {
  std::lock_guard<std::mutex> guard(lock_);
  paths_.at(path).Where = position;
}

void AudioMixer::SetListenerPosition(Position3 position) {
  std::lock_guard<std::mutex> guard(lock_);
  listener_ = position;
}

void AudioMixer::Play(int path, std::shared_ptr<const DecodedWave> clip, int repeats) {
  if (!clip || clip->Frames() == 0) return;
  std::lock_guard<std::mutex> guard(lock_);
  const int channels = paths_.at(path).Channels;
  const auto onPath = [path](const Voice& v) { return v.PathIndex == path; };
  if (std::count_if(voices_.begin(), voices_.end(), onPath) >= channels) {
    auto oldest = voices_.end();
    for (auto it = voices_.begin(); it != voices_.end(); ++it) {
      if (onPath(*it) && (oldest == voices_.end() || it->StartOrder < oldest->StartOrder)) {
        oldest = it;
      }
    }
    voices_.erase(oldest);
  }
  voices_.push_back(Voice{std::move(clip), path, 0.0, repeats, startCounter_++});
}

void AudioMixer::Stop(const DecodedWave* clip) {
  std::lock_guard<std::mutex> guard(lock_);
  voices_.erase(std::remove_if(voices_.begin(), voices_.end(),
                               [clip](const Voice& v) { return v.Clip.get() == clip; }),
                voices_.end());
}

void AudioMixer::StopPath(int path) {
  std::lock_guard<std::mutex> guard(lock_);
  voices_.erase(std::remove_if(voices_.begin(), voices_.end(),
                               [path](const Voice& v) { return v.PathIndex == path; }),
                voices_.end());
}

bool AudioMixer::IsSounding(const DecodedWave* clip) const {
  std::lock_guard<std::mutex> guard(lock_);
  return std::any_of(voices_.begin(), voices_.end(),
                     [clip](const Voice& v) { return v.Clip.get() == clip; });
}

void AudioMixer::AddStream(MixerStream* stream) {
  std::lock_guard<std::mutex> guard(lock_);
  streams_.push_back(stream);
}

void AudioMixer::RemoveStream(MixerStream* stream) {
  std::lock_guard<std::mutex> guard(lock_);
  streams_.erase(std::remove(streams_.begin(), streams_.end(), stream), streams_.end());
}

void AudioMixer::Mix(float* stereo, int frames) {
  std::fill(stereo, stereo + 2 * frames, 0.0f);
  std::lock_guard<std::mutex> guard(lock_);
  voices_.erase(std::remove_if(voices_.begin(), voices_.end(),
                               [&](Voice& v) { return !MixVoice(v, stereo, frames); }),
                voices_.end());
  for (MixerStream* stream : streams_) stream->MixInto(stereo, frames);
}

// Positional paths fall off with distance beyond one unit and pan by the side they lie on,
// like a listener facing along +Z.
void AudioMixer::PathPanGains(const Path& path, float& left, float& right) const {
  left = right = 1.0f;
  if (path.Layout != PathLayout::Positional) return;
  const float dx = path.Where.X - listener_.X;
  const float dy = path.Where.Y - listener_.Y;
  const float dz = path.Where.Z - listener_.Z;
  const float distance = std::sqrt(dx * dx + dy * dy + dz * dz);
  const float attenuation = distance > 1.0f ? 1.0f / distance : 1.0f;
  const float side = distance > 0.0f ? dx / distance : 0.0f;  // -1 left .. 1 right
  const float angle = (side + 1.0f) * 0.25f * 3.14159265f;
  left = attenuation * std::cos(angle) * std::sqrt(2.0f);
  right = attenuation * std::sin(angle) * std::sqrt(2.0f);
}

bool AudioMixer::MixVoice(Voice& voice, float* stereo, int frames) const {
  const Path& path = paths_[voice.PathIndex];
  const DecodedWave& clip = *voice.Clip;
  const float gain = GainFromHundredthsDb(path.VolumeHundredthsDb);
  float panLeft, panRight;
  PathPanGains(path, panLeft, panRight);
  // The clip is stored at the mixer's rate; a path rate plays it faster or slower.
  const double step = path.PlaybackRate > 0 && clip.SourceRate > 0
                          ? static_cast<double>(path.PlaybackRate) / clip.SourceRate
                          : 1.0;
  const int clipFrames = clip.Frames();
  const float* data = clip.Stereo.data();
  for (int i = 0; i < frames; ++i) {
    if (voice.Frame >= clipFrames) {
      if (voice.RepeatsLeft == 0) return false;
      if (voice.RepeatsLeft > 0) --voice.RepeatsLeft;
      voice.Frame -= clipFrames;
    }
    const int at = static_cast<int>(voice.Frame);
    const float frac = static_cast<float>(voice.Frame - at);
    const int next = at + 1 < clipFrames ? at + 1 : at;
    float left = data[2 * at] + (data[2 * next] - data[2 * at]) * frac;
    float right = data[2 * at + 1] + (data[2 * next + 1] - data[2 * at + 1]) * frac;
    if (path.Layout != PathLayout::Stereo) left = right = 0.5f * (left + right);
    stereo[2 * i] += left * gain * panLeft;
    stereo[2 * i + 1] += right * gain * panRight;
    voice.Frame += step;
  }
  return true;
}
