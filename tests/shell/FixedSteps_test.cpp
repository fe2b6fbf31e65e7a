// The game steps the world in fixed steps of 1/90 s whatever the drawn frame rate: the same
// race, drawn at different rates, is the same race step for step.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "race/Autopilot.h"
#include "race/Opponent.h"
#include "race/Player.h"
#include "shell/Unit_pr.h"
#include "tests/shell/RaceScenario.h"

namespace {

// FNV-1a over the bytes of the values that make up the world's state.
class WorldHash {
 public:
  template <typename T>
  void Add(const T& value) {
    unsigned char bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));
    for (unsigned char b : bytes) hash_ = (hash_ ^ b) * 1099511628211ULL;
  }
  uint64_t Value() const { return hash_; }

 private:
  uint64_t hash_ = 14695981039346656037ULL;
};

uint64_t HashWorld(const RaceContext& race) {
  WorldHash hash;
  const TPlayer& player = *race.Player;
  hash.Add(player.X());
  hash.Add(player.Y());
  hash.Add(player.Angle);
  hash.Add(player.Speed);
  hash.Add(player.Lap);
  hash.Add(player.RaceClock);
  hash.Add(player.LapTime);
  for (const TOpponentCar* car : race.Opponents) {
    hash.Add(car->X());
    hash.Add(car->Y());
    hash.Add(car->Angle);
    hash.Add(car->Speed);
    hash.Add(car->Lap);
    hash.Add(car->Progress);
    hash.Add(car->RaceClock);
  }
  hash.Add(race.Course.Points[1].X);
  hash.Add(race.Course.Points[1].Y);
  hash.Add(race.ClockSteps);
  return hash.Value();
}

struct RaceRecord {
  std::vector<uint64_t> StepHashes;  // one per race step
  std::vector<FinishRow> Rows;
  RaceTime PlayerClock;
  std::vector<std::pair<float, float>> CarPlaces;  // the player first
  int64_t Steps = 0;                               // every step the game ran
  int64_t DrawnFrames = 0;
};

// The handbrake is held on these steps of the race screen (from its first frame), on top of
// the autopilot's keys: a scripted input the drawn frames cannot see.
bool HandbrakeScripted(int64_t raceFrame) {
  return raceFrame % 360 >= 320;
}

// One race of a lap against three computer cars, the player driven per step by the autopilot
// and the script; drawn frames follow `schedule` (steps per drawn frame, repeated), every
// `rasterizeEvery`-th drawn frame rasterised (0: none).
RaceRecord RaceDrawnAs(const std::vector<int>& schedule, int rasterizeEvery) {
  RaceScenario scenario;
  TForm1& form = scenario.Form();
  GameState& state = scenario.State();
  scenario.StartRace(1, 3);
  EXPECT_EQ(state.ScreenState, ScrRace);
  RaceRecord record;
  Autopilot pilot(form.Race);
  int64_t raceFrame = 0;
  form.BeforeStep = [&] {
    ++record.Steps;
    if (state.ScreenState != ScrRace) return;
    pilot.PressKeys();
    state.KeyHeld[vk::Space] = HandbrakeScripted(raceFrame++) ? 1 : 0;
  };
  form.Race.AfterStep.push_back(
      [&record](RaceContext& race) { record.StepHashes.push_back(HashWorld(race)); });

  const int64_t framesBefore = scenario.Game().FramesRun();
  for (size_t i = 0; state.ScreenState == ScrRace && record.Steps < 20000; ++i) {
    const bool rasterize = rasterizeEvery > 0 && i % static_cast<size_t>(rasterizeEvery) == 0;
    scenario.Game().StepDrawnFrame(schedule[i % schedule.size()], rasterize);
  }
  EXPECT_EQ(state.ScreenState, ScrRaceOver);
  record.DrawnFrames = scenario.Game().FramesRun() - framesBefore;
  for (int row = 1; row < state.NextFinishPlace && row <= kFinishRowCount; ++row) {
    record.Rows.push_back(state.FinishRows[row]);
  }
  record.PlayerClock = form.Race.Player->RaceClock;
  record.CarPlaces.emplace_back(form.Race.Player->X(), form.Race.Player->Y());
  for (const TOpponentCar* car : form.Race.Opponents)
    record.CarPlaces.emplace_back(car->X(), car->Y());
  form.Race.AfterStep.clear();
  return record;
}

