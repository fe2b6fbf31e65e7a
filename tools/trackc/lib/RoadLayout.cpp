#include "tools/trackc/lib/RoadLayout.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include "engine/graphics/RoadGrid.h"
#include "race/RoadShape.h"

namespace {

// Road-part kinds by the edges they open.
constexpr int32_t kHorizontal = 1;
constexpr int32_t kVertical = 2;
constexpr int32_t kTurnEastNorth = 11;  // "roadroters" tile 3
constexpr int32_t kTurnWestNorth = 12;  // tile 2
constexpr int32_t kTurnWestSouth = 13;  // tile 1
constexpr int32_t kTurnEastSouth = 14;  // tile 0

std::string Position(const GridFrame& frame, const GridTile& t) {
  return "(" + std::to_string(static_cast<long>(frame.Left(t))) + ", " +
         std::to_string(static_cast<long>(frame.Top(t))) + ")";
}

bool Opens(const GridTile& tile, Side side) {
  Side a, b;
  return OpenSides(tile, a, b) && (a == side || b == side);
}

// Where a wide curve's cell lies in its block: the block's cell at the curve's corner
// (inner) and the cell itself, as column and row 0 or 1.
struct WideCell {
  int Column, Row, InnerColumn, InnerRow;
};

WideCell WideCellOf(int32_t variant) {
  const int32_t v = std::clamp(variant, 0, road_piece::WideCurveVariants - 1);
  const int32_t turn = v / 4, cell = v % 4;
  return {cell % 2, cell / 2, turn == 0 || turn == 3 ? 1 : 0, turn == 0 || turn == 1 ? 1 : 0};
}

bool OpenSidesOfKind(int32_t kind, Side& a, Side& b);

}  // namespace

Side Opposite(Side side) {
  switch (side) {
    case Side::North:
      return Side::South;
    case Side::East:
      return Side::West;
    case Side::South:
      return Side::North;
    case Side::West:
      return Side::East;
  }
  return Side::North;
}

const char* SideName(Side side) {
  switch (side) {
    case Side::North:
      return "north";
    case Side::East:
      return "east";
    case Side::South:
      return "south";
    case Side::West:
      return "west";
  }
  return "?";
}

int StepColumns(Side side) {
  return side == Side::East ? 1 : side == Side::West ? -1 : 0;
}

int StepRows(Side side) {
  return side == Side::South ? 1 : side == Side::North ? -1 : 0;
}

bool IsRoadPieceKind(int32_t kind) {
  return kind == kHorizontal || kind == kVertical || IsShapedRoadPart(kind) ||
         (kind >= kTurnEastNorth && kind <= kTurnEastSouth);
}

std::string PieceKindName(const GridTile& tile) {
  if (tile.Kind == road_piece::WideCurve) return "wide-curve";
  if (tile.Kind == road_piece::Narrowing) return "narrowing";
  if (tile.Kind == road_piece::Chicane) return "chicane";
  if (tile.Kind == road_piece::Diagonal) return "diagonal";
  return IsTurn(tile.Kind) ? "turn" : "straight";
}

bool OpenSides(const GridTile& tile, Side& a, Side& b) {
  if (tile.Kind == road_piece::Narrowing || tile.Kind == road_piece::Chicane) {
    return OpenSidesOfKind(tile.Variant == 1 ? kVertical : kHorizontal, a, b);
  }
  if (tile.Kind == road_piece::Diagonal) {
    // The two edges that meet at the half's corner.
    double x, y;
    DiagonalCorner(tile.Variant, x, y);
    a = y > 0 ? Side::South : Side::North;
    b = x > 0 ? Side::East : Side::West;
    return true;
  }
  if (tile.Kind != road_piece::WideCurve) return OpenSidesOfKind(tile.Kind, a, b);
  const WideCell w = WideCellOf(tile.Variant);
  const bool innerColumn = w.Column == w.InnerColumn, innerRow = w.Row == w.InnerRow;
  if (innerColumn && innerRow) return false;
  if (innerRow) return OpenSidesOfKind(kVertical, a, b);
  if (innerColumn) return OpenSidesOfKind(kHorizontal, a, b);
  a = w.InnerColumn > w.Column ? Side::East : Side::West;
  b = w.InnerRow > w.Row ? Side::South : Side::North;
  return true;
}

bool IsTurn(int32_t kind) {
  return kind >= kTurnEastNorth && kind <= kTurnEastSouth;
}

