#pragma once
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/GameState.h"
#include "core/RaceTime.h"
#include "engine/graphics/KaltoImageList.h"
#include "engine/graphics/KaltoSprite.h"
#include "race/RaceContext.h"

// A whole race run headless on a virtual clock of 90 frames a second, the player driven by
// the autopilot and the computer cars by their own driver. No pictures, no platform.
struct RaceSetup {
  std::filesystem::path TrackFile;
  int32_t Opponents = 4;
  int32_t Laps = 3;
  int32_t CarKind = 0;
  uint32_t Seed = 1;
  Difficulty Level = Difficulty::Normal;  // how hard the computer cars drive
  int64_t FrameLimit = 90 * 60 * 30;      // half an hour of race
  // The race list to take sprite pictures from (for drawing the race); without one every
  // sprite gets its picture's size from the picture table and nothing can be drawn.
  TKaltoImageList* Pictures = nullptr;
  // Called at the start of every frame, before the keys and the move pass, with the frame's
  // number from 0: where a watcher draws the world as it stands.
  std::function<void(RaceContext&, int64_t frame)> OnFrame;
};

struct RaceOutcome {
  bool AllFinished = false;
  int64_t Frames = 0;
  int32_t SpritesAtStart = 0;        // the world's size, for measurements
  std::vector<FinishRow> Rows;       // in finishing order
  std::vector<int32_t> RowCarKinds;  // the car kind of each row
  std::vector<RaceTime> PlayerLaps;
  // Per computer car, by index: its car kind and the frames each of its laps took (the
  // crossing that starts the race counts no lap).
  std::vector<int32_t> OpponentKinds;
  std::vector<std::vector<int64_t>> OpponentLapFrames;
  // The longest run of frames in which a driving computer car got no further along the
  // course (until it got on or was put back on the course): a car stuck on scenery or lost
  // shows here.
  int64_t LongestStall = 0;
};

// The race of a setup built and released at the green light, stepped by the caller: the
// world of RunRace, for code that wants to act between steps. Throws TrackFileError for a
// track that cannot become a race.
class HeadlessRace {
 public:
  explicit HeadlessRace(const RaceSetup& setup);
  ~HeadlessRace();
  HeadlessRace(const HeadlessRace&) = delete;
  HeadlessRace& operator=(const HeadlessRace&) = delete;

  // One race step; dead sprites are freed after it.
  void Step();
  // Whether the player and every computer car have finished.
  bool EveryCarFinished() const;

  GameState State;
  TKaltoImageList SizedPictures;  // outlives the sprites that point into it
  TKaltoSprite Engine;
  RaceContext Race;
};

// Throws TrackFileError for a track that cannot become a race.
RaceOutcome RunRace(const RaceSetup& setup);
