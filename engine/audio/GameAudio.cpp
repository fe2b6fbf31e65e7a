#include "engine/audio/GameAudio.h"

#include "engine/audio/KaltoSound3D.h"

namespace {
struct EffectEntry {
  const char* Name;
  const char* FileName;
  int Volume;
};

constexpr EffectEntry kEffects[] = {
    {"check", "Sounds\\Lighter 03.wav", 100},   // menu clicks and confirmations
    {"check2", "Sounds\\Switch 04.wav", 100},   // menu actions taken with the keyboard
    {"begin", "Sounds\\Car Start 01.wav", 95},  // the opening splash screen
    {"finish", "Sounds\\finish.wav", 90},       // the race-over screen
    {"svet1", "Sounds\\svet1.wav", 100},        // red and yellow start lights
    {"svet2", "Sounds\\svet2.wav", 100},        // green start light
};

constexpr struct {
  const char* Name;
  const char* FileName;
} kModules[] = {
    {"menumusic", "Sounds\\1.xm"},
    {"gamemusic", "Sounds\\2.xm"},
    {"losemusic", "Sounds\\3.xm"},
};
}  // namespace

void ConfigureGameAudio(TKaltoSound3D& sound) {
  TAudioPathListItem& path = sound.AddAudioPath();
  path.Name = "path";
  path.AudioPathType = aptStereo;
  path.Pool = false;
  path.Channels = 32;

  for (const EffectEntry& entry : kEffects) {
    TSoundListItem& effect = sound.AddSound();
    effect.Name = entry.Name;
    effect.FileName = entry.FileName;
    effect.Volume = entry.Volume;
  }
  for (const auto& entry : kModules) {
    TModListItem& module = sound.AddModule();
    module.Name = entry.Name;
    module.FileName = entry.FileName;
    module.Loop = true;
  }
}
