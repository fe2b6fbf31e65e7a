// race-sim TRACK.prd|--track N [--opponents N] [--laps L] [--car K] [--seed S]
//                    [--difficulty easy|normal|hard] [--frames-png DIR --every F]
// Races the track headless with the autopilot at the wheel and prints the results table,
// the player's lap times, the computer cars' best laps, the longest stall of a computer car
// and the frame count. --track N races the catalogue's track N (1..12) with its laps and
// computer cars (run from the game folder) unless --laps or --opponents say otherwise.
// Exits 0 only when every car finished. --frames-png draws the race with the game's pictures (run
// from the game folder, which holds Data/) and saves every F-th frame into DIR.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <optional>
#include <string>

#include "core/Difficulty.h"
#include "race/GameConstants.h"
#include "race/RaceRunner.h"
#include "race/TrackFile.h"
#include "tools/race-sim/FrameRecorder.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: race-sim TRACK.prd|--track N [--opponents N] [--laps L] [--car K]\n"
               "                [--seed S] [--difficulty easy|normal|hard]\n"
               "                [--frames-png DIR --every F]\n");
  return 2;
}

bool ReadNumber(const char* text, long low, long high, long& value) {
  char* end = nullptr;
  value = std::strtol(text, &end, 10);
  return end != text && *end == '\0' && value >= low && value <= high;
}

std::string Format(const RaceTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%d:%02d.%02d", t.Minutes, t.Seconds, t.Hundredths);
  return text;
}

// The catalogue's track N (1-based): its file in the game folder, its laps and cars.
void UseCatalogueTrack(int number, RaceSetup& setup) {
  const race::TrackConstants& track = race::kTracks[static_cast<size_t>(number - 1)];
  std::string file = track.DataFile;
  std::replace(file.begin(), file.end(), '\\', '/');
  setup.TrackFile = file;
  setup.Laps = track.Laps;
  setup.Opponents = track.Opponents;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  RaceSetup setup;
  const bool trackGiven = argv[1][0] != '-';
  if (trackGiven) setup.TrackFile = argv[1];
  long catalogueTrack = 0;
  long lapCount = 0;
  long opponents = -1;
  std::string framesFolder;
  long every = 0;
  for (int i = trackGiven ? 2 : 1; i < argc; i += 2) {
    if (i + 1 >= argc) return Usage();
    const std::string option = argv[i];
    long value = 0;
    bool ok = false;
    if (option == "--track") {
      ok = !trackGiven && ReadNumber(argv[i + 1], 1, race::kTrackCount, catalogueTrack);
    } else if (option == "--opponents") {
      ok = ReadNumber(argv[i + 1], 0, race::kMaxOpponents - 1, opponents);
    } else if (option == "--laps") {
      ok = ReadNumber(argv[i + 1], 1, 99, lapCount);
    } else if (option == "--difficulty") {
      const std::optional<Difficulty> level = DifficultyFromWord(argv[i + 1]);
      ok = level.has_value();
      if (ok) setup.Level = *level;
    } else if (option == "--car") {
      ok = ReadNumber(argv[i + 1], 0, race::kCarCount - 1, value);
      setup.CarKind = static_cast<int32_t>(value);
    } else if (option == "--seed") {
      ok = ReadNumber(argv[i + 1], 0, 0xFFFFFFFFL, value);
      setup.Seed = static_cast<uint32_t>(value);
    } else if (option == "--frames-png") {
      framesFolder = argv[i + 1];
      ok = !framesFolder.empty();
    } else if (option == "--every") {
      ok = ReadNumber(argv[i + 1], 1, 1000000, every);
    }
    if (!ok) return Usage();
  }
  if (framesFolder.empty() != (every == 0)) return Usage();  // the two go together
  if (!trackGiven && catalogueTrack == 0) return Usage();
  if (catalogueTrack > 0) UseCatalogueTrack(static_cast<int>(catalogueTrack), setup);
  if (lapCount > 0) setup.Laps = static_cast<int32_t>(lapCount);
  if (opponents >= 0) setup.Opponents = static_cast<int32_t>(opponents);
  std::unique_ptr<FrameRecorder> recorder;
  RaceOutcome outcome;
  try {
    if (!framesFolder.empty()) {
      recorder = std::make_unique<FrameRecorder>(framesFolder, every);
      setup.Pictures = &recorder->Pictures();
      setup.OnFrame = [&recorder](RaceContext& race, int64_t frame) {
        recorder->Frame(race, frame);
      };
    }
    outcome = RunRace(setup);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "race-sim: %s\n", e.what());
    return 1;
  }
  std::printf("place  car  kind  race time\n");
  for (size_t i = 0; i < outcome.Rows.size(); ++i) {
    const FinishRow& row = outcome.Rows[i];
    const std::string car = row.Id == kPlayerFinishId ? "you" : std::to_string(row.Id + 1);
    std::printf("%5zu  %3s  %4d  %s\n", i + 1, car.c_str(), outcome.RowCarKinds[i],
                Format(row.Time).c_str());
  }
  for (size_t i = 0; i < outcome.PlayerLaps.size(); ++i) {
    std::printf("lap %zu: %s\n", i + 1, Format(outcome.PlayerLaps[i]).c_str());
  }
  for (size_t i = 0; i < outcome.OpponentLapFrames.size(); ++i) {
    const auto& laps = outcome.OpponentLapFrames[i];
    int64_t best = 0;
    for (int64_t frames : laps) best = best == 0 ? frames : std::min(best, frames);
    std::printf("car %zu (kind %d): best lap %.2f s over %zu laps\n", i + 1,
                outcome.OpponentKinds[i], best / 90.0, laps.size());
  }
  std::printf("longest stall: %lld frames\n", static_cast<long long>(outcome.LongestStall));
  std::printf("frames: %lld\n", static_cast<long long>(outcome.Frames));
  if (recorder) {
    std::printf("frames saved: %lld in %s\n", static_cast<long long>(recorder->Saved()),
                framesFolder.c_str());
  }
  if (!outcome.AllFinished) {
    std::fprintf(stderr, "race-sim: not every car finished within %lld frames\n",
                 static_cast<long long>(setup.FrameLimit));
    return 1;
  }
  return 0;
}
