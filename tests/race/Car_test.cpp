#include "race/Car.h"

#include <gtest/gtest.h>

#include <cmath>

#include "race/EffectSprites.h"
#include "race/Player.h"
#include "race/RoadSurface.h"
#include "tests/race/RaceFixture.h"

namespace {

// A road part large enough that the car never leaves it.
void PaveEverything(RaceContext& race) {
  auto* road = new TRoadPart(race, 0, -500000, -500000);
  road->SetWidth(1000000);
  road->SetHeight(1000000);
}

TPlayer* DrivingPlayer(RaceContext& race, int carKind) {
  auto* player = new TPlayer(race, false, 0, "player", carKind, 396, 321);
  player->ControlsEnabled = true;
  race.Player = player;
  return player;
}

int CountSkidMarks(const TKaltoSprite& engine) {
  int n = 0;
  for (int i = 0; i < engine.SpriteCount(); ++i) {
    if (dynamic_cast<TDim*>(engine.Sprites(i))) ++n;
  }
  return n;
}

}  // namespace

// Holding a pedal from rest, the speed the world scrolls by settles at 199 x the
// throttle x the surface factor, or at the car's limit when that is lower.
TEST(CarModel, SpeedLevelsOffPerCarAndSurface) {
  struct Case {
    int carKind;
    bool onRoad;
    int pedal;
    double level;
  };
  const Case cases[] = {
      {0, true, vk::Up, 8.955},  {0, false, vk::Up, 2.6865},    {4, true, vk::Up, 7.96},
      {1, true, vk::Up, 5.5},    {2, true, vk::Up, 7.3},        {3, true, vk::Up, 6.0},
      {0, true, vk::Down, -2.0}, {0, false, vk::Down, -1.4925},
  };
  for (const Case& c : cases) {
    RaceFixture f;
    if (c.onRoad) PaveEverything(f.race);
    TPlayer* player = DrivingPlayer(f.race, c.carKind);
    f.state.KeyHeld[c.pedal] = 1;
    for (int frame = 0; frame < 6000; ++frame) f.engine.MoveAll(0);
    // Heading 0: the world moves left by the speed.
    EXPECT_NEAR(-player->ScrollX, c.level, 1e-9)
        << "car " << c.carKind << (c.onRoad ? " on road" : " off road") << " pedal " << c.pedal;
    EXPECT_NEAR(player->ScrollY, 0, 1e-9);
  }
}

TEST(CarModel, TurnsAreAsymmetricWithADeadZoneOnTheLeft) {
  struct Case {
    const char* what;
    double speed;
    bool right;
    double headingChange;  // in steering rates
    int pattern;
  };
  const Case cases[] = {
      {"left in the dead zone", 0.15, false, 0, 1},
      {"left at the zone's edge", 0.2, false, 0, 1},
      {"left forward", 0.21, false, -1, 1},
      {"left reversing", -1, false, +1, 1},
      {"right slowly", 0.15, true, +1, 2},
      {"right standing turns as reversing", 0, true, -1, 2},
      {"right reversing", -1, true, -1, 2},
  };
  for (const Case& c : cases) {
    RaceFixture f;
    TCar car(f.race, false, 0, "car", 0, 100, 100);
    car.Speed = c.speed;
    c.right ? car.TurnRight() : car.TurnLeft();
    EXPECT_DOUBLE_EQ(car.Heading, c.headingChange * car.SteerRate) << c.what;
    EXPECT_DOUBLE_EQ(car.MoveHeading, 0) << c.what;  // lag below 25: the motion stays
    EXPECT_EQ(car.PatternIndex(), c.pattern) << c.what;
    EXPECT_FALSE(car.Drifting) << c.what;
  }
}

TEST(CarModel, ALagOf25To70DegreesDriftsAndBeyond70DragsTheMotionAlong) {
  struct Case {
    double lagBefore;  // MoveHeading - Heading before a right turn at speed
    double moveStep;   // in steering rates
    bool drifting;
  };
  const Case cases[] = {{-20, 0, false}, {-30, 0.5, true}, {-72, 1, false}};
  for (const Case& c : cases) {
    RaceFixture f;
    TCar car(f.race, false, 0, "car", 2, 100, 100);
    car.Speed = 5;
    car.MoveHeading = c.lagBefore;
    car.TurnRight();
    EXPECT_DOUBLE_EQ(car.MoveHeading, c.lagBefore + c.moveStep * car.SteerRate) << c.lagBefore;
    EXPECT_EQ(car.Drifting, c.drifting) << c.lagBefore;
  }
}

TEST(CarModel, DriftingCostsExtraSpeedAndLeavesSkidMarksEveryFifthMove) {
  RaceFixture f;
  TPlayer* player = DrivingPlayer(f.race, 0);
  f.state.KeyHeld[vk::Space] = 1;  // the handbrake drifts and coasts

  player->Speed = 1.5;  // too slow for marks
  player->Move(0);      // the sensors have not looked yet: off the road
  // Coasting throttle, rolling friction, then 0.8 % more for the drift.
  EXPECT_NEAR(player->Speed, (1.5 - player->CoastRate * 0.3) * 0.995 * 0.992, 1e-12);
  EXPECT_EQ(CountSkidMarks(f.engine), 0);

  player->Speed = 6;
  player->Move(0);
  EXPECT_EQ(CountSkidMarks(f.engine), 2);
  for (int move = 2; move <= 5; ++move) player->Move(0);
  EXPECT_EQ(CountSkidMarks(f.engine), 2);
  player->Move(0);
  EXPECT_EQ(CountSkidMarks(f.engine), 4);

  f.state.KeyHeld[vk::Space] = 0;  // no drift, no marks
  for (int move = 0; move < 10; ++move) player->Move(0);
  EXPECT_EQ(CountSkidMarks(f.engine), 4);
}

