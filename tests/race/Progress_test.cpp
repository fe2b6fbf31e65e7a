#include <gtest/gtest.h>

#include "race/Car.h"
#include "race/Opponent.h"
#include "race/Player.h"
#include "tests/race/RaceFixture.h"

namespace {

void SetPath(RaceCourse& course, std::initializer_list<Vec2> points) {
  int32_t i = 0;
  for (const Vec2& p : points) {
    ++i;
    course.Points[i] = {p.X, p.Y, i, 0};
  }
  course.PointCount = i;
  PrepareCourse(course);
}

}  // namespace

TEST(CarProgress, MeasuresAlongTheSegmentFromTheNearestPoint) {
  struct Case {
    const char* what;
    Vec2 centre;
    double progress;
  };
  const Case cases[] = {
      {"exactly on a point", {300, 100}, 20},
      {"behind point 1", {50, 100}, -5},
      {"beside the first segment", {150, 110}, 5},
      {"beside the vertical segment", {310, 180}, 28},
      // From the last point the way leads back to the first (here a slant).
      {"past the last point", {250, 300}, 40 + std::sqrt(25.0 * 25 + 25 * 25) / 10},
  };
  for (const Case& c : cases) {
    RaceFixture f;
    SetPath(f.race.Course, {{100, 100}, {300, 100}, {300, 300}});
    TCar car(f.race, false, 0, "car", 0, c.centre.X, c.centre.Y);
    car.Lap = 2;
    car.UpdateProgress();
    EXPECT_NEAR(car.Progress, c.progress, 1e-9) << c.what;
    EXPECT_NEAR(car.CourseTotal, 3 * 40 + c.progress, 1e-9) << c.what;
  }
  // A slanted segment: the foot of the perpendicular; equally near points go to the first.
  RaceFixture f;
  SetPath(f.race.Course, {{0, 0}, {100, 100}, {0, 100}});
  TCar car(f.race, false, 0, "car", 0, 60, 40);
  car.UpdateProgress();
  EXPECT_NEAR(car.Progress, std::sqrt(50.0 * 50 + 50 * 50) / 10, 1e-9);
}

TEST(CarPlace, CountsTheCarsAheadAndTiesRankTheCarItselfFirst) {
  RaceFixture f;
  auto* player = new TPlayer(f.race, false, 0, "player", 0, 396, 321);
  f.race.Player = player;
  for (int i = 0; i < 2; ++i) {
    f.race.Opponents.push_back(new TOpponentCar(f.race, false, 0, i, "enemy", 0, 100, 100));
  }
  player->CourseTotal = 50;
  f.race.Opponents[0]->CourseTotal = 60;
  f.race.Opponents[1]->CourseTotal = 50;
  player->UpdatePlace();
  f.race.Opponents[0]->UpdatePlace();
  f.race.Opponents[1]->UpdatePlace();
  EXPECT_EQ(player->Place, 2);
  EXPECT_EQ(f.race.Opponents[0]->Place, 1);
  EXPECT_EQ(f.race.Opponents[1]->Place, 2);
}
