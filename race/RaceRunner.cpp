#include "race/RaceRunner.h"

#include <algorithm>

#include "engine/graphics/KaltoSprite.h"
#include "race/Autopilot.h"
#include "race/GameProcedures.h"
#include "race/Opponent.h"
#include "race/Player.h"
#include "race/RaceParts.h"

namespace {

constexpr const char* kTrackName = "race-sim track";

// The race clock ticks a hundredth per 10 ms: frames * 1000 / 90 ms, in whole hundredths.
int64_t HundredthsAt(int64_t frame) {
  return frame * 10 / 9;
}

void TickClocks(RaceContext& race) {
  for (TOpponentCar* car : race.Opponents) {
    if (car->Driving) car->RaceClock.Advance();
  }
  TPlayer& player = *race.Player;
  if (race.State.RaceFinished) return;
  player.RaceClock.Advance();
  if (player.LapTimerRunning) player.LapTime.Advance();
}

bool EveryCarFinished(const RaceContext& race) {
  return race.State.RaceFinished &&
         std::all_of(race.Opponents.begin(), race.Opponents.end(),
                     [&](const TOpponentCar* car) { return car->Lap > race.Course.Laps; });
}

}  // namespace

RaceOutcome RunRace(const RaceSetup& setup) {
  GameState freshState;
  GameState& state = setup.State ? *setup.State : freshState;
  state.CarsAvailable = race::kCarCount;
  state.ScreenState = ScrRace;
  TKaltoSprite engine;
  RaceContext race(state, engine, setup.Seed);
  InitTrackCatalogue(race.Tracks, state);
  InitCarCatalogue(race.Cars, state);  // the catalogues reset the selection
  state.SelectedTrack = 0;
  state.SelectedCar = std::clamp(setup.CarKind, 0, race::kCarCount - 1);
  TrackInfo& track = race.Tracks.Tracks[0];
  track.DataFile = kTrackName;
  track.Opponents = std::clamp(setup.Opponents, 0, race::kMaxOpponents);
  track.Laps = setup.Laps;
  race.DataFile = [&setup](const std::string&) { return setup.TrackFile; };
  UseRaceWorldParts(race);
  StartRace(race);
  race.Player->ControlsEnabled = true;
  for (TOpponentCar* car : race.Opponents) car->Driving = true;

  Autopilot pilot(race);
  RaceOutcome outcome;
  outcome.SpritesAtStart = engine.SpriteCount();
  int64_t frame = 0;
  while (frame < setup.FrameLimit && !EveryCarFinished(race)) {
    const int32_t lap = race.Player->Lap;
    const RaceTime lapTime = race.Player->LapTime;
    const bool wasFinished = state.RaceFinished;
    if (setup.Drive) {
      setup.Drive(pilot.Decide());
    } else {
      pilot.PressKeys();
    }
    engine.MoveAll(0);
    MoveCourse(race);
    engine.KillDead();
    ++frame;
    for (int64_t t = HundredthsAt(frame - 1); t < HundredthsAt(frame); ++t) TickClocks(race);
    if ((race.Player->Lap != lap && lap >= 1) || (state.RaceFinished && !wasFinished)) {
      outcome.PlayerLaps.push_back(lapTime);
    }
  }
  outcome.Frames = frame;
  outcome.AllFinished = EveryCarFinished(race);
  const int32_t rows = std::min(state.NextFinishPlace - 1, kFinishRowCount);
  for (int32_t row = 1; row <= rows; ++row) {
    const FinishRow& r = state.FinishRows[row];
    outcome.Rows.push_back(r);
    const bool player = r.Id == kPlayerFinishId;
    outcome.RowCarKinds.push_back(player ? race.Player->CarKind
                                         : race.Opponents[static_cast<size_t>(r.Id)]->CarKind);
  }
  race.ForgetCars();
  return outcome;
}
