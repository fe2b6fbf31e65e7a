#pragma once
#include <array>

constexpr double kRadiansPerDegree = 0.017453292519943295;
constexpr double kDegreesPerRadian = 57.29577951308232;

// Positions in screen pixels, y growing downward.
struct Vec2 {
  double X = 0;
  double Y = 0;
};

// Corners in drawing order (a closed loop), as every collision shape of the race world.
using Quad = std::array<Vec2, 4>;

// Inside when the angles that the four edges subtend at the point add up to at least 355
// degrees, so points on an edge (and a hair outside it) count as inside. A point lying
// exactly on a corner counts as inside.
bool PointInQuad(Vec2 point, const Quad& quad);

// True when a corner of either quad lies in the other. Quads that cross without holding
// a corner of each other do not count. The quads must be convex (every shape of the race
// world is a turned rectangle).
bool QuadsOverlap(const Quad& a, const Quad& b);

// The axis-aligned square of the given half size around a point, used by the sensors.
Quad SquareAround(Vec2 centre, double halfSize);

// The shape of a turning sprite: corner k lies at distance radius from the centre, in the
// direction angleDegrees + cornerAngles[k].
Quad TurnedCorners(Vec2 centre, double radius, double angleDegrees,
                   const std::array<double, 4>& cornerAngles);

// 180 - a, a - 180, -a, a with a = atan(halfHeight / halfWidth) in degrees: the directions
// from the centre of an unturned box to its four corners.
std::array<double, 4> BoxCornerAngles(double halfWidth, double halfHeight);

double DistanceBetween(Vec2 a, Vec2 b);
// DistanceBetween(a, b) < radius, without the square root.
bool CloserThan(Vec2 a, Vec2 b, double radius);

// The unit vector pointing from one point to another; zero when they coincide.
Vec2 UnitVector(Vec2 from, Vec2 to);

// (cos, sin) of an angle in degrees: the direction of a heading on screen.
Vec2 Direction(double degrees);
