#include "tools/trackc/lib/Obstacles.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/graphics/PictureTable.h"
#include "race/RoadRock.h"

namespace {

constexpr int32_t kHorizontalWall = 10;
constexpr int32_t kVerticalWall = 11;
constexpr double kBareSpriteSize = 10;
constexpr double kEdgeStep = 4;  // pixels between the points tested along a box's edge

double NearestRoad(double x, double y, const std::vector<GridTile>& road, const GridFrame& frame) {
  double best = std::numeric_limits<double>::infinity();
  for (const GridTile& t : road) best = std::min(best, frame.DistanceToRoad(t, x, y));
  return best;
}

}  // namespace

double Footprint::Radius() const {
  return std::hypot(HalfWidth, HalfHeight);
}

bool IsWallType(int32_t type) {
  return type == kHorizontalWall || type == kVerticalWall;
}

Footprint ObstacleFootprint(int32_t type, double x, double y) {
  Footprint f;
  f.X = x;
  f.Y = y;
  f.HalfWidth = f.HalfHeight = kBareSpriteSize / 2;
  const char* picture = ObstaclePicture(type);
  const PictureEntry* entry = picture ? FindPictureEntry(picture) : nullptr;
  if (entry) {
    f.HalfWidth = entry->TileWidth / 2.0;
    f.HalfHeight = entry->TileHeight / 2.0;
    f.Round = !IsWallType(type);
  }
  return f;
}

double GapToRoad(const Footprint& f, const std::vector<GridTile>& road, const GridFrame& frame) {
  if (f.Round) return NearestRoad(f.X, f.Y, road, frame) - f.Radius();
  // A box: the nearest road to any point of its edge, and none inside it.
  if (NearestRoad(f.X, f.Y, road, frame) <= 0) return 0;
  double best = std::numeric_limits<double>::infinity();
  const double left = f.X - f.HalfWidth, right = f.X + f.HalfWidth;
  const double top = f.Y - f.HalfHeight, bottom = f.Y + f.HalfHeight;
  for (double x = left;; x = std::min(x + kEdgeStep, right)) {
    best = std::min({best, NearestRoad(x, top, road, frame), NearestRoad(x, bottom, road, frame)});
    if (x >= right) break;
  }
  for (double y = top;; y = std::min(y + kEdgeStep, bottom)) {
    best = std::min({best, NearestRoad(left, y, road, frame), NearestRoad(right, y, road, frame)});
    if (y >= bottom) break;
  }
  return best;
}

bool Overlap(const Footprint& a, const Footprint& b, double margin) {
  const double ax = a.Round ? a.Radius() : a.HalfWidth, ay = a.Round ? a.Radius() : a.HalfHeight;
  const double bx = b.Round ? b.Radius() : b.HalfWidth, by = b.Round ? b.Radius() : b.HalfHeight;
  return std::fabs(a.X - b.X) < ax + bx + margin && std::fabs(a.Y - b.Y) < ay + by + margin;
}
