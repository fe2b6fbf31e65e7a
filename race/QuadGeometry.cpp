#include "race/QuadGeometry.h"

#include <algorithm>
#include <cmath>

bool PointInQuad(Vec2 point, const Quad& quad) {
  std::array<Vec2, 4> directions;
  for (int k = 0; k < 4; ++k) {
    const double dx = quad[k].X - point.X;
    const double dy = quad[k].Y - point.Y;
    const double length = std::sqrt(dx * dx + dy * dy);
    if (length == 0) return true;
    directions[k] = {dx / length, dy / length};
  }
  double sum = 0;
  for (int k = 0; k < 4; ++k) {
    const Vec2& a = directions[k];
    const Vec2& b = directions[(k + 1) % 4];
    sum += std::acos(std::clamp(a.X * b.X + a.Y * b.Y, -1.0, 1.0)) * kDegreesPerRadian;
  }
  return sum >= 355;
}

namespace {

struct Box {
  double Left, Top, Right, Bottom;
};

Box BoxAround(const Quad& q) {
  Box b{q[0].X, q[0].Y, q[0].X, q[0].Y};
  for (const Vec2& p : q) {
    b.Left = std::min(b.Left, p.X);
    b.Top = std::min(b.Top, p.Y);
    b.Right = std::max(b.Right, p.X);
    b.Bottom = std::max(b.Bottom, p.Y);
  }
  return b;
}

// Seen from a point farther than 2.5 % of (width + height) of its box outside a convex
// quad, the quad subtends less than 177.5 degrees, so the angle sum stays below 355:
// quads whose boxes are that far apart cannot overlap, and the angle sums can be skipped.
bool FarApart(const Quad& a, const Quad& b) {
  const Box ba = BoxAround(a);
  const Box bb = BoxAround(b);
  const double margin = 0.025 * std::max(ba.Right - ba.Left + ba.Bottom - ba.Top,
                                         bb.Right - bb.Left + bb.Bottom - bb.Top);
  return bb.Left - ba.Right > margin || ba.Left - bb.Right > margin ||
         bb.Top - ba.Bottom > margin || ba.Top - bb.Bottom > margin;
}

}  // namespace

bool QuadsOverlap(const Quad& a, const Quad& b) {
  if (FarApart(a, b)) return false;
  for (const Vec2& corner : b) {
    if (PointInQuad(corner, a)) return true;
  }
  for (const Vec2& corner : a) {
    if (PointInQuad(corner, b)) return true;
  }
  return false;
}

Quad SquareAround(Vec2 centre, double halfSize) {
  return {{{centre.X - halfSize, centre.Y - halfSize},
           {centre.X + halfSize, centre.Y - halfSize},
           {centre.X + halfSize, centre.Y + halfSize},
           {centre.X - halfSize, centre.Y + halfSize}}};
}

Quad TurnedCorners(Vec2 centre, double radius, double angleDegrees,
                   const std::array<double, 4>& cornerAngles) {
  Quad q;
  for (int k = 0; k < 4; ++k) {
    const double a = (angleDegrees + cornerAngles[k]) * kRadiansPerDegree;
    q[k] = {centre.X + radius * std::cos(a), centre.Y + radius * std::sin(a)};
  }
  return q;
}

std::array<double, 4> BoxCornerAngles(double halfWidth, double halfHeight) {
  const double a = std::atan(halfHeight / halfWidth) * kDegreesPerRadian;
  return {180 - a, a - 180, -a, a};
}

bool CloserThan(Vec2 a, Vec2 b, double radius) {
  return (a.X - b.X) * (a.X - b.X) + (a.Y - b.Y) * (a.Y - b.Y) < radius * radius;
}

double DistanceBetween(Vec2 a, Vec2 b) {
  return std::sqrt((a.X - b.X) * (a.X - b.X) + (a.Y - b.Y) * (a.Y - b.Y));
}

Vec2 UnitVector(Vec2 from, Vec2 to) {
  const double dx = to.X - from.X;
  const double dy = to.Y - from.Y;
  const double length = std::sqrt(dx * dx + dy * dy);
  if (length == 0) return {0, 0};
  return {dx / length, dy / length};
}

Vec2 Direction(double degrees) {
  const double a = degrees * kRadiansPerDegree;
  return {std::cos(a), std::sin(a)};
}
