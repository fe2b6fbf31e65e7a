// Cost of the game's sound: one streamed module and four effects mixed at a device's rate,
// and a race at its busiest: the module, the player's two engine loops, three computer
// cars, the squeal, the grass rumble and a bump, all played off their own pitch.
// "percent_of_core" is the share of one core that playing the audio takes (wall time spent
// per second of audio, the module's rendering on its streaming thread included; the target
// is under 2 for the menus and under 3 for a race). Run from the game folder.
#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

#include "engine/audio/GameAudio.h"
#include "engine/audio/KaltoSound3D.h"

namespace {

// Starts the race music over what already sounds, then mixes one second of audio per
// iteration and reports the share of a core it took.
void PlayRaceMusicAndMeasure(benchmark::State& state, TKaltoSound3D& sound) {
  TModListItem& music = *sound.FindModule("gamemusic");
  music.Play();
  if (!music.Loaded()) {
    state.SkipWithError("Sounds/2.xm not found: run from the game folder");
    return;
  }
  constexpr int kBlock = 1024;
  const int rate = sound.Mixer().Rate();
  std::vector<float> block(2 * kBlock);
  const auto started = std::chrono::steady_clock::now();
  for (auto _ : state) {
    for (int done = 0; done < rate; done += kBlock) {
      music.Stream()->WaitUntilRefilled();
      sound.Mixer().Mix(block.data(), kBlock);
      benchmark::DoNotOptimize(block.data());
    }
  }
  const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - started;
  state.counters["percent_of_core"] =
      100.0 * spent.count() / static_cast<double>(state.iterations());
}

void MixModuleAndFourEffects(benchmark::State& state) {
  constexpr int kRate = 48000;
  RealClock clock;
  TKaltoSound3D sound(clock, kRate);
  ConfigureGameAudio(sound);
  sound.CreateAudioPaths();
  for (const char* name : {"begin", "finish", "svet1", "check"}) {
    TSoundListItem* effect = sound.FindSound(name);
    effect->Loop = true;  // keep all four sounding for the whole run
    effect->Play();
  }
  PlayRaceMusicAndMeasure(state, sound);
}

// The voices a race plays at most, each on a path of its own as the race's sounds set them
// up, every loop bent off its own pitch so the mixer resamples it.
void MixARaceWithEveryVoice(benchmark::State& state) {
  constexpr int kRate = 48000;
  RealClock clock;
  TKaltoSound3D sound(clock, kRate);
  ConfigureGameAudio(sound);
  sound.CreateAudioPaths();
  AudioMixer& mixer = sound.Mixer();
  const struct {
    const char* Effect;
    PathLayout Layout;
    double Pitch;
  } voices[] = {{"engine1", PathLayout::Stereo, 1.7},     {"engine1top", PathLayout::Stereo, 0.76},
                {"engine2", PathLayout::Positional, 1.3}, {"engine3", PathLayout::Positional, 1.9},
                {"engine4", PathLayout::Positional, 1.1}, {"squeal", PathLayout::Stereo, 1.05},
                {"grass", PathLayout::Stereo, 0.9},       {"crunch", PathLayout::Stereo, 1.0}};
  for (const auto& voice : voices) {
    TSoundListItem* effect = sound.FindSound(voice.Effect);
    const auto clip = effect ? effect->LoadedClip() : nullptr;
    if (!clip) {
      state.SkipWithError("race sounds not found: run from the game folder");
      return;
    }
    const int path = mixer.AddPath(voice.Layout, 1);
    mixer.SetPathPlaybackRate(path, static_cast<int>(clip->SourceRate * voice.Pitch));
    mixer.SetPathPosition(path, Position3{0.5f, 0, 0.8f});
    mixer.SetPathVolume(path, -1200);
    mixer.Play(path, clip, -1);
  }
  PlayRaceMusicAndMeasure(state, sound);
}

}  // namespace

BENCHMARK(MixModuleAndFourEffects)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(MixARaceWithEveryVoice)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_MAIN();
