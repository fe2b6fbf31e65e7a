// Cars that left the course are put back on it, on a shipped track (compiled by the build
// into the game folder, where the tests run): the player's car on the rescue key, a computer
// car after three seconds without progress.
#include "race/CarRescue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "core/GameState.h"
#include "race/Autopilot.h"
#include "race/CheckLine.h"
#include "race/EnemyCar.h"
#include "race/FinishLine.h"
#include "race/Player.h"
#include "race/RaceRunner.h"
#include "race/RoadRock.h"

namespace {

constexpr int kStepLimit = 90 * 60 * 3;

RaceSetup ShortRace(int32_t opponents, int32_t laps) {
  RaceSetup setup;
  setup.TrackFile = "Data/data3.prd";
  setup.Opponents = opponents;
  setup.Laps = laps;
  setup.Seed = 11;
  return setup;
}

Vec2 CentreOf(const TSprite& s) {
  return {s.X() + s.Width() / 2.0, s.Y() + s.Height() / 2.0};
}

template <class Line>
const Line* FindLine(const RaceContext& race, const std::function<bool(const Line&)>& wanted) {
  for (int i = 0; i < race.Engine.SpriteCount(); ++i) {
    if (auto* line = dynamic_cast<const Line*>(race.Engine.Sprites(i)); line && wanted(*line)) {
      return line;
    }
  }
  return nullptr;
}

// Steps with the autopilot at the wheel until `done` holds; false when the limit passed.
bool DriveUntil(HeadlessRace& h, Autopilot& pilot, const std::function<bool()>& done) {
  for (int step = 0; step < kStepLimit; ++step) {
    if (done()) return true;
    pilot.PressKeys();
    h.Step();
  }
  return done();
}

void ReleaseAllKeys(GameState& state) {
  state.KeyHeld.fill(0);
  state.KeyReleased.fill(0);
}

// Full throttle and hard right until both ground sensors have been off the road a while.
bool DriveIntoTheGrass(HeadlessRace& h) {
  TPlayer& player = *h.Race.Player;
  ReleaseAllKeys(h.State);
  int offRoad = 0;
  for (int step = 0; step < 900 && offRoad < 45; ++step) {
    h.State.KeyHeld[vk::Up] = 1;
    h.State.KeyHeld[vk::Right] = 1;
    h.Step();
    offRoad = !player.FrontSensor->OnRoad && !player.RearSensor->OnRoad ? offRoad + 1 : 0;
  }
  ReleaseAllKeys(h.State);
  return offRoad >= 45;
}

double AngleBetween(double a, double b) {
  return std::fabs(std::remainder(a - b, 360.0));
}

// After one step, the player stands on the road on the line, facing along the course.
void ExpectStandingOnTheRoadAt(HeadlessRace& h, const TSprite& line) {
  h.Step();
  const TPlayer& player = *h.Race.Player;
  EXPECT_EQ(player.Speed, 0);
  EXPECT_LT(DistanceBetween(player.Centre(), CentreOf(line)), 1.5);
  EXPECT_TRUE(player.FrontSensor->OnRoad);
  EXPECT_TRUE(player.RearSensor->OnRoad);
  EXPECT_LT(AngleBetween(player.Heading, CourseHeadingAt(h.Race.Course, player.Centre())), 1e-9);
  EXPECT_EQ(player.Heading, player.MoveHeading);
}

}  // namespace

TEST(PlayerRescue, BackOnTheRoadAtTheLastPassedCheckLineAndTheLapsStillCount) {
  HeadlessRace h(ShortRace(0, 2));
  Autopilot pilot(h.Race);
  TPlayer& player = *h.Race.Player;
  ASSERT_GE(h.Race.Course.CheckLineCount, 4);
  ASSERT_TRUE(DriveUntil(h, pilot, [&] { return player.NextCheckLine == 3; }));
  ASSERT_EQ(player.Lap, 1);

  ASSERT_TRUE(DriveIntoTheGrass(h));
  ASSERT_EQ(player.NextCheckLine, 3);  // no line was crossed in the grass
  ASSERT_TRUE(RescuePlayer(h.Race));
  const TCheckLine* line2 =
      FindLine<TCheckLine>(h.Race, [](const TCheckLine& l) { return l.Index == 2; });
  ASSERT_NE(line2, nullptr);
  ExpectStandingOnTheRoadAt(h, *line2);
  EXPECT_EQ(player.NextCheckLine, 3);
  EXPECT_EQ(player.Lap, 1);
  EXPECT_TRUE(player.FinishArmed);

  // Driven on, the car completes the two laps and no more: the rescue counted no lap.
  int lapChanges = 0;
  int32_t lap = player.Lap;
  ASSERT_TRUE(DriveUntil(h, pilot, [&] {
    if (player.Lap != lap) ++lapChanges;
    lap = player.Lap;
    return h.State.RaceFinished;
  }));
  EXPECT_EQ(lapChanges, 1);
  EXPECT_EQ(player.Lap, 2);
  EXPECT_EQ(h.State.FinishRows[1].Id, kPlayerFinishId);
}

