#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "race/Landscape.h"
#include "tools/trackc/lib/RoadLayout.h"

// The readable description of a course (assets/tracks/*.track), line by line:
//
//   # a comment                 blank lines and comments are skipped
//   tile 256                    grid step in pixels (the race's road pieces need 256)
//   origin X Y                  pixel position of the grid's top-left corner
//   demo                        the menus' course: path points and start slots 1..4 only
//   landscape NAME              meadow (without this line), autumn, coast or winter: the
//                               look of the ground, road edges and scenery
//   seed N                      the seed of every random choice (scatter, tree kinds)
//   road                        the road grid, one character per tile, up to "end":
//     - |                       straights (east-west, north-south)
//     r 7 L J                   quarter turns shaped like the letters: r joins east and
//                               south, 7 west and south, L east and north, J west and north
//     > < ^ v                   the start straight, driven the way the arrow points
//     a b c d                   wide curves, each a 2 x 2 block of its letter: a quarter turn
//                               around the block's corner, a like r, b like 7, c like J, d
//                               like L
//     = :                       narrowings (east-west, north-south): the road closes in
//                               toward the cell's middle
//     ~ $                       chicanes (east-west, north-south): the road narrows and
//                               swings to one side and back within the cell
//     e f g h                   halves of a 45-degree diagonal, the triangle holding the
//                               top-left, top-right, bottom-right or bottom-left corner; each
//                               opens the two edges at its corner, so a staircase of halves
//                               each opening to the next (e, g above it, e right of that g...)
//                               runs at 45 degrees; a straight meets one at a 45-degree bend
//     . or space                grass; T tree, F fir, H house, R rock, A arch on grass
//   end
//   place NAME C R DX DY        an obstacle at tile (C, R)'s centre moved by (DX, DY)
//   wall C R SIDE GAP           a wall along that side of road tile (C, R), GAP pixels out
//   scatter COUNT GAP NAME...   COUNT obstacles of the named kinds on the grass, at least
//                               GAP pixels from the road, placed by the seed
//   flowers COUNT               flower beds on the grass, placed by the seed
//   water COUNT                 ponds on the grass (off the road for the cars), placed by
//                               the seed after everything else
//
// Obstacle names: tree (a random one of tree1..tree4), tree1..tree4, house, fir (elka1 or
// elka2), elka1, elka2, rock, arch, tyres. Each landscape draws them in its own way (autumn
// trees, palms, snowy firs...).

class TrackSourceError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Obstacle types as the track file numbers them; a "random" name picks from a range.
struct ObstacleKind {
  int32_t FirstType = 0;
  int32_t LastType = 0;
};

struct ObstaclePlacement {
  ObstacleKind Kind;
  int Column = 0;
  int Row = 0;
  double Dx = 0;
  double Dy = 0;
  int Line = 0;
};

struct WallPlacement {
  int Column = 0;
  int Row = 0;
  Side Along = Side::North;
  double Gap = 0;
  int Line = 0;
};

struct ScatterSpec {
  int Count = 0;
  double Gap = 0;
  std::vector<ObstacleKind> Kinds;
};

struct TrackSource {
  int TileSize = 256;
  double OriginX = 0;
  double OriginY = 0;
  bool Demo = false;
  Landscape Scenery = Landscape::Meadow;
  uint32_t Seed = 1;
  std::vector<std::string> Grid;
  int GridLine = 0;  // the line of the first grid row, for messages
  std::vector<ObstaclePlacement> Obstacles;
  std::vector<WallPlacement> Walls;
  std::vector<ScatterSpec> Scatters;
  int Flowers = 0;
  int Ponds = 0;
};

// Largest grid and counts a description may ask for.
constexpr int kMaxGridSide = 40;
constexpr int kMaxScatter = 200;
constexpr int kMaxPonds = 20;

// Throws TrackSourceError naming the line and the problem.
TrackSource ParseTrackSource(const std::string& text);
// The obstacle kind of a name; false for an unknown name.
bool ObstacleKindByName(const std::string& name, ObstacleKind& kind);
