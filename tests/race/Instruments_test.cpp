#include "race/Instruments.h"

#include <gtest/gtest.h>

#include "race/MenuDecorations.h"
#include "race/Player.h"
#include "tests/race/RaceFixture.h"

namespace {

struct HudFixture : RaceFixture {
  HudFixture() {
    player = new TPlayer(race, false, 0, "player", 0, 396, 321);
    race.Player = player;
  }
  TPlayer* player;
};

}  // namespace

TEST(SpeedArrow, TurnsClockwiseFromRestForwardAndInReverse) {
  struct Case {
    double speed;
    float angle;
    int32_t dialPattern;
  };
  const Case cases[] = {{-1.0, -396.5f, 1}, {10.0, -298.0f, 0}, {0.0, -495.0f, 0}};
  for (const Case& c : cases) {
    HudFixture f;
    TSpeedArrow needle(f.race, 10.0, -2.0, 726, 472);
    TPanel dial(f.race, PanelType::Speedometer, 541, 427);
    EXPECT_FLOAT_EQ(needle.Angle, -495) << "at rest before its first move";
    f.player->Speed = c.speed;
    needle.Move(0);
    dial.Move(0);
    EXPECT_FLOAT_EQ(needle.Angle, c.angle) << c.speed;
    EXPECT_EQ(dial.PatternIndex(), c.dialPattern) << c.speed;
  }
}

TEST(RadarArrow, PointsFromThePlayerTowardTheNextCheckLine) {
  struct Case {
    const char* what;
    Vec2 offset;  // target minus the player's centre
    float angle;
  };
  const Case cases[] = {
      {"straight below", {0, 100}, 180},    {"straight above", {0, -100}, 360},
      {"straight right", {100, 0}, 450},    {"straight left", {-100, 0}, 270},
      {"below and right", {100, 100}, 495},
  };
  for (const Case& c : cases) {
    HudFixture f;
    TRadarArrow radar(f.race, 602, 557);
    const Vec2 centre = f.player->Centre();
    f.player->RadarTarget = {centre.X + c.offset.X, centre.Y + c.offset.Y};
    radar.Move(0);
    EXPECT_FLOAT_EQ(radar.Angle, c.angle) << c.what;
  }
}

TEST(MenuDecorations, HelpIconsStepEveryTenthFrameAndWrap) {
  RaceFixture f;
  THelpButton icon(f.race, 3, 100, 100);
  icon.SetPatternIndex(7);
  for (int frame = 1; frame <= 9; ++frame) icon.Move(0);
  EXPECT_EQ(icon.PatternIndex(), 7);
  icon.Move(0);
  EXPECT_EQ(icon.PatternIndex(), 0);
  for (int frame = 1; frame <= 10; ++frame) icon.Move(0);
  EXPECT_EQ(icon.PatternIndex(), 1);
}

TEST(MenuDecorations, ALampStaysDarkForItsPeriodThenFadesUpAndDown) {
  RaceFixture f;
  TLight lamp(f.race, 0, 728, 4);
  const int32_t period = lamp.Period();
  ASSERT_GE(period, 200);
  ASSERT_LE(period, 399);
  for (int frame = 0; frame < period; ++frame) lamp.Move(0);
  EXPECT_EQ(lamp.Alpha(), 0);
  for (int frame = 0; frame < 255; ++frame) lamp.Move(0);
  EXPECT_EQ(lamp.Alpha(), 255);
  lamp.Move(0);  // turns
  for (int frame = 0; frame < 255; ++frame) lamp.Move(0);
  EXPECT_EQ(lamp.Alpha(), 0);
  lamp.Move(0);  // turns and starts the dark period again
  for (int frame = 0; frame < period; ++frame) lamp.Move(0);
  EXPECT_EQ(lamp.Alpha(), 0);
  lamp.Move(0);
  EXPECT_EQ(lamp.Alpha(), 1);
}

TEST(MenuDecorations, SplashSquaresJumpOrGlide) {
  RaceFixture f;
  TSplashSquare square(f.race, 0, 255, 0, 0);
  TSplashSquare car(f.race, 1, 255, 0, 0);
  std::vector<float> jumps;
  for (int frame = 0; frame < 6; ++frame) {
    square.Move(0);
    car.Move(0);
    jumps.push_back(square.X());
  }
  // The first jump on the third frame, then every second frame.
  EXPECT_EQ(jumps, (std::vector<float>{0, 0, 28, 28, 56, 56}));
  EXPECT_FLOAT_EQ(car.X(), 15);
}
