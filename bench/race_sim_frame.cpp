// One race frame's simulation, no drawing: the player holding the throttle and steering,
// seven standing computer cars on the course, and a track of more than 1500 sprites (road
// loop, paint and trees beside it). Goal: at most 0.2 ms a frame; goal_ratio >= 1 meets it.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "core/GameState.h"
#include "engine/graphics/KaltoSprite.h"
#include "race/GameProcedures.h"
#include "race/Opponent.h"
#include "race/Player.h"
#include "race/RaceStep.h"

namespace {

constexpr double kGoalMillisecondsPerFrame = 0.2;
constexpr int kTile = 256;
constexpr int kLoopColumns = 30;
constexpr int kLoopRows = 15;

// A rectangular loop of straight road tiles with flowers on it and trees around it; start
// slots along its top edge.
std::vector<TrackRecord> BenchTrack() {
  namespace kind = track_kind;
  std::vector<TrackRecord> records;
  int order = 1;
  auto tile = [&](int column, int row) {
    const int x = column * kTile;
    const int y = row * kTile;
    records.push_back({y, x, column == 0 || column == kLoopColumns - 1 ? 2 : 1, 0, 0});
    records.push_back({y + kTile / 2, x + kTile / 2, kind::PathPoint, order % 7, order});
    ++order;
    for (int k = 0; k < 8; ++k) {
      records.push_back({y + 30 * k, x + 20 + 25 * k, kind::Flowers + k % 3, 0, 0});
    }
    for (int k = 0; k < 10; ++k) {
      records.push_back({y - 120 - 20 * (k % 3), x + 25 * k, kind::Obstacle, 0, 1 + k % 11});
    }
  };
  for (int c = 0; c < kLoopColumns; ++c) tile(c, 0);
  for (int r = 1; r < kLoopRows; ++r) tile(kLoopColumns - 1, r);
  for (int c = kLoopColumns - 2; c >= 0; --c) tile(c, kLoopRows - 1);
  for (int r = kLoopRows - 2; r >= 1; --r) tile(0, r);
  for (int slot = 1; slot <= 8; ++slot) {
    records.push_back({kTile / 2 + (slot % 2) * 40, 300 + 70 * slot, kind::StartSlot, 0, slot});
  }
  return records;
}

void RaceFrame(benchmark::State& bench) {
  const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                     ("bk-bench-track-" + std::to_string(getpid()) + ".prd");
  {
    const std::vector<uint8_t> bytes = EncodeTrackRecords(BenchTrack());
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }
  GameState state;
  state.SelectedTrack = 6;  // seven opponents
  state.CarsAvailable = 5;
  TKaltoSprite engine;
  RaceContext race(state, engine, 1);
  InitTrackCatalogue(race.Tracks, state);
  InitCarCatalogue(race.Cars, state);
  race.DataFile = [&file](const std::string&) { return file; };
  race.Parts.CreateOpponent = [&race](const OpponentStart& s) {
    return new TOpponentCar(race, false, s.Slot.Angle, s.Index, "enemy", s.CarKind, s.Slot.X,
                            s.Slot.Y);
  };
  StartRace(race);
  std::filesystem::remove(file);
  race.Player->ControlsEnabled = true;
  state.KeyHeld[vk::Up] = 1;

  int64_t frame = 0;
  for (auto _ : bench) {
    // Weave: a turn held for 60 frames, then straight for 60.
    state.KeyHeld[vk::Right] = (frame / 60) % 2;
    RunRaceStep(race);
    engine.KillDead();
    ++frame;
  }
  bench.counters["sprites"] = engine.SpriteCount();
  bench.counters["goal_ratio"] =
      benchmark::Counter(static_cast<double>(bench.iterations()) * kGoalMillisecondsPerFrame / 1e3,
                         benchmark::Counter::kIsRate);
}

}  // namespace

BENCHMARK(RaceFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
