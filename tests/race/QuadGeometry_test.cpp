#include "race/QuadGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {
const Quad kSquare{{{0, 0}, {10, 0}, {10, 10}, {0, 10}}};
}

TEST(PointInQuad, CountsTheEdgeTheCornersAndAHairOutsideAsInside) {
  struct Case {
    Vec2 point;
    bool inside;
  };
  const Case cases[] = {
      {{5, 5}, true},     {{0.5, 9.5}, true},
      {{5, 0}, true},      // on an edge: the angles add up to 360
      {{10, 10}, true},    // exactly on a corner
      {{5, -0.05}, true},  // a hair outside an edge still sums to more than 355
      {{5, -1}, false},   {{20, 5}, false},
      {{-3, -3}, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PointInQuad(c.point, kSquare), c.inside) << c.point.X << ", " << c.point.Y;
  }
}

TEST(QuadsOverlap, NeedsACornerOfOneInsideTheOther) {
  const Quad inside{{{2, 2}, {4, 2}, {4, 4}, {2, 4}}};
  const Quad apart{{{20, 20}, {30, 20}, {30, 30}, {20, 30}}};
  const Quad cornerIn{{{8, 8}, {18, 8}, {18, 18}, {8, 18}}};
  // A plus sign: a tall thin bar across a wide thin bar; no corner of either inside.
  const Quad tall{{{4, -5}, {6, -5}, {6, 15}, {4, 15}}};
  const Quad wide{{{-5, 4}, {15, 4}, {15, 6}, {-5, 6}}};
  EXPECT_TRUE(QuadsOverlap(kSquare, inside));
  EXPECT_TRUE(QuadsOverlap(inside, kSquare));
  EXPECT_TRUE(QuadsOverlap(kSquare, cornerIn));
  EXPECT_FALSE(QuadsOverlap(kSquare, apart));
  EXPECT_FALSE(QuadsOverlap(tall, wide));
}

// The quick test on the quads' boxes must never change a verdict of the corner tests.
TEST(QuadsOverlap, AgreesWithTheCornerTestsForTurnedRectanglesCloseTogether) {
  std::mt19937 random(11);
  std::uniform_real_distribution<double> size(4, 300);
  std::uniform_real_distribution<double> angle(-180, 180);
  std::uniform_real_distribution<double> unit(0, 1);
  int overlapping = 0;
  for (int i = 0; i < 20000; ++i) {
    const double wa = size(random), ha = size(random), wb = size(random), hb = size(random);
    const Quad a = TurnedCorners({0, 0}, std::hypot(wa, ha) / 2, angle(random),
                                 BoxCornerAngles(wa / 2, ha / 2));
    // Place b so that the centres are about as far apart as the shapes are large.
    const double reach = (std::hypot(wa, ha) + std::hypot(wb, hb)) / 2 * (0.8 + 0.4 * unit(random));
    const Vec2 centre = Direction(angle(random));
    const Quad b = TurnedCorners({centre.X * reach, centre.Y * reach}, std::hypot(wb, hb) / 2,
                                 angle(random), BoxCornerAngles(wb / 2, hb / 2));
    bool cornerInside = false;
    for (const Vec2& p : b) cornerInside = cornerInside || PointInQuad(p, a);
    for (const Vec2& p : a) cornerInside = cornerInside || PointInQuad(p, b);
    ASSERT_EQ(QuadsOverlap(a, b), cornerInside) << i;
    overlapping += cornerInside;
  }
  EXPECT_GT(overlapping, 1000);  // the cases straddle the boundary
  EXPECT_LT(overlapping, 19000);
}
