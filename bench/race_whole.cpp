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

namespace {

std::vector<TrackRecord> LargeSquareTrack() {
  std::vector<TrackRecord> records;
  std::vector<std::pair<int32_t, int32_t>> points;
  for (int x = 1000; x < 2000; x += 100) points.push_back({x, 0});
  for (int y = 0; y < 2000; y += 100) points.push_back({2000, y});
  for (int x = 2000; x > 0; x -= 100) points.push_back({x, 2000});
  for (int y = 2000; y > 0; y -= 100) points.push_back({0, y});
  for (int x = 0; x < 1000; x += 100) points.push_back({x, 0});
  for (size_t i = 0; i < points.size(); ++i) {
    const int32_t checkpoint = i % 20 == 0 ? static_cast<int32_t>(i / 20 + 1) : 0;
    records.push_back({points[i].second, points[i].first, track_kind::PathPoint, checkpoint,
                       static_cast<int32_t>(i + 1)});
    records.push_back({points[i].second, points[i].first, track_kind::FirstRoadPart, 0, 0});
  }
  for (int32_t slot = 1; slot <= 8; ++slot) {
    records.push_back({0, 900 - 100 * slot, track_kind::StartSlot, 0, slot});
  }
  records.push_back({0, 1045, track_kind::FinishLine, 0, 0});
  records.push_back({1000, 2000, track_kind::CheckLine, 0, 0});
  records.push_back({2000, 1000, track_kind::CheckLine, 0, 1});
  records.push_back({1000, 0, track_kind::CheckLine, 0, 2});
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
