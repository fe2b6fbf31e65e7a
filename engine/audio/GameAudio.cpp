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
    // The race: one idle and one flat-out loop per car model, the tyres and the impacts.
    // Their level and pitch are set step by step by the race's sounds.
    {"engine1", "Sounds\\engine1.wav", 100},
    {"engine1top", "Sounds\\engine1top.wav", 100},
    {"engine2", "Sounds\\engine2.wav", 100},
    {"engine2top", "Sounds\\engine2top.wav", 100},
    {"engine3", "Sounds\\engine3.wav", 100},
    {"engine3top", "Sounds\\engine3top.wav", 100},
    {"engine4", "Sounds\\engine4.wav", 100},
    {"engine4top", "Sounds\\engine4top.wav", 100},
    {"engine5", "Sounds\\engine5.wav", 100},
    {"engine5top", "Sounds\\engine5top.wav", 100},
    {"squeal", "Sounds\\squeal.wav", 100},  // tyres while drifting
    {"grass", "Sounds\\grass.wav", 100},    // wheels off the road
    {"thud", "Sounds\\thud.wav", 100},      // bumping another car
    {"crunch", "Sounds\\crunch.wav", 100},  // hitting a tree, a rock or a wall
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
