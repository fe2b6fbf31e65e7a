// The autopilot's decisions on the square test course (clockwise from (1000, 0) along the
// top edge): where it steers, when it eases off, how it finds the course again after a
// push and how it backs out when stuck.
#include "race/Autopilot.h"

#include <gtest/gtest.h>

#include "race/Player.h"
#include "tests/race/RaceFixture.h"
#include "tests/race/SquareCourse.h"

namespace {

struct AutopilotFixture {
  AutopilotFixture() {
    RaceCourse& course = f.race.Course;
    const auto points = SquarePathPoints();
    for (size_t i = 0; i < points.size(); ++i) {
      course.Points[i + 1] = {static_cast<double>(points[i].first),
                              static_cast<double>(points[i].second), static_cast<int32_t>(i + 1),
                              0};
    }
    course.PointCount = static_cast<int32_t>(points.size());
    PrepareCourse(course);
  }

  // The player's car centred on (x, y), heading east, at the speed.
  TPlayer& Place(double x, double y, double heading, double speed) {
    if (!f.race.Player) {
      f.race.Player = new TPlayer(f.race, false, heading, "player", 0, x, y);
    }
    TPlayer& p = *f.race.Player;
    p.SetX(static_cast<float>(x - p.Width() / 2.0));
    p.SetY(static_cast<float>(y - p.Height() / 2.0));
    p.Heading = p.MoveHeading = heading;
    p.Speed = speed;
    return p;
  }

  RaceFixture f;
  Autopilot pilot{f.race};
};

}  // namespace

TEST(Autopilot, SteersForThePathAheadAndEasesOffBeforeABend) {
  const struct {
    const char* Case;
    double X, Y, Heading, Speed;
    bool Left, Right, Throttle, Brake;
  } cases[] = {
      {"on the line, pointing along it", 1200, 0, 0, 3, false, false, true, false},
      {"left of the line (north)", 1200, -80, 0, 3, false, true, true, false},
      {"right of the line (south)", 1200, 80, 0, 3, true, false, true, false},
      {"far from the corner at speed", 1100, 0, 0, 8, false, false, true, false},
      {"before the corner at speed", 1750, 0, 0, 8, false, false, false, true},
      {"into the corner at speed", 1850, 0, 0, 8, false, true, false, true},
      {"into the corner slowly", 1850, 0, 0, 3, false, true, true, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Case);
    AutopilotFixture a;
    a.Place(c.X, c.Y, c.Heading, c.Speed);
    const AutopilotControls want = a.pilot.Decide();
    EXPECT_EQ(want.Left, c.Left);
    EXPECT_EQ(want.Right, c.Right);
    EXPECT_EQ(want.Throttle, c.Throttle);
    EXPECT_EQ(want.Brake, c.Brake);
  }
}

TEST(Autopilot, FindsTheCourseAgainAfterAPushAndKeepsItsDirection) {
  AutopilotFixture a;
  a.Place(1200, 0, 0, 3);
  a.pilot.Decide();
  // Thrown far along the lap (half way down the right-hand edge, heading south with the
  // lap; then on the bottom edge heading west): it follows the course from where the car
  // is, straight on, instead of turning back to where it was.
  const struct {
    double X, Y, Heading;
  } throws[] = {{2000, 1000, 90}, {800, 2000, 180}, {0, 1200, -90}};
  for (const auto& t : throws) {
    SCOPED_TRACE(t.X);
    a.Place(t.X, t.Y, t.Heading, 3);
    const AutopilotControls want = a.pilot.Decide();
    EXPECT_FALSE(want.Left);
    EXPECT_FALSE(want.Right);
    EXPECT_TRUE(want.Throttle);
  }
  // Pushed off beside the left-hand edge, heading north along it: it steers back right,
  // toward the road ahead.
  a.Place(-200, 1000, -90, 3);
  EXPECT_TRUE(a.pilot.Decide().Right);
}

TEST(Autopilot, BacksOutWhenStuckThenDrivesOn) {
  AutopilotFixture a;
  a.Place(1200, 60, 0, 0);
  int frame = 0;
  while (!a.pilot.Decide().Brake) {
    ASSERT_LT(++frame, 200) << "never backed out";
  }
  EXPECT_GE(frame, 30) << "a standing start is not being stuck";
  int reversing = 1;
  while (a.pilot.Decide().Brake) ++reversing;
  EXPECT_GE(reversing, 30);
  EXPECT_LE(reversing, 60);
  a.Place(1200, 60, 0, 3);
  EXPECT_TRUE(a.pilot.Decide().Throttle);
}