namespace {

bool OpenSidesOfKind(int32_t kind, Side& a, Side& b) {
  switch (kind) {
    case kHorizontal:
      a = Side::West, b = Side::East;
      return true;
    case kVertical:
      a = Side::North, b = Side::South;
      return true;
    case kTurnEastNorth:
      a = Side::East, b = Side::North;
      return true;
    case kTurnWestNorth:
      a = Side::West, b = Side::North;
      return true;
    case kTurnWestSouth:
      a = Side::West, b = Side::South;
      return true;
    case kTurnEastSouth:
      a = Side::East, b = Side::South;
      return true;
    default:
      return false;
  }
}

}  // namespace

int LoopTile::Turn() const {
  if (Out == Opposite(In)) return 0;
  // Driving direction in, then out; the cross product's sign is the turn (y grows down).
  const int inX = -StepColumns(In), inY = -StepRows(In);
  const int outX = StepColumns(Out), outY = StepRows(Out);
  return inX * outY - inY * outX > 0 ? 1 : -1;
}

std::vector<std::pair<double, double>> GridFrame::CentreLinePoints(const GridTile& t) const {
  const double left = Left(t), top = Top(t);
  if (t.Kind == road_piece::WideCurve) {
    const WideCell w = WideCellOf(t.Variant);
    const bool innerColumn = w.Column == w.InnerColumn, innerRow = w.Row == w.InnerRow;
    if (innerColumn == innerRow) return {};  // the inner cell and the outer corner
    const double scale = Size / kRoadTileSize, radius = 1.5 * Size;
    double cx, cy;
    WideCurveCentre(t.Variant, cx, cy);
    const double toOuterColumn = w.InnerColumn == 0 ? 1 : -1;
    const double toOuterRow = w.InnerRow == 0 ? 1 : -1;
    const double main = std::cos(M_PI / 8), side = std::sin(M_PI / 8);
    // The end cell lies straight out from the corner along one axis; the point is turned an
    // eighth of the way round toward the outer corner.
    const double ex = toOuterColumn * (innerRow ? main : side);
    const double ey = toOuterRow * (innerRow ? side : main);
    return {{left + cx * scale + ex * radius, top + cy * scale + ey * radius}};
  }
  if (t.Kind == road_piece::Diagonal) {
    // Halfway between the half's corner and the cell diagonal: on the diagonal road's
    // centre line, a step of kDiagonalRoad from the next half's point.
    double cx, cy;
    DiagonalCorner(t.Variant, cx, cy);
    const double scale = Size / kRoadTileSize;
    return {{left + (cx * scale + Size / 2) / 2, top + (cy * scale + Size / 2) / 2}};
  }
  double x = left + Size / 2, y = top + Size / 2;
  if (!IsTurn(t.Kind)) return {{x, y}};
  Side a, b;
  OpenSides(t, a, b);
  // The turn's inner corner is where its two open edges meet.
  const double cornerX = (a == Side::East || b == Side::East) ? left + Size : left;
  const double cornerY = (a == Side::South || b == Side::South) ? top + Size : top;
  const double r = Size / 2 / std::sqrt(2.0);
  x = cornerX + (x > cornerX ? r : -r);
  y = cornerY + (y > cornerY ? r : -r);
  return {{x, y}};
}

double GridFrame::DistanceToRoad(const GridTile& t, double x, double y) const {
  const double left = Left(t), top = Top(t);
  const double dx = std::max({left - x, 0.0, x - (left + Size)});
  const double dy = std::max({top - y, 0.0, y - (top + Size)});
  const double toBox = std::hypot(dx, dy);
  if (IsShapedRoadPart(t.Kind)) {
    const double scale = Size / kRoadTileSize;
    return std::max(
        toBox,
        ShapedRoadDistance(t.Kind, t.Variant, (x - left) / scale, (y - top) / scale) * scale);
  }
  if (!IsTurn(t.Kind)) return toBox;
  Side a, b;
  OpenSides(t, a, b);
  const double cornerX = (a == Side::East || b == Side::East) ? left + Size : left;
  const double cornerY = (a == Side::South || b == Side::South) ? top + Size : top;
  return std::max(toBox, std::hypot(x - cornerX, y - cornerY) - Size);
}