TEST(FixedSteps, TheSameRaceDrawnAtAnyRateIsTheSameStepForStep) {
  struct Case {
    const char* Name;
    std::vector<int> Schedule;
    int RasterizeEvery;
  };
  const std::vector<Case> cases = {
      {"every step drawn", {1}, 0},
      {"every 2nd step drawn", {2}, 0},
      {"irregular drawn frames", {1, 3, 2, 6, 1, 1, 4, 5, 2, 3}, 7},
  };
  const RaceRecord reference = RaceDrawnAs(cases[0].Schedule, cases[0].RasterizeEvery);
  ASSERT_GT(reference.StepHashes.size(), 500u);
  ASSERT_EQ(reference.Rows.size(), 4u) << "every car finishes";
  EXPECT_EQ(reference.DrawnFrames, reference.Steps);
  for (size_t c = 1; c < cases.size(); ++c) {
    SCOPED_TRACE(cases[c].Name);
    const RaceRecord run = RaceDrawnAs(cases[c].Schedule, cases[c].RasterizeEvery);
    EXPECT_LT(run.DrawnFrames * 3, run.Steps * 2) << "fewer drawn frames than steps";
    ASSERT_EQ(run.StepHashes.size(), reference.StepHashes.size());
    for (size_t step = 0; step < run.StepHashes.size(); ++step) {
      ASSERT_EQ(run.StepHashes[step], reference.StepHashes[step]) << "race step " << step;
    }
    ASSERT_EQ(run.Rows.size(), reference.Rows.size());
    for (size_t row = 0; row < run.Rows.size(); ++row) {
      EXPECT_EQ(run.Rows[row].Id, reference.Rows[row].Id) << "row " << row;
      EXPECT_EQ(run.Rows[row].Time, reference.Rows[row].Time) << "row " << row;
    }
    EXPECT_EQ(run.PlayerClock, reference.PlayerClock);
    EXPECT_EQ(run.CarPlaces, reference.CarPlaces);
  }
}

TEST(FixedSteps, AHiddenWindowStopsTheGameAndNothingIsCaughtUpAfterwards) {
  RaceScenario scenario;
  TForm1& form = scenario.Form();
  scenario.StartRace(1, 2);
  scenario.Game().StepFrames(400);  // racing, the clock running
  const int32_t lights = scenario.State().AnimCounter;
  const int64_t clockSteps = form.Race.ClockSteps;

  SDL_HideWindow(form.MainWindow.Handle());
  ASSERT_TRUE(form.MainWindow.Hidden());
  scenario.Game().StepFrames(90);
  scenario.Game().Clock().AdvanceSeconds(5);  // away for a while
  scenario.Game().StepFrame();
  EXPECT_EQ(form.Race.ClockSteps, clockSteps);
  EXPECT_EQ(scenario.State().AnimCounter, lights);

  SDL_ShowWindow(form.MainWindow.Handle());
  scenario.Game().StepFrame();
  EXPECT_EQ(form.Race.ClockSteps, clockSteps + 1);
}

TEST(FixedSteps, ALongStallDropsTheBacklogAndAShortOneIsCaughtUpInBoundedFrames) {
  RaceScenario scenario;
  TForm1& form = scenario.Form();
  scenario.StartRace(1, 2);
  scenario.Game().StepFrames(300);
  const int64_t clockSteps = form.Race.ClockSteps;

  scenario.Game().Clock().AdvanceSeconds(3);  // the window was dragged
  scenario.Game().StepFrame();
  EXPECT_EQ(form.Race.ClockSteps, clockSteps + 1);

  // Eleven steps due at once: six now, the other five with the next drawn frame (and its
  // own step), then one a frame again.
  const int64_t before = form.Race.ClockSteps;
  scenario.Game().Clock().Advance(form.Steps.DueAt(form.Steps.StepsTaken() + 11) -
                                  scenario.Game().Clock().Now());
  scenario.Game().StepFrame();
  EXPECT_EQ(form.Race.ClockSteps, before + 6);
  scenario.Game().Clock().Advance(form.Steps.DueAt(form.Steps.StepsTaken() + 6) -
                                  scenario.Game().Clock().Now());
  form.Loop.RunOnce();
  EXPECT_EQ(form.Race.ClockSteps, before + 12);
  scenario.Game().StepFrame();
  EXPECT_EQ(form.Race.ClockSteps, before + 13);
}

}  // namespace
