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

// Watches the computer cars: when each lap ends, and the longest stall their own stall
// clocks showed (a car is put back on the course when its stall grows too long).
class OpponentWatch {
 public:
  explicit OpponentWatch(const RaceContext& race) : race_(race) {
    const size_t n = race.Opponents.size();
    cars_.resize(n);
    for (size_t i = 0; i < n; ++i) {
      cars_[i].Lap = race.Opponents[i]->Lap;
      cars_[i].WasDriving = race.Opponents[i]->Driving;
    }
  }

  void After(int64_t frame) {
    for (size_t i = 0; i < race_.Opponents.size(); ++i) {
      const TOpponentCar& car = *race_.Opponents[i];
      Car& c = cars_[i];
      if (car.Lap != c.Lap) {
        // A finished car may count on over the line; only laps driven count.
        if (c.WasDriving && c.LapStart >= 0) c.LapFrames.push_back(frame - c.LapStart);
        c.LapStart = frame;
        c.Lap = car.Lap;
      }
      c.WasDriving = car.Driving;
      longestStall_ = std::max(longestStall_, car.Stall.StalledSteps());
    }
  }

  std::vector<std::vector<int64_t>> LapFrames() const {
    std::vector<std::vector<int64_t>> laps;
    for (const Car& c : cars_) laps.push_back(c.LapFrames);
    return laps;
  }
  int64_t LongestStall() const { return longestStall_; }

 private:
  struct Car {
    int32_t Lap = 0;
    int64_t LapStart = -1;
    bool WasDriving = false;
    std::vector<int64_t> LapFrames;
  };

  const RaceContext& race_;
  std::vector<Car> cars_;
  int64_t longestStall_ = 0;
};

}  // namespace

HeadlessRace::HeadlessRace(const RaceSetup& setup) : Race(State, Engine, setup.Seed) {
  State.CarsAvailable = race::kCarCount;
  State.DriverDifficulty = setup.Level;
  if (!setup.Pictures) FillSizedPictureList(SizedPictures, kRaceList);
  Race.GameImages = setup.Pictures ? setup.Pictures : &SizedPictures;
  InitTrackCatalogue(Race.Tracks, State);
  InitCarCatalogue(Race.Cars, State);  // the catalogues reset the selection
  State.SelectedTrack = 0;
  State.SelectedCar = std::clamp(setup.CarKind, 0, race::kCarCount - 1);
  TrackInfo& track = Race.Tracks.Tracks[0];
  track.DataFile = kTrackName;
  track.Opponents = std::clamp(setup.Opponents, 0, race::kMaxOpponents);
  track.Laps = setup.Laps;
  const std::filesystem::path file = setup.TrackFile;
  Race.DataFile = [file](const std::string&) { return file; };
  UseRaceWorldParts(Race);
  StartRace(Race);
  ReleaseCarsAndClock(Race);
}

HeadlessRace::~HeadlessRace() {
  Race.ForgetCars();
}

void HeadlessRace::Step() {
  RunRaceStep(Race);
  Engine.KillDead();
}

bool HeadlessRace::EveryCarFinished() const {
  return State.RaceFinished &&
         std::all_of(Race.Opponents.begin(), Race.Opponents.end(),
                     [&](const TOpponentCar* car) { return car->Lap > Race.Course.Laps; });
}

RaceOutcome RunRace(const RaceSetup& setup) {
  HeadlessRace headless(setup);
  RaceContext& race = headless.Race;
  GameState& state = headless.State;
  Autopilot pilot(race);
  OpponentWatch watch(race);
  RaceOutcome outcome;
  outcome.SpritesAtStart = headless.Engine.SpriteCount();
  int64_t frame = 0;
  while (frame < setup.FrameLimit && !headless.EveryCarFinished()) {
    const int32_t lap = race.Player->Lap;
    const RaceTime lapTime = race.Player->LapTime;
    const bool wasFinished = state.RaceFinished;
    if (setup.OnFrame) setup.OnFrame(race, frame);
    pilot.PressKeys();
    headless.Step();
    ++frame;
    watch.After(frame);
    if ((race.Player->Lap != lap && lap >= 1) || (state.RaceFinished && !wasFinished)) {
      outcome.PlayerLaps.push_back(lapTime);
    }
  }
  outcome.Frames = frame;
  outcome.AllFinished = headless.EveryCarFinished();
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
  return outcome;
}
