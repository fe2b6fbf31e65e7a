#pragma once
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/GameState.h"
#include "core/RaceTime.h"
#include "race/Autopilot.h"

// A whole race run headless on a virtual clock of 90 frames a second, the player driven by
// the autopilot (or by what the setup's Drive makes of its wishes) and the computer cars by
// their own driver. No pictures, no platform.
struct RaceSetup {
  std::filesystem::path TrackFile;
  int32_t Opponents = 4;
  int32_t Laps = 3;
  int32_t CarKind = 0;
  uint32_t Seed = 1;
  int64_t FrameLimit = 90 * 60 * 30;  // half an hour of race
  // The state record to race in, whose key tables steer the player's car; null: a fresh one.
  GameState* State = nullptr;
  // When set, called before every frame with what the autopilot wants, in place of the
  // autopilot's own key presses: it must bring those controls into the key tables (for
  // example as input events, the way a player's keys or pad arrive).
  std::function<void(const AutopilotControls&)> Drive;
};

struct RaceOutcome {
  bool AllFinished = false;
  int64_t Frames = 0;
  int32_t SpritesAtStart = 0;        // the world's size, for measurements
  std::vector<FinishRow> Rows;       // in finishing order
  std::vector<int32_t> RowCarKinds;  // the car kind of each row
  std::vector<RaceTime> PlayerLaps;
};

// Throws TrackFileError for a track that cannot become a race.
RaceOutcome RunRace(const RaceSetup& setup);
