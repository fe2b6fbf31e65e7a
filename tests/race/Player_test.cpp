#include "race/Player.h"

#include <gtest/gtest.h>

#include "race/Opponent.h"
#include "race/RoadSurface.h"
#include "tests/race/RaceFixture.h"

namespace {

TPlayer* DrivingPlayer(RaceFixture& f, double speed) {
  auto* player = new TPlayer(f.race, false, 0, "player", 0, 396, 321);
  player->ControlsEnabled = true;
  player->Speed = speed;
  f.race.Player = player;
  return player;
}

}  // namespace

TEST(PlayerControls, SteeringNeedsSpeedAboveOneTenthAndRightWinsOverLeft) {
  struct Case {
    double speed;
    bool left, right;
    int pattern;
    double headingSteps;  // in steering rates
  };
  const Case cases[] = {
      {3, true, true, 2, +1},    {3, true, false, 1, -1},    {0.1, true, false, 0, 0},
      {-0.1, false, true, 0, 0}, {-0.5, false, true, 2, -1},
  };
  for (const Case& c : cases) {
    RaceFixture f;
    TPlayer* player = DrivingPlayer(f, c.speed);
    f.state.KeyHeld[vk::Left] = c.left;
    f.state.KeyHeld[vk::Right] = c.right;
    player->ApplyControls();
    EXPECT_EQ(player->PatternIndex(), c.pattern) << c.speed << " " << c.left << c.right;
    EXPECT_DOUBLE_EQ(player->Heading, c.headingSteps * player->SteerRate) << c.speed;
  }
}

TEST(PlayerControls, ReleasingAPedalZeroesTheThrottleAndClearsItsKeys) {
  RaceFixture f;
  TPlayer* player = DrivingPlayer(f, 2);
  f.state.KeyHeld[vk::Up] = 1;
  f.state.KeyHeld[vk::Down] = 1;
  player->ApplyControls();
  EXPECT_DOUBLE_EQ(player->Throttle, player->AccelRate);
  f.state.KeyReleased[vk::Up] = 1;
  player->ApplyControls();
  EXPECT_EQ(player->Throttle, 0);  // stays 0 until the next frame's Brake
  EXPECT_EQ(f.state.KeyHeld[vk::Up], 0);
  EXPECT_EQ(f.state.KeyReleased[vk::Up], 0);
  player->ApplyControls();
  EXPECT_DOUBLE_EQ(player->Throttle, -player->BrakeRate);

  // The handbrake sets no throttle within the coasting band but still drifts.
  f.state.KeyHeld[vk::Down] = 0;
  f.state.KeyHeld[vk::Control] = 1;
  player->Throttle = 0;
  player->Speed = 0.005;
  player->ApplyControls();
  EXPECT_EQ(player->Throttle, 0);
  EXPECT_TRUE(player->Drifting);
}

TEST(PlayerBump, PushesTheWorldTowardTheOtherCarAndSlowsByOnePercent) {
  struct Case {
    double otherSpeed, otherHeading;
    Vec2 offset;  // other car's centre minus the player's
    Vec2 push;
  };
  const Case cases[] = {
      {0, 0, {5, 0}, {1, 0}},  // standing car: one pixel per unit of n
      {4, 0, {5, 0}, {2, 0}},  // moving along x: twice the x component
      {4, 90, {0, -5}, {0, -2}},
      {4, 0, {3, 4}, {0.6 * 2, 0.8}},  // |u.x/2| + 0.5 = 1 on x, 0.5 on y
  };
  for (const Case& c : cases) {
    RaceFixture f;
    TPlayer* player = DrivingPlayer(f, 5);
    auto* other =
        new TOpponentCar(f.race, false, 0, 0, "enemy", 1, 396 + c.offset.X, 321 + c.offset.Y);
    other->Speed = c.otherSpeed;
    other->MoveHeading = c.otherHeading;
    player->BumpFrom(*other);
    EXPECT_NEAR(player->PushX, c.push.X, 1e-9) << c.offset.X << "," << c.offset.Y;
    EXPECT_NEAR(player->PushY, c.push.Y, 1e-9) << c.offset.X << "," << c.offset.Y;
    EXPECT_DOUBLE_EQ(player->Speed, 5 * 0.99);
  }
}

TEST(PlayerBump, TheTurnFollowsTheCrossProductOfTheVelocities) {
  struct Case {
    double otherHeading;
    double turn;
  };
  // The player drives along x; another car heading down-screen (90) lies clockwise.
  const Case cases[] = {{90, 1.5}, {-90, -1.5}, {0, 0}};
  for (const Case& c : cases) {
    RaceFixture f;
    TPlayer* player = DrivingPlayer(f, 5);
    auto* other = new TOpponentCar(f.race, false, 0, 0, "enemy", 1, 400, 321);
    other->Speed = 3;
    other->MoveHeading = c.otherHeading;
    player->BumpFrom(*other);
    EXPECT_DOUBLE_EQ(player->Heading, c.turn);
    EXPECT_DOUBLE_EQ(player->MoveHeading, c.turn);
  }
}

TEST(PlayerBump, EachWorldObjectAppliesAPushExactlyOnce) {
  RaceFixture f;
  // One road part moves before the player (depth 20), one after it (depth 60).
  auto* before = new TRoadPart(f.race, 0, 1000, 1000);
  auto* after = new TRoadPart(f.race, 0, 2000, 2000);
  after->SetZ(60);
  TPlayer* player = DrivingPlayer(f, 0);
  player->ControlsEnabled = false;
  auto* other = new TOpponentCar(f.race, false, 0, 0, "enemy", 0, 398, 321);
  f.race.Opponents.push_back(other);
  other->UpdateShape();  // a computer car's own move keeps its shape; this one stands

  f.engine.MoveAll(0);  // frame t: the cars overlap and the player bumps
  const double push = player->PushX;
  ASSERT_GT(push, 0);
  EXPECT_FLOAT_EQ(before->X(), 1000);
  EXPECT_FLOAT_EQ(after->X(), static_cast<float>(2000 + push));

  other->SetX(other->X() + 50);  // apart, yet near enough to be tested again
  other->UpdateShape();
  for (int frame = 0; frame < 2; ++frame) {
    f.engine.MoveAll(0);
    EXPECT_FLOAT_EQ(before->X(), static_cast<float>(1000 + push));
    EXPECT_FLOAT_EQ(after->X(), static_cast<float>(2000 + push));
    EXPECT_EQ(player->PushX, 0);
  }
}