TEST(PlayerRescue, JustOverTheFinishLineTheCarGoesBackToItAndNoLapIsCounted) {
  HeadlessRace h(ShortRace(0, 2));
  Autopilot pilot(h.Race);
  TPlayer& player = *h.Race.Player;
  ASSERT_TRUE(DriveUntil(h, pilot, [&] { return player.Lap == 1; }));
  ASSERT_TRUE(DriveIntoTheGrass(h));
  ASSERT_EQ(player.NextCheckLine, 0);
  ASSERT_TRUE(RescuePlayer(h.Race));
  const TFinishLine* finish =
      FindLine<TFinishLine>(h.Race, [](const TFinishLine&) { return true; });
  ASSERT_NE(finish, nullptr);
  ExpectStandingOnTheRoadAt(h, *finish);
  EXPECT_EQ(player.Lap, 1);
  EXPECT_FALSE(player.FinishArmed);
  EXPECT_TRUE(player.LapTimerRunning);
}

TEST(PlayerRescue, ACarCarriedAwayFromAnObstacleItTouchedDrivesOffFreely) {
  HeadlessRace h(ShortRace(0, 2));
  Autopilot pilot(h.Race);
  TPlayer& player = *h.Race.Player;
  ASSERT_TRUE(DriveUntil(h, pilot, [&] { return player.NextCheckLine == 2; }));
  ASSERT_TRUE(DriveIntoTheGrass(h));
  // The car touches an obstacle far from where it goes back to as the key is pressed; a
  // contact is only looked at again while the two are near each other.
  const TCheckLine* line1 =
      FindLine<TCheckLine>(h.Race, [](const TCheckLine& l) { return l.Index == 1; });
  ASSERT_NE(line1, nullptr);
  TRoadRock* touched = nullptr;
  for (int i = 0; i < h.Engine.SpriteCount(); ++i) {
    auto* rock = dynamic_cast<TRoadRock*>(h.Engine.Sprites(i));
    if (rock && (!touched || DistanceBetween(CentreOf(*rock), CentreOf(*line1)) >
                                 DistanceBetween(CentreOf(*touched), CentreOf(*line1)))) {
      touched = rock;
    }
  }
  ASSERT_NE(touched, nullptr);
  touched->PlayerHit = true;
  ASSERT_TRUE(RescuePlayer(h.Race));
  ASSERT_GT(DistanceBetween(CentreOf(*touched), player.Centre()), race::kNearRadius);
  for (int step = 0; step < 30; ++step) {
    h.State.KeyHeld[vk::Up] = 1;
    h.Step();
  }
  EXPECT_GT(player.Speed, 1.0);  // 30 steps of full throttle from a standstill
}

TEST(PlayerRescue, RefusedWhileTheCarMayNotDrive) {
  struct Case {
    const char* what;
    std::function<void(HeadlessRace&, Autopilot&)> setUp;
  };
  const Case cases[] = {
      {"start lights", [](HeadlessRace& h, Autopilot&) { h.Race.Player->ControlsEnabled = false; }},
      {"after the finish",
       [](HeadlessRace& h, Autopilot& pilot) {
         ASSERT_TRUE(DriveUntil(h, pilot, [&] { return h.State.RaceFinished; }));
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    HeadlessRace h(ShortRace(0, 1));
    Autopilot pilot(h.Race);
    c.setUp(h, pilot);
    const Vec2 before{h.Race.Course.Points[1].X, h.Race.Course.Points[1].Y};
    const double speed = h.Race.Player->Speed;
    EXPECT_FALSE(RescuePlayer(h.Race));
    EXPECT_EQ(h.Race.Course.Points[1].X, before.X);  // the world did not move
    EXPECT_EQ(h.Race.Course.Points[1].Y, before.Y);
    EXPECT_EQ(h.Race.Player->Speed, speed);
  }
}

TEST(OpponentRescue, ACarWithoutProgressForThreeSecondsIsPutBackAtItsLastPathPoint) {
  HeadlessRace h(ShortRace(1, 2));
  auto& car = dynamic_cast<TEnemyCar&>(*h.Race.Opponents[0]);
  // Under way, the player standing; the engine dies just as the car's stall clock starts
  // over, so the clock counts from the death.
  for (int step = 0; step < 300 || car.Stall.StalledSteps() != 0; ++step) {
    ASSERT_LT(step, 600) << "the car never got further";
    h.Step();
  }
  ASSERT_GT(car.Speed, 1);
  // The engine dies: the car can neither drive on nor back out.
  car.MaxSpeed = car.MinSpeed = car.AccelRate = 0;
  int stalledSteps = 1;
  Vec2 last = car.Centre();
  for (; stalledSteps <= 400; ++stalledSteps) {
    const int32_t target = car.TargetPoint;
    h.Step();
    if (DistanceBetween(car.Centre(), last) > 30) {  // put back
      const RaceCourse& course = h.Race.Course;
      const PathPoint& reached = course.Points[target == 1 ? course.PointCount : target - 1];
      EXPECT_LT(DistanceBetween(car.Centre(), {reached.X, reached.Y}), 1.5);
      const PathPoint& next = course.Points[target];
      EXPECT_LT(AngleBetween(car.Heading, std::atan2(next.Y - reached.Y, next.X - reached.X) *
                                              kDegreesPerRadian),
                1e-9);
      EXPECT_EQ(car.Speed, 0);
      EXPECT_EQ(car.TargetPoint, target);
      EXPECT_LT(car.Stall.StalledSteps(), 2);
      break;
    }
    last = car.Centre();
  }
  // It coasted to a stop first, then stood 3 s.
  EXPECT_GE(stalledSteps, kStalledStepsBeforeRescue);
  EXPECT_LT(stalledSteps, kStalledStepsBeforeRescue + 120);
}
