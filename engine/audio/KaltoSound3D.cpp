#include "engine/audio/KaltoSound3D.h"

#include <algorithm>

namespace {
// The rate a device-less component mixes at (nobody listens, but streams still run).
constexpr int kSilentMixRate = 44100;
}  // namespace

TKaltoSound3D::TKaltoSound3D(const Clock& clock) : clock_(clock) {
  const bool opened =
      device_.Open([this](float* stereo, int frames) { mixer_->Mix(stereo, frames); });
  mixer_ = std::make_unique<AudioMixer>(opened ? device_.Rate() : kSilentMixRate);
  device_.Start();
}

TKaltoSound3D::TKaltoSound3D(const Clock& clock, int mixRate)
    : clock_(clock), mixer_(std::make_unique<AudioMixer>(mixRate)) {}

TKaltoSound3D::~TKaltoSound3D() {
  device_.Close();  // no callback reaches the mixer after this
  ModList.clear();  // ends the streaming threads before the mixer goes
  SoundList.clear();
}

TAudioPathListItem& TKaltoSound3D::AddAudioPath() {
  return AudioPathList.emplace_back();
}

TSoundListItem& TKaltoSound3D::AddSound() {
  return *SoundList.emplace_back(std::make_unique<TSoundListItem>(*this));
}

TModListItem& TKaltoSound3D::AddModule() {
  return *ModList.emplace_back(std::make_unique<TModListItem>(*this));
}

TSoundListItem* TKaltoSound3D::FindSound(const std::string& name) {
  for (auto& item : SoundList) {
    if (item->Name == name) return item.get();
  }
  return nullptr;
}

TModListItem* TKaltoSound3D::FindModule(const std::string& name) {
  for (auto& item : ModList) {
    if (item->Name == name) return item.get();
  }
  return nullptr;
}

void TKaltoSound3D::CreateAudioPaths() {
  for (TAudioPathListItem& path : AudioPathList) {
    const PathLayout layout = path.AudioPathType == aptStereo ? PathLayout::Stereo
                              : path.AudioPathType == aptMono ? PathLayout::Mono
                                                              : PathLayout::Positional;
    path.Frequency = std::max(0, path.Frequency);
    path.MixerPath = mixer_->AddPath(layout, path.Channels);
    mixer_->SetPathPlaybackRate(path.MixerPath, path.Frequency);
  }
}

TAudioPathListItem* TKaltoSound3D::PooledPath(TAudioPathPool pool) {
  const TAudioPathType wanted = pool == app3D ? apt3D : pool == appMono ? aptMono : aptStereo;
  const int count = static_cast<int>(AudioPathList.size());
  int& start = poolStart_[pool];
  TAudioPathListItem* lastBusy = nullptr;
  for (int i = 1; i <= count; ++i) {
    TAudioPathListItem& path = AudioPathList[(start + i) % count];
    if (!path.Pool || path.AudioPathType != wanted) continue;
    const TSoundListItem* current = path.CurrentSound;
    // Just started effects count as busy even before the mixer has picked them up.
    const bool busy =
        current != nullptr && current->Loaded() && current->LastPath() == &path &&
        (Milliseconds() - path.StartTime < 250 || mixer_->IsSounding(current->Clip()));
    if (!busy) {
      path.CurrentSound = nullptr;
      start += i % count;
      return &path;
    }
    lastBusy = &path;
  }
  return lastBusy;
}

void TKaltoSound3D::SetListenerPositionX(float x) {
  listener_.X = x;
  mixer_->SetListenerPosition(listener_);
}

void TKaltoSound3D::SetListenerPositionY(float y) {
  listener_.Y = y;
  mixer_->SetListenerPosition(listener_);
}

void TKaltoSound3D::SetListenerPositionZ(float z) {
  listener_.Z = z;
  mixer_->SetListenerPosition(listener_);
}

int64_t TKaltoSound3D::Milliseconds() const {
  // Whole seconds and the rest apart: ticks x 1000 would overflow after about 106 days of a
  // nanosecond clock.
  const int64_t now = clock_.Now();
  const int64_t frequency = clock_.Frequency();
  return now / frequency * 1000 + now % frequency * 1000 / frequency;
}
