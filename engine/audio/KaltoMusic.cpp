#include "engine/audio/KaltoMusic.h"

#include "engine/audio/SoundFile.h"

TKaltoMusic::TKaltoMusic(AudioMixer& mixer)
    : mixer_(mixer), path_(mixer.AddPath(PathLayout::Stereo, 4)) {}

TSongListItem* TKaltoMusic::Find(const std::string& name) {
  for (TSongListItem& song : SongList) {
    if (song.Name == name) return &song;
  }
  return nullptr;
}

bool TKaltoMusic::Play(const std::string& name) {
  TSongListItem* song = Find(name);
  if (song == nullptr) return false;
  if (!song->Clip) {
    const auto bytes = ReadSoundFile(song->FileName);
    auto wave = bytes ? DecodeWave(*bytes, mixer_.Rate()) : std::nullopt;
    if (!wave) {
      ReportSoundLoadError(song->FileName);
      return false;
    }
    song->Clip = std::make_shared<const DecodedWave>(std::move(*wave));
  }
  mixer_.Stop(song->Clip.get());
  mixer_.Play(path_, song->Clip, 0);
  song->Playing = true;
  return true;
}

void TKaltoMusic::Stop(const std::string& name) {
  TSongListItem* song = Find(name);
  if (song == nullptr || !song->Clip) return;
  mixer_.Stop(song->Clip.get());
  song->Playing = false;
}

void TKaltoMusic::Update() {
  for (TSongListItem& song : SongList) {
    if (song.Loop && song.Playing && !mixer_.IsSounding(song.Clip.get())) {
      mixer_.Play(path_, song.Clip, 0);
    }
  }
}
