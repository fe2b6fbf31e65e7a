#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Road pieces on a square grid and the closed loop they form. A piece is a road-part kind of
// the track file: the straights and quarter turns fill one cell each, the shaped pieces of
// race/RoadShape.h (wide curves over 2 x 2 cells, narrowings, chicanes, diagonal halves) one
// record a cell. Each cell on the loop opens two of its four edges, and a loop is a chain of
// cells whose open edges meet, back to the first one. The inner cell of a wide curve carries
// a sliver of its road and opens no edge: it lies beside the loop, not on it.

enum class Side { North, East, South, West };

Side Opposite(Side side);
const char* SideName(Side side);
// Grid step toward the side: North is row - 1, East is column + 1.
int StepColumns(Side side);
int StepRows(Side side);

// Whether the kind is a road-part kind that forms road (straights, quarter turns and the
// shaped pieces).
bool IsRoadPieceKind(int32_t kind);
bool IsTurn(int32_t kind);

struct GridTile {
  int Column = 0;
  int Row = 0;
  int32_t Kind = 0;
  int32_t Variant = 0;  // the record's A: which shaped piece, or which cell of it
};

// The two open edges of a cell; false for a cell that opens none (a wide curve's inner cell).
bool OpenSides(const GridTile& tile, Side& a, Side& b);
// The road-part kinds and their names, as the track's piece count lists them.
std::string PieceKindName(const GridTile& tile);

// A piece of the loop as it is driven: entered on one side, left on the other.
struct LoopTile {
  GridTile Tile;
  Side In = Side::West;
  Side Out = Side::East;
  // +1 for a right-hand (clockwise) turn, -1 for a left-hand one, 0 where the road runs on
  // straight through the cell (a wide curve turns in the cell at its outer corner). A
  // diagonal half opens two edges that meet, so it counts as a turn of the grid here though
  // its road runs on straight.
  int Turn() const;
};

// The grid's placement in pixels: tile (c, r) has its top-left corner at
// (OriginX + c * Size, OriginY + r * Size).
struct GridFrame {
  double OriginX = 0;
  double OriginY = 0;
  double Size = 256;

  double Left(const GridTile& t) const { return OriginX + t.Column * Size; }
  double Top(const GridTile& t) const { return OriginY + t.Row * Size; }
  // The points of the road's centre line the path takes in this cell: the tile centre on a
  // straight, the middle of the quarter arc on a turn, halfway from the corner to the cell
  // diagonal on a diagonal half; a wide curve's arc has two, one in each of its end cells,
  // an eighth of the way round from its end.
  std::vector<std::pair<double, double>> CentreLinePoints(const GridTile& t) const;
  // Distance from a point to the piece's road surface (0 inside it): the whole tile for a
  // straight, the quarter disc around the turn's inner corner for a turn, the ring, the
  // narrowed road or the half cell within the cell for the shaped pieces.
  double DistanceToRoad(const GridTile& t, double x, double y) const;
};

// Follows the loop from the first tile, leaving it on its side `out`, until it returns.
// On failure returns nothing and says why (an edge with no road beyond it, a piece that
// does not open toward the piece it comes from, a piece off the loop).
std::optional<std::vector<LoopTile>> TraceLoop(const std::vector<GridTile>& tiles, size_t first,
                                               Side out, const GridFrame& frame,
                                               std::string& problem);

// The pieces a closed path of centre-line points runs through, for a course stored without
// road parts (the menus' demo course): the grid step is the longest step between points
// (two straights in a row), each point names its piece, and its neighbours give the edges
// the piece opens. Fills frame with the grid's placement; empty when the path does not
// step from piece to neighbouring piece.
std::vector<GridTile> RoadFromPath(const std::vector<std::pair<double, double>>& points,
                                   GridFrame& frame);
