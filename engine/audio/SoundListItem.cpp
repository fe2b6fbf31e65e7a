#include "engine/audio/SoundListItem.h"

#include <algorithm>

#include "engine/audio/Decibels.h"
#include "engine/audio/KaltoSound3D.h"
#include "engine/audio/SoundFile.h"

bool TSoundListItem::Load() {
  if (Loaded()) return true;
  if (loadFailed_) return false;
  const auto bytes = ReadSoundFile(FileName);
  auto wave = bytes ? DecodeWave(*bytes, owner_.Mixer().Rate()) : std::nullopt;
  if (!wave || wave->Frames() == 0) {
    loadFailed_ = true;
    ReportSoundLoadError(FileName);
    return false;
  }
  clip_ = std::make_shared<const DecodedWave>(std::move(*wave));
  return true;
}

TAudioPathListItem* TSoundListItem::ChoosePath() {
  if (AudioPathPool != appUseIndex) return owner_.PooledPath(AudioPathPool);
  if (AudioPathIndex < 0 || AudioPathIndex >= static_cast<int>(owner_.AudioPathList.size())) {
    return nullptr;
  }
  return &owner_.AudioPathList[AudioPathIndex];
}

void TSoundListItem::Play() {
  if (!Load()) return;
  TAudioPathListItem* path = ChoosePath();
  if (path == nullptr || path->MixerPath < 0) return;
  AudioMixer& mixer = owner_.Mixer();
  mixer.SetPathVolume(path->MixerPath, PathVolumeFromPercent(Volume));
  const int frequency = std::max(0, Frequency);
  if (frequency != path->Frequency) {
    path->Frequency = frequency;
    mixer.SetPathPlaybackRate(path->MixerPath, frequency);
  }
  if (path->AudioPathType == apt3D) mixer.SetPathPosition(path->MixerPath, Position);
  mixer.Play(path->MixerPath, clip_, Loop ? -1 : std::max(0, RepeatCount));
  path->CurrentSound = this;
  path->StartTime = owner_.Milliseconds();
  lastPath_ = path;
}

void TSoundListItem::Stop() {
  if (!Loaded()) return;
  owner_.Mixer().Stop(clip_.get());
  for (TAudioPathListItem& path : owner_.AudioPathList) {
    if (path.CurrentSound == this) path.CurrentSound = nullptr;
  }
}

void TSoundListItem::Unload() {
  Stop();
  clip_.reset();
  lastPath_ = nullptr;
}
