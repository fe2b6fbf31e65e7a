#pragma once
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "race/Catalogue.h"
#include "race/Course.h"
#include "race/Landscape.h"
#include "race/QuadGeometry.h"
#include "race/RaceRandom.h"

struct GameState;
class TKaltoImageList;
class TImageListItem;
class TKaltoSprite;
class TPlayer;
class TOpponentCar;
class TSprite;

// A bump of the player's car in one race step, for code that follows the race (its sounds):
// against another car, or against an obstacle (tree, rock, wall, ...), and how fast the two
// met, in pixels per frame.
// A piece of the surface the ground sensors count as road: the sprite's box, or for a
// shaped road part (ShapedKind not 0) the road drawn in that box.
struct RoadSurfacePiece {
  const TSprite* Sprite = nullptr;
  int32_t ShapedKind = 0;
  int32_t Variant = 0;
};

struct RaceImpact {
  enum class Against { Car, Obstacle };
  Against What = Against::Car;
  double Speed = 0;
};

// How a computer car is to be put on the course by a race builder.
struct OpponentStart {
  int Index = 0;  // 0-based; also its slot - 1
  StartSlot Slot;
  int CarKind = 0;
  bool UsesMenuImages = false;
  bool DrivesAtOnce = false;  // the demo race starts driving without a start signal
};

// The parts of a race that other code provides: the computer cars' driver, the check and
// finish lines with their lap counting, and the instruments. A builder calls what is set
// and builds the rest of the world without it.
struct RaceWorldParts {
  std::function<TOpponentCar*(const OpponentStart&)> CreateOpponent;
  std::function<void(int32_t index, double centreX, double centreY)> CreateCheckLine;
  std::function<void(double angle, double x, double centreY)> CreateFinishLine;
  // Called once the player exists: speedometer, radar and dashboard panels.
  std::function<void()> CreateInstruments;
};

// Everything the race world works on: the catalogues, the loaded course, the cars, the
// sprite engine they live on, the pictures and the one random source. The game's main
// window owns it and hands it to the race code; tests build their own.
struct RaceContext {
  RaceContext(GameState& state, TKaltoSprite& engine, uint32_t seed)
      : State(state), Engine(engine), Random(seed) {}

  GameState& State;
  TKaltoSprite& Engine;
  TKaltoImageList* MenuImages = nullptr;  // the menus' list (the demo race draws from it)
  TKaltoImageList* GameImages = nullptr;  // the race list
  // Turns a game file name such as "Data\\data4.prd" into a path to open.
  std::function<std::filesystem::path(const std::string&)> DataFile;

  TrackCatalogue Tracks;
  CarCatalogue Cars;
  RaceCourse Course;
  // The loaded course's landscape: the ground, road and scenery pictures follow it.
  Landscape CourseLandscape = Landscape::Meadow;
  // The cars of the current race: sprites of the engine. Whoever frees the race's sprites
  // calls ForgetCars, so nothing reads a freed car.
  TPlayer* Player = nullptr;
  std::vector<TOpponentCar*> Opponents;
  // Road parts and paints: the surface the ground sensors look for. Shared with the road
  // sprites, which leave it when freed, even if the engine outlives this context.
  std::shared_ptr<std::vector<RoadSurfacePiece>> RoadSurface =
      std::make_shared<std::vector<RoadSurfacePiece>>();
  RaceWorldParts Parts;
  RaceRandom Random;
  // The menus' demo race runs on this context (StartDemoRace sets it, StartRace clears it):
  // its computer cars drive on the demo course, which has no road parts to read.
  bool DemoRace = false;
  // A time trial: StartRace puts the player alone on the course (no computer cars) for laps
  // without end; the race is left only through the quit panel. Set before StartRace by
  // whoever starts the trial, cleared when the track selection opens.
  bool TimeTrial = false;
  // The race clock is game time: it runs from the start signal until the race is over, and
  // while it runs every race step adds 100/90 hundredths to the cars' clocks, the carry kept
  // exactly (ClockSteps steps make ClockSteps * 10 / 9 whole hundredths).
  bool ClockRunning = false;
  int64_t ClockSteps = 0;
  // The player's bumps of the current race step: emptied as the step begins, filled where
  // the step detects them (NoteImpact), read by the AfterStep hooks. The demo race records
  // none.
  std::vector<RaceImpact> StepImpacts;
  // Called at the end of every race step (RunRaceStep), in order: where code that follows
  // the world step by step (sounds, watchers, recorders) hooks in.
  std::vector<std::function<void(RaceContext&)>> AfterStep;

  void NoteImpact(const RaceImpact& impact) {
    if (!DemoRace) StepImpacts.push_back(impact);
  }
  void ForgetCars() {
    Player = nullptr;
    Opponents.clear();
  }
  // The named picture of the menu or the race list; none when the list or name is missing.
  TImageListItem* Picture(bool fromMenuImages, const std::string& name) const;
  // The race list's picture for `base` in the course's landscape (LandscapePicture).
  TImageListItem* CoursePicture(const std::string& base) const;
  // The player's world shift of this frame (zero without a player).
  Vec2 Scroll() const;
  Vec2 Push() const;
};
