#include "race/RaceRunner.h"

#include <algorithm>

#include "engine/graphics/KaltoImageList.h"
#include "engine/graphics/KaltoSprite.h"
#include "engine/graphics/PictureTable.h"
#include "race/Autopilot.h"
#include "race/GameProcedures.h"
#include "race/Opponent.h"
#include "race/Player.h"
#include "race/RaceParts.h"
#include "race/RaceStep.h"

namespace {

constexpr const char* kTrackName = "race-sim track";

bool EveryCarFinished(const RaceContext& race) {
  return race.State.RaceFinished &&
         std::all_of(race.Opponents.begin(), race.Opponents.end(),
                     [&](const TOpponentCar* car) { return car->Lap > race.Course.Laps; });
}

// Watches the computer cars: when each lap ends and how long each went without progress.
// Progress is summed from the frame-to-frame change of a car's place on the lap, so the
// jump of the lap count at the finish line does not count as progress.
class OpponentWatch {
 public:
  explicit OpponentWatch(const RaceContext& race) : race_(race) {
    const size_t n = race.Opponents.size();
    cars_.resize(n);
    for (size_t i = 0; i < n; ++i) {
      cars_[i].Lap = race.Opponents[i]->Lap;
      cars_[i].LastProgress = race.Opponents[i]->Progress;
      cars_[i].WasDriving = race.Opponents[i]->Driving;
    }
  }

  void After(int64_t frame) {
    const double lap = race_.Course.LapLength();
    for (size_t i = 0; i < race_.Opponents.size(); ++i) {
      const TOpponentCar& car = *race_.Opponents[i];
      Car& c = cars_[i];
      if (car.Lap != c.Lap) {
        // A finished car may count on over the line; only laps driven count.
        if (c.WasDriving && c.LapStart >= 0) c.LapFrames.push_back(frame - c.LapStart);
        c.LapStart = frame;
        c.Lap = car.Lap;
      }
      double step = car.Progress - c.LastProgress;
      if (lap > 0 && step < -lap / 2) step += lap;
      if (lap > 0 && step > lap / 2) step -= lap;
      c.LastProgress = car.Progress;
      c.Advance += step;
      if (!car.Driving || c.Advance >= c.Best + kProgressStep) {
        c.Best = std::max(c.Best, c.Advance);
        c.BestFrame = frame;
      }
      c.WasDriving = car.Driving;
      longestStall_ = std::max(longestStall_, frame - c.BestFrame);
    }
  }

  std::vector<std::vector<int64_t>> LapFrames() const {
    std::vector<std::vector<int64_t>> laps;
    for (const Car& c : cars_) laps.push_back(c.LapFrames);
    return laps;
  }
  int64_t LongestStall() const { return longestStall_; }

 private:
  static constexpr double kProgressStep = 1;  // ten pixels along the course

  struct Car {
    int32_t Lap = 0;
    int64_t LapStart = -1;
    bool WasDriving = false;
    double LastProgress = 0;
    double Advance = 0;
    double Best = 0;
    int64_t BestFrame = 0;
    std::vector<int64_t> LapFrames;
  };

  const RaceContext& race_;
  std::vector<Car> cars_;
  int64_t longestStall_ = 0;
};

}  // namespace

RaceOutcome RunRace(const RaceSetup& setup) {
  GameState state;
  state.CarsAvailable = race::kCarCount;
  TKaltoImageList sized;  // outlives the sprites that point into it
  TKaltoSprite engine;
  RaceContext race(state, engine, setup.Seed);
  if (!setup.Pictures) FillSizedPictureList(sized, kRaceList);
  race.GameImages = setup.Pictures ? setup.Pictures : &sized;
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
  ReleaseCarsAndClock(race);

  Autopilot pilot(race);
  OpponentWatch watch(race);
  RaceOutcome outcome;
  outcome.SpritesAtStart = engine.SpriteCount();
  int64_t frame = 0;
  while (frame < setup.FrameLimit && !EveryCarFinished(race)) {
    const int32_t lap = race.Player->Lap;
    const RaceTime lapTime = race.Player->LapTime;
    const bool wasFinished = state.RaceFinished;
    if (setup.OnFrame) setup.OnFrame(race, frame);
    pilot.PressKeys();
    RunRaceStep(race);
    engine.KillDead();
    ++frame;
    watch.After(frame);
    if ((race.Player->Lap != lap && lap >= 1) || (state.RaceFinished && !wasFinished)) {
      outcome.PlayerLaps.push_back(lapTime);
    }
  }
  outcome.Frames = frame;
  outcome.AllFinished = EveryCarFinished(race);
  outcome.OpponentLapFrames = watch.LapFrames();
  outcome.LongestStall = watch.LongestStall();
  for (const TOpponentCar* car : race.Opponents) outcome.OpponentKinds.push_back(car->CarKind);
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
