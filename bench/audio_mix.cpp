// Cost of the game's sound: one streamed module and four effects mixed at a device's rate.
// "percent_of_core" is the share of one core that playing the audio takes (wall time spent
// per second of audio, the module's rendering on its streaming thread included; the target
// is under 2). Run from the game folder.
#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

#include "engine/audio/GameAudio.h"
#include "engine/audio/KaltoSound3D.h"

namespace {

void MixModuleAndFourEffects(benchmark::State& state) {
  constexpr int kRate = 48000;
  constexpr int kBlock = 1024;
  RealClock clock;
  TKaltoSound3D sound(clock, kRate);
  ConfigureGameAudio(sound);
  sound.CreateAudioPaths();
  for (const char* name : {"begin", "finish", "svet1", "check"}) {
    TSoundListItem* effect = sound.FindSound(name);
    effect->Loop = true;  // keep all four sounding for the whole run
    effect->Play();
  }
  TModListItem* music = sound.FindModule("gamemusic");
  music->Play();
  if (!music->Loaded()) {
    state.SkipWithError("Sounds/2.xm not found: run from the game folder");
    return;
  }
  std::vector<float> block(2 * kBlock);
  const auto started = std::chrono::steady_clock::now();
  for (auto _ : state) {
    for (int done = 0; done < kRate; done += kBlock) {
      music->Stream()->WaitUntilRefilled();
      sound.Mixer().Mix(block.data(), kBlock);
      benchmark::DoNotOptimize(block.data());
    }
  }
  const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - started;
  state.counters["percent_of_core"] =
      100.0 * spent.count() / static_cast<double>(state.iterations());
}

}  // namespace

BENCHMARK(MixModuleAndFourEffects)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_MAIN();
