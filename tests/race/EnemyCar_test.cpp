#include "race/EnemyCar.h"

#include <gtest/gtest.h>

#include <vector>

#include "race/EffectSprites.h"
#include "tests/race/RaceFixture.h"

namespace {

constexpr Vec2 kCarCentre{500, 500};

// A computer car of kind 0 (steers 1.7 degrees a frame, accelerates by 0.045) heading east
// at the given speed, and a path of three points given relative to its centre.
struct EnemyFixture : RaceFixture {
  EnemyFixture(double speed, std::vector<Vec2> offsets) {
    int32_t i = 0;
    for (const Vec2& o : offsets) {
      ++i;
      race.Course.Points[i] = {kCarCentre.X + o.X, kCarCentre.Y + o.Y, i, 0};
    }
    race.Course.PointCount = i;
    car = new TEnemyCar(race, false, 0, 0, "enemy", 0, kCarCentre.X, kCarCentre.Y);
    car->Speed = speed;
  }
  TEnemyCar* car;
};

}  // namespace

TEST(EnemyDrive, SteersTowardTheTargetUnlessItIsAligned) {
  struct Case {
    const char* what;
    Vec2 target;
    double heading;
  };
  const Case cases[] = {
      {"ahead and right", {200, 40}, 1.7},
      {"ahead and left", {200, -40}, -1.7},
      {"aligned on y: no steering", {200, 0.4}, 0},
  };
  for (const Case& c : cases) {
    EnemyFixture f(1, {c.target, {900, 900}, {900, 900}});
    f.car->Drive();
    EXPECT_NEAR(f.car->Heading, c.heading, 1e-9) << c.what;
  }
}

TEST(EnemyDrive, AdvancesTheTargetWithin160PixelsAndWrapsAfterTheLastPoint) {
  struct Case {
    const char* what;
    int32_t target;
    Vec2 offset;
    int32_t next;
  };
  const Case cases[] = {
      {"within on both axes", 2, {159, -159}, 3},
      {"exactly 160 away", 2, {160, 5}, 2},
      {"from the last point to the first", 3, {150, 10}, 1},
  };
  for (const Case& c : cases) {
    std::vector<Vec2> points{{900, 900}, {900, 900}, {900, 900}};
    points[c.target - 1] = c.offset;
    EnemyFixture f(1, points);
    f.race.Course.Points[1].Checkpoint = 3;
    f.race.Course.CheckpointCount = 4;
    f.car->ClearPassed(4);
    f.car->MarkPassed(2);
    f.car->FinishArmed = false;
    f.car->TargetPoint = c.target;
    f.car->Drive();
    EXPECT_EQ(f.car->TargetPoint, c.next) << c.what;
    // Reaching the point before a checkpoint-3 point arms the finish and marks it passed.
    EXPECT_EQ(f.car->FinishArmed, c.next == 1) << c.what;
    EXPECT_EQ(f.car->PassedCheckpoints(4), c.next == 1) << c.what;
  }
}

TEST(EnemyDrive, BrakesForATargetFarOffTheHeadingOnlyAboveTheTurningSpeed) {
  // The target lies 89 degrees to the right: brake above sin 89 + 2 (about 3).
  for (double speed : {3.5, 2.9}) {
    EnemyFixture f(speed, {{5, 300}, {900, 900}, {900, 900}});
    f.car->Drive();
    EXPECT_NEAR(f.car->TargetArrow->Angle, 89.05, 0.01);
    EXPECT_DOUBLE_EQ(f.car->Throttle, speed == 3.5 ? -0.025 : 0.045) << speed;
    EXPECT_NEAR(f.car->Heading, 1.7, 1e-9) << speed;
  }
}

TEST(EnemyDrive, AnObstacleOnTheLeftSensorTurnsRightAndBrakesAboveSpeed4) {
  for (double speed : {5.0, 3.0}) {
    EnemyFixture f(speed, {{200, 0}, {900, 900}, {900, 900}});  // straight ahead
    f.car->ObstacleSensors[0].Hit = true;
    f.car->Drive();
    EXPECT_FALSE(f.car->ObstacleSensors[0].Hit);
    EXPECT_NEAR(f.car->Heading, 1.7, 1e-9) << speed;
    EXPECT_DOUBLE_EQ(f.car->Throttle, speed > 4 ? -0.025 : 0.045) << speed;
  }
}

TEST(EnemyCar, TwoCarsWhoseFrontsMeetSteerApartAndArePushedApart) {
  EnemyFixture f(0, {{900, 900}, {900, 900}, {900, 900}});
  f.race.Opponents.push_back(f.car);
  auto* other =
      new TEnemyCar(f.race, false, 180, 1, "enemy", 0, kCarCentre.X + 3, kCarCentre.Y + 1);
  f.race.Opponents.push_back(other);
  f.car->Move(0);
  other->Move(0);
  const Vec2 before = f.car->Centre();
  f.car->Move(0);
  EXPECT_LT(f.car->Centre().X, before.X);  // pushed west, away from the other car
  f.car->CarSensor = {other->Centre().X, other->Centre().Y, false};
  f.car->SenseCars();
  EXPECT_TRUE(f.car->SteerLeftRequest);  // the other car lies to the right of east
  EXPECT_FALSE(f.car->SteerRightRequest);
}

TEST(EnemyCar, DrivesAlongAStraightPath) {
  EnemyFixture f(0, {{150, 0}, {300, 0}, {600, 0}});
  f.race.DemoRace = true;  // a course without road parts, as the demo race drives
  f.car->Driving = true;
  for (int frame = 0; frame < 200; ++frame) f.engine.MoveAll(0);
  EXPECT_GT(f.car->Centre().X, kCarCentre.X + 350);
  EXPECT_NEAR(f.car->Centre().Y, kCarCentre.Y, 1);
  EXPECT_EQ(f.car->TargetPoint, 3);
}
