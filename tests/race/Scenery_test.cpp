#include <gtest/gtest.h>

#include <random>

#include "race/Background.h"
#include "race/Car.h"
#include "race/EffectSprites.h"
#include "race/Opponent.h"
#include "race/Player.h"
#include "race/RoadRock.h"
#include "race/RoadSurface.h"
#include "tests/race/RaceFixture.h"

TEST(ObstacleResponse, PushesTurnsAndSlowsByHowSquarelyTheCarHits) {
  struct Case {
    const char* what;
    double speed, heading;
    Vec2 obstacleOffset;  // obstacle centre minus car centre
    Vec2 carMoves;
    double turn;
    double speedFactor;
  };
  const Case cases[] = {
      {"straight on", 5, 0, {6, 0}, {-2, 0}, 0, 1},
      {"grazing on its right", 5, 0, {0, 6}, {0, -1}, 8, 0.95},
      {"grazing on its left", 5, 0, {0, -6}, {0, 1}, 0, 0.95},
      {"standing", 0, 0, {3, 4}, {-0.6, -0.8}, 0, 1},
      {"into it at 30 degrees",
       5,
       30,
       {6, 0},
       {-(0.5 * 0.8660254037844387 + 0.5) * 2, 0},
       2,
       (0.5 - 0.8660254037844387) / 2 + 0.7},
  };
  for (const Case& c : cases) {
    RaceFixture f;
    auto* car = new TOpponentCar(f.race, false, c.heading, 0, "enemy", 1, 300, 300);
    car->Speed = c.speed;
    car->Heading = c.heading;
    car->MoveHeading = c.heading;
    auto* rock = new TRoadRock(f.race, 99, 300 + c.obstacleOffset.X, 300 + c.obstacleOffset.Y);
    const Vec2 start = car->Centre();
    rock->ObstacleResponse(*car, false);
    EXPECT_NEAR(car->Centre().X - start.X, c.carMoves.X, 1e-4) << c.what;  // float positions
    EXPECT_NEAR(car->Centre().Y - start.Y, c.carMoves.Y, 1e-4) << c.what;
    EXPECT_NEAR(car->Heading - c.heading, c.turn, 1e-9) << c.what;
    EXPECT_NEAR(car->MoveHeading - c.heading, c.turn, 1e-9) << c.what;
    EXPECT_NEAR(car->Speed, c.speed * c.speedFactor, 1e-9) << c.what;
  }
}

TEST(ObstacleResponse, ThePlayerStaysAndTheWorldMovesAway) {
  RaceFixture f;
  auto* player = new TPlayer(f.race, false, 0, "player", 0, 396, 321);
  f.race.Player = player;
  player->Speed = 0;
  auto* rock = new TRoadRock(f.race, 99, 400, 321);
  auto* road = new TRoadPart(f.race, 1, 50, 60);
  auto* skidMark = new TDim(f.race, false, 50, 60);
  f.race.Course.PointCount = 1;
  f.race.Course.Points[1] = {10, 20, 1, 0};
  rock->ObstacleResponse(*player, true);
  EXPECT_FLOAT_EQ(player->X(), 391);
  EXPECT_FLOAT_EQ(rock->X(), 396);
  EXPECT_FLOAT_EQ(road->X(), 51);
  EXPECT_FLOAT_EQ(skidMark->X(), 45);  // marks stay where they were left
  EXPECT_DOUBLE_EQ(f.race.Course.Points[1].X, 11);
}

TEST(Obstacle, CollidesOnlyWithItsCornerOnScreenUnlessItIsAWall) {
  struct Case {
    int type;
    float x;
    bool pushes;
  };
  const Case cases[] = {{99, 1, true}, {99, 0, false}, {10, 0, true}};
  for (const Case& c : cases) {
    RaceFixture f;
    auto* player = new TPlayer(f.race, false, 0, "player", 0, 3, 300);
    f.race.Player = player;
    player->UpdateShape();
    auto* rock = new TRoadRock(f.race, c.type, 5, 300);
    rock->SetX(c.x);
    rock->Move(0);
    EXPECT_EQ(rock->X() != c.x, c.pushes) << c.type << " at " << c.x;
  }
}

TEST(Obstacle, MarksTheFrontSensorsOfNearbyComputerCars) {
  RaceFixture f;
  auto* car = new TOpponentCar(f.race, false, 0, 0, "enemy", 1, 300, 300);
  f.race.Opponents.push_back(car);
  car->ObstacleSensors[0] = {357, 300, false};  // its square reaches 2 pixels into the box
  car->ObstacleSensors[1] = {300, 390, false};
  auto* rock = new TRoadRock(f.race, 99, 370, 300);
  rock->UpdateObstacleShape();
  rock->SenseForOpponents();
  EXPECT_TRUE(car->ObstacleSensors[0].Hit);
  EXPECT_FALSE(car->ObstacleSensors[1].Hit);
}

TEST(Background, TilesCoverTheScreenWhenShiftedByHalfATile) {
  for (int tile : {64, 100, 256, 333}) {
    const int columns = 800 / tile + 1;
    const int rows = 600 / tile + 1;
    const auto positions =
        BackgroundTilePositions(-tile / 2.0f, -tile / 2.0f, tile, tile, columns, rows);
    int right = 0;
    int bottom = 0;
    for (const auto& [x, y] : positions) {
      right = std::max(right, x + tile);
      bottom = std::max(bottom, y + tile);
    }
    EXPECT_LE(positions.front().first, 0);
    EXPECT_GE(right, 800) << tile;
    EXPECT_GE(bottom, 600) << tile;
  }
}

// The world shift at the start of a race moves the ground by many pictures at once: the
// first frame already draws it with its corner within one picture of the screen's corner.
TEST(Background, OneDrawWrapsTheCornerBackWithinOnePictureFromAnyShift) {
  for (const float shift : {-1007.5f, -10.0f, -3.0f, 0.0f, 4.0f, 2345.25f}) {
    RaceFixture f;
    auto* ground = new TBackground(f.race);  // a bare 10 x 10 picture
    ground->SetX(shift);
    ground->SetY(-shift);
    ground->Draw();
    for (const float corner : {ground->X(), ground->Y()}) {
      EXPECT_GE(corner, -10.0f) << shift;
      EXPECT_LE(corner, 0.0f) << shift;
    }
  }
}

// The sensors decide most points from the box alone; the verdict must be the angle-sum
// test's for every point, including those a hair outside the edges.
TEST(GroundPoint, AgreesWithTheAngleSumTestEverywhere) {
  RaceFixture f;
  auto* road = new TRoadPart(f.race, 0, 100, 200);
  road->SetWidth(256);
  road->SetHeight(64);
  TGroundPoint sensor(f.race, false, 90);
  const Quad box{{{100, 200}, {100, 264}, {356, 264}, {356, 200}}};
  std::mt19937 random(7);
  std::uniform_real_distribution<double> x(80, 380);
  std::uniform_real_distribution<double> y(180, 290);
  std::uniform_real_distribution<double> hair(-9, 9);
  for (int i = 0; i < 20000; ++i) {
    // Half the points near an edge, where the two tests could part.
    float px = static_cast<float>(x(random));
    float py = static_cast<float>(i % 2 ? 200 + hair(random) : y(random));
    sensor.SetX(px);
    sensor.SetY(py);
    sensor.Move(0);
    ASSERT_EQ(sensor.OnRoad, PointInQuad({px, py}, box)) << px << ", " << py;
  }
}