TEST(CarModel, SkidMarksFadeThroughFiveTilesAndDieOnTheirFifteenthMove) {
  RaceFixture f;
  auto* mark = new TDim(f.race, false, 50, 50);
  EXPECT_EQ(mark->Alpha(), 200);
  for (int move = 1; move <= 14; ++move) f.engine.MoveAll(0);
  EXPECT_EQ(mark->Alpha(), 140);
  EXPECT_FALSE(mark->IsDead());
  f.engine.MoveAll(0);
  EXPECT_TRUE(mark->IsDead());
  f.engine.KillDead();
  EXPECT_EQ(f.engine.SpriteCount(), 0);
}

TEST(CarModel, ShapeIsTheBoxShrunkByThreeAndTurnedWithTheCar) {
  RaceFixture f;
  TCar car(f.race, false, 0, "car", 0, 100, 200);  // bare 10 x 10 box: shrunk to 4 x 4
  struct Case {
    float angle;
    Vec2 firstCorner;  // relative to the centre
    Vec2 front;        // front sensor, relative to the centre
  };
  const Case cases[] = {{0, {-2, 2}, {0, 20}}, {90, {-2, -2}, {-20, 0}}, {-90, {2, 2}, {20, 0}}};
  for (const Case& c : cases) {
    car.Angle = c.angle;
    car.UpdateShape();
    EXPECT_NEAR(car.Corners[0].X - 100, c.firstCorner.X, 1e-9) << c.angle;
    EXPECT_NEAR(car.Corners[0].Y - 200, c.firstCorner.Y, 1e-9) << c.angle;
    EXPECT_NEAR(car.Corners[2].X - 100, -c.firstCorner.X, 1e-9) << c.angle;
    EXPECT_NEAR(car.FrontSensor->X() - 100, c.front.X, 1e-4) << c.angle;
    EXPECT_NEAR(car.FrontSensor->Y() - 200, c.front.Y, 1e-4) << c.angle;
    EXPECT_NEAR(car.RearSensor->X() - 100, -c.front.X, 1e-4) << c.angle;
  }
}

// A shaped road part gives grip only where its road is drawn: the grass inside a wide
// curve's ring, beside a narrowing's middle, where a chicane has swung away and beyond a
// diagonal half's cell diagonal is off the road, though it lies in the part's box, and the
// road itself is on it.
TEST(CarModel, GroundSensorsFollowTheShapeOfTheShapedRoadParts) {
  RaceFixture f;
  // The wide curve's inner cell (turn 0, cell 3): its corner, the ring's centre, at the
  // cell's bottom-right; the narrowing running east-west, 144 pixels wide in its middle;
  // the east-west chicane, swung toward the top in its first half and toward the bottom in
  // its second; the diagonal half holding the top-left corner.
  auto* inner = new TRoadPart(f.race, 3, 0, 0, 3);
  auto* narrowing = new TRoadPart(f.race, 4, 1000, 0, 0);
  auto* straight = new TRoadPart(f.race, 1, 2000, 0);
  auto* chicane = new TRoadPart(f.race, 5, 3000, 0, 0);
  auto* diagonal = new TRoadPart(f.race, 6, 4000, 0, 0);
  for (TRoadPart* part : {inner, narrowing, straight, chicane, diagonal}) {
    part->SetWidth(256);
    part->SetHeight(256);
  }
  auto* sensor = new TGroundPoint(f.race, false, 0);
  const struct {
    float X, Y;
    bool OnRoad;
  } cases[] = {
      {200, 200, false},   // 79 pixels from the ring's centre
      {20, 20, true},      // 333 pixels out, on the ring
      {1128, 128, true},   // the narrowing's middle
      {1128, 40, false},   // beside it, where the full road would be
      {1010, 40, true},    // near its end the road is nearly full width again
      {2128, 10, true},    // a straight is road across its whole box
      {3096, 20, true},    // the chicane's first swing: road at the top,
      {3096, 200, false},  // grass at the bottom
      {3160, 40, false},   // its second swing: grass at the top,
      {3160, 235, true},   // road at the bottom
      {4010, 10, true},    // the diagonal half at its corner,
      {4120, 120, true},   // just inside the cell diagonal,
      {4136, 136, false},  // just beyond it
      {4250, 250, false},  // and at the opposite corner
  };
  for (const auto& c : cases) {
    sensor->SetX(c.X);
    sensor->SetY(c.Y);
    sensor->Move(0);
    EXPECT_EQ(sensor->OnRoad, c.OnRoad) << c.X << ", " << c.Y;
  }
}
