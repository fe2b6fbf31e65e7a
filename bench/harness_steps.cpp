// How fast the headless harness runs the real game: frames stepped without rasterising (as
// long scenarios run) and frames drawn for real (as the frames a test saves or checks).
// A whole race is several thousand frames.
#include <benchmark/benchmark.h>

#include "tests/harness/GameHarness.h"

namespace {

void BM_HarnessStepFrame(benchmark::State& state) {
  GameHarness game;
  for (auto _ : state) game.StepFrame();
  state.counters["frames_per_s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_HarnessStepFrame)->UseRealTime();

void BM_HarnessRenderFrame(benchmark::State& state) {
  GameHarness game;
  for (auto _ : state) benchmark::DoNotOptimize(game.RenderFrame());
  state.counters["frames_per_s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_HarnessRenderFrame)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
