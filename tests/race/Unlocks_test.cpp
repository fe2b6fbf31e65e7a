#include "race/Unlocks.h"

#include <gtest/gtest.h>

#include "core/GameState.h"
#include "race/Catalogue.h"

TEST(CheckUnlock, ReportsAnUnlockOnceScoreAndPrizeReachTheThreshold) {
  struct Case {
    int step, pointsNeeded, scoreBefore, prize;
    UnlockResult expected;
  };
  const Case cases[] = {
      {0, 300, 250, 50, UnlockResult::NewTracks},  // lands exactly on the threshold
      {0, 300, 250, 49, UnlockResult::None},
      {0, 300, 300, 100, UnlockResult::NewTracks},  // already at it: the next race unlocks
      {0, 300, 450, 0, UnlockResult::NewTracks},    // raised past it outside a race
      {1, 700, 650, 70, UnlockResult::NewCars},
      {5, 4700, 4000, 700, UnlockResult::NewCars},
      {8, 13200, 13000, 100, UnlockResult::None},
      {8, 13200, 13000, 200, UnlockResult::NewTracks},
      {9, 13200, 99999, 500, UnlockResult::NothingLeft},
  };
  for (const Case& c : cases) {
    GameState state;
    state.UnlockStep = c.step;
    state.PointsNeeded = c.pointsNeeded;
    EXPECT_EQ(CheckUnlock(state, c.scoreBefore, c.prize), c.expected)
        << "step " << c.step << ", " << c.scoreBefore << " + " << c.prize;
  }
}

TEST(ApplyNextUnlock, WalksTheNineStepsThenStops) {
  GameState state;
  TrackCatalogue tracks;
  CarCatalogue cars;
  InitTrackCatalogue(tracks, state);
  InitCarCatalogue(cars, state);
  struct Expected {
    int tracksAvailable, carsAvailable, pointsNeeded;
  };
  const Expected after[] = {{5, 2, 700},   {5, 3, 1200},   {7, 3, 2200},
                            {7, 4, 2700},  {9, 4, 4700},   {9, 5, 6700},
                            {10, 5, 9200}, {11, 5, 13200}, {12, 5, 17700}};
  for (int step = 0; step < 9; ++step) {
    ApplyNextUnlock(state, tracks, cars);
    EXPECT_EQ(state.TracksAvailable, after[step].tracksAvailable) << "step " << step;
    EXPECT_EQ(state.CarsAvailable, after[step].carsAvailable) << "step " << step;
    EXPECT_EQ(state.PointsNeeded, after[step].pointsNeeded) << "step " << step;
    EXPECT_EQ(state.UnlockStep, step + 1);
  }
  for (int i = 0; i < 12; ++i) EXPECT_EQ(tracks.Tracks[i].Unlocked, i >= 3) << "track " << i;
  for (int i = 0; i < 5; ++i) EXPECT_EQ(cars.Cars[i].Unlocked, i >= 2) << "car " << i;

  ApplyNextUnlock(state, tracks, cars);
  EXPECT_EQ(state.UnlockStep, 9);
  EXPECT_EQ(state.PointsNeeded, 17700);
  EXPECT_EQ(CheckUnlock(state, 0, 1000), UnlockResult::NothingLeft);
}

TEST(CheckUnlock, ThreeWinsOnTheThirdTrackNeverStallTheProgression) {
  // 150 + 150 lands exactly on 300; the game must still move on to the next step.
  GameState state;
  TrackCatalogue tracks;
  CarCatalogue cars;
  InitTrackCatalogue(tracks, state);
  InitCarCatalogue(cars, state);
  int unlocks = 0;
  for (int race = 0; race < 3; ++race) {
    const int before = state.Score;
    state.Score += 150;
    if (CheckUnlock(state, before, 150) != UnlockResult::None) {
      ApplyNextUnlock(state, tracks, cars);
      ++unlocks;
    }
  }
  EXPECT_EQ(unlocks, 1);
  EXPECT_EQ(state.TracksAvailable, 5);
}
