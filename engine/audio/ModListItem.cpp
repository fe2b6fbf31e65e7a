#include "engine/audio/ModListItem.h"

#include "engine/audio/KaltoSound3D.h"
#include "engine/audio/SoundFile.h"

TModListItem::~TModListItem() {
  Unload();
}

bool TModListItem::Load() {
  if (Loaded()) return true;
  if (loadFailed_) return false;
  const auto bytes = ReadSoundFile(FileName);
  if (bytes) stream_ = ModuleStream::Load(*bytes, owner_.Mixer().Rate());
  if (!stream_) {
    loadFailed_ = true;
    ReportSoundLoadError(FileName);
    return false;
  }
  owner_.Mixer().AddStream(stream_.get());
  return true;
}

void TModListItem::Play() {
  if (Load()) stream_->Play(Loop);
}

void TModListItem::Stop() {
  if (Loaded()) stream_->Stop();
}

void TModListItem::Unload() {
  if (!Loaded()) return;
  stream_->Stop();
  owner_.Mixer().RemoveStream(stream_.get());
  stream_.reset();
}
