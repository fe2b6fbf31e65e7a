#include "race/RoadShape.h"

#include <algorithm>
#include <cmath>

#include "engine/graphics/RoadGrid.h"

namespace {

constexpr double kCell = kRoadTileSize;

}  // namespace

bool IsShapedRoadPart(int32_t kind) {
  return kind == road_piece::WideCurve || kind == road_piece::Narrowing;
}

void WideCurveCentre(int32_t variant, double& x, double& y) {
  const int32_t v = std::clamp(variant, 0, road_piece::WideCurveVariants - 1);
  const int32_t turn = v / 4, cell = v % 4;
  const bool right = turn == 0 || turn == 3, bottom = turn == 0 || turn == 1;
  x = (right ? 2 * kCell : 0) - (cell % 2) * kCell;
  y = (bottom ? 2 * kCell : 0) - (cell / 2) * kCell;
}

double NarrowingHalfWidth(double along) {
  const double s = std::sin(M_PI * std::clamp(along, 0.0, kCell) / kCell);
  return kCell / 2 - (kCell - kNarrowestRoad) / 2 * s * s;
}

double ShapedRoadDistance(int32_t kind, int32_t variant, double x, double y) {
  if (kind == road_piece::WideCurve) {
    double cx, cy;
    WideCurveCentre(variant, cx, cy);
    const double r = std::hypot(x - cx, y - cy);
    return std::max(kCell - r, r - 2 * kCell);
  }
  const bool vertical = variant == 1;
  const double along = vertical ? y : x, across = vertical ? x : y;
  return std::fabs(across - kCell / 2) - NarrowingHalfWidth(along);
}

bool RoadPartCovers(int32_t kind, int32_t variant, double x, double y) {
  if (x < 0 || y < 0 || x > kCell || y > kCell) return false;
  return !IsShapedRoadPart(kind) || ShapedRoadDistance(kind, variant, x, y) <= 0;
}