std::optional<std::vector<LoopTile>> TraceLoop(const std::vector<GridTile>& tiles, size_t first,
                                               Side out, const GridFrame& frame,
                                               std::string& problem) {
  std::map<std::pair<int, int>, size_t> at;
  for (size_t i = 0; i < tiles.size(); ++i) {
    if (!at.emplace(std::make_pair(tiles[i].Column, tiles[i].Row), i).second) {
      problem = "two road parts at " + Position(frame, tiles[i]);
      return std::nullopt;
    }
  }
  std::vector<LoopTile> loop;
  std::vector<bool> seen(tiles.size(), false);
  size_t current = first;
  Side in = Opposite(out);
  {
    Side a, b;
    if (!OpenSides(tiles[first], a, b) || (a != out && b != out)) {
      problem = "the start piece at " + Position(frame, tiles[first]) + " is not open to the " +
                SideName(out);
      return std::nullopt;
    }
    in = a == out ? b : a;
  }
  while (true) {
    const GridTile& t = tiles[current];
    seen[current] = true;
    loop.push_back({t, in, out});
    const auto next = at.find({t.Column + StepColumns(out), t.Row + StepRows(out)});
    if (next == at.end()) {
      problem = "open loop: the road part at " + Position(frame, t) + " has no road beyond its " +
                SideName(out) + " edge";
      return std::nullopt;
    }
    const GridTile& n = tiles[next->second];
    const Side nextIn = Opposite(out);
    if (!Opens(n, nextIn)) {
      problem = "open loop: the road part at " + Position(frame, n) + " does not open to the " +
                SideName(nextIn) + " where the road from " + Position(frame, t) + " arrives";
      return std::nullopt;
    }
    if (next->second == first) break;
    if (seen[next->second]) {
      problem = "the road crosses itself at " + Position(frame, n);
      return std::nullopt;
    }
    Side a, b;
    OpenSides(n, a, b);
    in = nextIn;
    out = a == nextIn ? b : a;
    current = next->second;
  }
  for (size_t i = 0; i < tiles.size(); ++i) {
    Side a, b;
    if (!seen[i] && OpenSides(tiles[i], a, b)) {
      problem = "the road part at " + Position(frame, tiles[i]) + " is not on the loop";
      return std::nullopt;
    }
  }
  return loop;
}

namespace {

int32_t KindOpening(Side a, Side b) {
  for (int32_t kind :
       {kHorizontal, kVertical, kTurnEastNorth, kTurnWestNorth, kTurnWestSouth, kTurnEastSouth}) {
    Side x, y;
    OpenSidesOfKind(kind, x, y);
    if ((x == a && y == b) || (x == b && y == a)) return kind;
  }
  return 0;
}

bool SideToward(int dc, int dr, Side& side) {
  for (Side s : {Side::North, Side::East, Side::South, Side::West}) {
    if (StepColumns(s) == dc && StepRows(s) == dr) {
      side = s;
      return true;
    }
  }
  return false;
}

}  // namespace

std::vector<GridTile> RoadFromPath(const std::vector<std::pair<double, double>>& points,
                                   GridFrame& frame) {
  const size_t n = points.size();
  if (n < 4) return {};
  double size = 0, minX = points[0].first, minY = points[0].second;
  for (size_t i = 0; i < n; ++i) {
    const auto& a = points[i];
    const auto& b = points[(i + 1) % n];
    size = std::max(size, std::hypot(b.first - a.first, b.second - a.second));
    minX = std::min(minX, a.first);
    minY = std::min(minY, a.second);
  }
  // Every point lies within 0.36 of a step of its piece's middle, so a grid whose first
  // column and row are centred on the extreme points puts each in its own piece.
  frame = {minX - size / 2, minY - size / 2, size};
  std::vector<GridTile> tiles(n);
  for (size_t i = 0; i < n; ++i) {
    tiles[i].Column = static_cast<int>(std::floor((points[i].first - frame.OriginX) / size));
    tiles[i].Row = static_cast<int>(std::floor((points[i].second - frame.OriginY) / size));
  }
  for (size_t i = 0; i < n; ++i) {
    const GridTile& prev = tiles[(i + n - 1) % n];
    const GridTile& next = tiles[(i + 1) % n];
    Side in, out;
    if (!SideToward(prev.Column - tiles[i].Column, prev.Row - tiles[i].Row, in) ||
        !SideToward(next.Column - tiles[i].Column, next.Row - tiles[i].Row, out) || in == out) {
      return {};
    }
    tiles[i].Kind = KindOpening(in, out);
  }
  // Line the grid up with a straight's point, which sits in its piece's very middle.
  for (size_t i = 0; i < n; ++i) {
    if (IsTurn(tiles[i].Kind)) continue;
    frame.OriginX = points[i].first - (tiles[i].Column + 0.5) * size;
    frame.OriginY = points[i].second - (tiles[i].Row + 0.5) * size;
    break;
  }
  return tiles;
}
