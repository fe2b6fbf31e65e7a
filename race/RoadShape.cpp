#include "race/RoadShape.h"

#include <algorithm>
#include <cmath>

#include "engine/graphics/RoadGrid.h"

namespace {

constexpr double kCell = kRoadTileSize;
// A chicane's road narrows as a narrowing's does, and its swing is as large as the cell's
// box allows: the road's edge touches the box where the swing is steepest.
constexpr double kChicaneSwing = (kCell - kNarrowestRoad) / 2;

}  // namespace

bool IsShapedRoadPart(int32_t kind) {
  return kind == road_piece::WideCurve || kind == road_piece::Narrowing ||
         kind == road_piece::Chicane || kind == road_piece::Diagonal;
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

double ChicaneShift(double along) {
  // The swing fades in as the road narrows (by kChicaneSwing sin^2 t), so the road stays in
  // the box: with |sin 2t| <= 1 the swing never exceeds what the narrowing gave up.
  const double t = M_PI * std::clamp(along, 0.0, kCell) / kCell;
  return -kChicaneSwing * std::sin(2 * t) * std::sin(t) * std::sin(t);
}

void DiagonalCorner(int32_t variant, double& x, double& y) {
  const int32_t v = std::clamp(variant, 0, road_piece::DiagonalVariants - 1);
  x = v == 1 || v == 2 ? kCell : 0;
  y = v >= 2 ? kCell : 0;
}

double ShapedRoadDistance(int32_t kind, int32_t variant, double x, double y) {
  if (kind == road_piece::WideCurve) {
    double cx, cy;
    WideCurveCentre(variant, cx, cy);
    const double r = std::hypot(x - cx, y - cy);
    return std::max(kCell - r, r - 2 * kCell);
  }
  if (kind == road_piece::Diagonal) {
    double cx, cy;
    DiagonalCorner(variant, cx, cy);
    return (std::fabs(x - cx) + std::fabs(y - cy) - kCell) / std::sqrt(2.0);
  }
  const bool vertical = variant == 1;
  const double along = vertical ? y : x, across = vertical ? x : y;
  if (kind == road_piece::Chicane) {
    return std::fabs(across - kCell / 2 - ChicaneShift(along)) - NarrowingHalfWidth(along);
  }
  return std::fabs(across - kCell / 2) - NarrowingHalfWidth(along);
}

bool RoadPartCovers(int32_t kind, int32_t variant, double x, double y) {
  if (x < 0 || y < 0 || x > kCell || y > kCell) return false;
  return !IsShapedRoadPart(kind) || ShapedRoadDistance(kind, variant, x, y) <= 0;
}

bool CellCentreOnRoad(int32_t kind, int32_t variant) {
  return !IsShapedRoadPart(kind) || ShapedRoadDistance(kind, variant, kCell / 2, kCell / 2) < 0;
}
