// A whole 5-lap race with 7 computer cars and the autopilot, simulation only, on a square
// track of some 1900 sprites. "realtime_multiple" is simulated time over real time
// (90 frames a second of race); the goal is at least 50.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "race/RaceRunner.h"
#include "race/TrackFile.h"
#include "tests/race/SquareCourse.h"

namespace {

// The square course with road under every path point, eight start slots and a bed of flowers.
std::vector<TrackRecord> LargeSquareTrack() {
  std::vector<TrackRecord> records = SquareCourse();
  for (const auto& [x, y] : SquarePathPoints()) {
    records.push_back({y, x, track_kind::FirstRoadPart, 0, 0});
  }
  for (int32_t slot = 1; slot <= 8; ++slot) {
    records.push_back({0, 900 - 100 * slot, track_kind::StartSlot, 0, slot});
  }
  for (int i = 0; i < 1600; ++i) {  // flowers inside the square
    records.push_back({300 + (i / 40) * 35, 300 + (i % 40) * 35, track_kind::Flowers, 0, 0});
  }
  return records;
}

void WholeRace(benchmark::State& bench) {
  const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                     ("bk-bench-race-" + std::to_string(getpid()) + ".prd");
  {
    const std::vector<uint8_t> bytes = EncodeTrackRecords(LargeSquareTrack());
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }
  RaceSetup setup;
  setup.TrackFile = file;
  setup.Opponents = 7;
  setup.Laps = 5;
  int64_t frames = 0;
  int32_t sprites = 0;
  for (auto _ : bench) {
    const RaceOutcome outcome = RunRace(setup);
    if (!outcome.AllFinished) bench.SkipWithError("a car never finished");
    frames += outcome.Frames;
    sprites = outcome.SpritesAtStart;
  }
  std::filesystem::remove(file);
  bench.counters["sprites"] = sprites;
  bench.counters["frames_per_race"] =
      static_cast<double>(frames) / static_cast<double>(bench.iterations());
  bench.counters["realtime_multiple"] =
      benchmark::Counter(static_cast<double>(frames) / 90.0, benchmark::Counter::kIsRate);
}

}  // namespace

BENCHMARK(WholeRace)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
