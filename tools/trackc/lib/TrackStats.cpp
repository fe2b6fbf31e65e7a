#include "tools/trackc/lib/TrackStats.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "race/RoadShape.h"
#include "tools/trackc/lib/Obstacles.h"
#include "tools/trackc/lib/TrackView.h"

namespace {

// A gap of g pixels weighs kGapWeight / (g + kGapEase): a tree 100 pixels off the road adds
// about 3, a wall 10 pixels off adds 13.
constexpr double kGapWeight = 400;
constexpr double kGapEase = 20;

}  // namespace

double TrackStats::Difficulty() const {
  const double gap = NarrowestGap ? kGapWeight / (std::max(*NarrowestGap, 0.0) + kGapEase) : 0;
  return Turns - 0.5 * WideTurns + 0.5 * Bends + Narrowings + 2.0 * Chicanes + 2.0 * SBends +
         3.0 * Walls + gap;
}

TrackStats MeasureTrack(const std::vector<TrackRecord>& records) {
  const TrackView view = ViewTrack(records);
  TrackStats stats;
  stats.LapLength = view.Course.LapLength();
  stats.Scenery = TrackLandscape(records);
  std::vector<std::string> pieces;
  int wideCells = 0;
  for (const GridTile& t : view.Road) {
    if (t.Kind == road_piece::WideCurve) {
      ++wideCells;
    } else {
      ++stats.Pieces[PieceKindName(t)];
    }
    pieces.push_back(std::to_string(t.Row) + "," + std::to_string(t.Column) + ":" +
                     std::to_string(t.Kind) + "." + std::to_string(t.Variant));
  }
  if (wideCells > 0) stats.Pieces["wide-curve"] = wideCells / 4;
  stats.Narrowings = stats.Pieces.count("narrowing") ? stats.Pieces["narrowing"] : 0;
  stats.Chicanes = stats.Pieces.count("chicane") ? stats.Pieces["chicane"] : 0;
  std::sort(pieces.begin(), pieces.end());
  for (const std::string& p : pieces) stats.RoadSignature += p + " ";
  std::string problem;
  if (const auto loop = view.Loop(problem)) {
    std::vector<std::pair<size_t, int>> turns;  // position on the loop, hand
    const auto diagonal = [&](size_t i) {
      return (*loop)[i % loop->size()].Tile.Kind == road_piece::Diagonal;
    };
    for (size_t i = 0; i < loop->size(); ++i) {
      // A diagonal's halves step from cell to cell without turning the road.
      if (diagonal(i) != diagonal(i + 1)) ++stats.Bends;
      const int hand = diagonal(i) ? 0 : (*loop)[i].Turn();
      if (!hand) continue;
      turns.push_back({i, hand});
      if ((*loop)[i].Tile.Kind == road_piece::WideCurve) ++stats.WideTurns;
    }
    stats.Turns = static_cast<int>(turns.size());
    for (size_t i = 0; i < turns.size() && turns.size() > 1; ++i) {
      const auto& a = turns[i];
      const auto& b = turns[(i + 1) % turns.size()];
      const size_t between = (b.first + loop->size() - a.first) % loop->size() - 1;
      if (a.second != b.second && between <= 1) ++stats.SBends;
    }
  }
  for (const TrackRecord& r : view.Obstacles) {
    if (IsWallType(r.B)) ++stats.Walls;
    const double gap = GapToRoad(ObstacleFootprint(r.B, r.X, r.Y), view.Road, view.Frame);
    if (!stats.NarrowestGap || gap < *stats.NarrowestGap) stats.NarrowestGap = gap;
  }
  return stats;
}
