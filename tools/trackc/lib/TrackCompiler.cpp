#include "tools/trackc/lib/TrackCompiler.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "engine/graphics/PictureTable.h"
#include "engine/graphics/RoadGrid.h"
#include "race/GameConstants.h"
#include "race/RaceRandom.h"
#include "race/RoadShape.h"
#include "tools/trackc/lib/Obstacles.h"

namespace {

namespace kind = track_kind;

constexpr double kLineFromEdge = 60;    // finish line to the start piece's leading edge
constexpr double kSlotRowStep = 70;     // one car length and a gap
constexpr double kSlotStagger = 35;     // the right-hand column sits half a row back
constexpr double kSlotSideOffset = 56;  // from the centre line
constexpr double kJitter = 20;          // grid-letter scenery moves this far at most
constexpr int kPlacementTries = 120;
constexpr double kFlowerGap = 24;
constexpr double kPondGap =
    40;  // ponds keep this far from the road: a car sliding off still lands on ground
// The last path point and the first lie this far either side of the lap point.
constexpr double kClosingHalf = 2;

struct Grid {
  std::vector<GridTile> Road;
  size_t Start = 0;
  Side StartOut = Side::East;
  std::vector<ObstaclePlacement> Scenery;  // grid letters, at tile centres
  int Columns = 0;
};

bool RoadKind(char c, int32_t& k) {
  switch (c) {
    case '-':
    case '<':
    case '>':
      k = 1;
      return true;
    case '|':
    case '^':
    case 'v':
      k = 2;
      return true;
    case 'L':
      k = 11;
      return true;
    case 'J':
      k = 12;
      return true;
    case '7':
      k = 13;
      return true;
    case 'r':
      k = 14;
      return true;
    default:
      return false;
  }
}

// The wide curves' letters, by the corner they turn around (the quarter turns' tile order):
// a like r, b like 7, c like J, d like L. Each fills a 2 x 2 block of the grid.
int WideCurveTurn(char c) {
  return c >= 'a' && c <= 'd' ? c - 'a' : -1;
}

// The narrowed straights: '=' and ':' narrowings, '~' and '$' chicanes, each east-west
// and north-south.
bool NarrowedStraight(char c, int32_t& kind, int32_t& variant) {
  if (c != '=' && c != ':' && c != '~' && c != '$') return false;
  kind = c == '=' || c == ':' ? road_piece::Narrowing : road_piece::Chicane;
  variant = c == ':' || c == '$' ? 1 : 0;
  return true;
}

// The diagonal halves' letters, by the corner the half holds: e top-left, f top-right,
// g bottom-right, h bottom-left.
int DiagonalLetterCorner(char c) {
  return c >= 'e' && c <= 'h' ? c - 'e' : -1;
}

bool SceneryLetter(char c, ObstacleKind& k) {
  const char* name = c == 'T'   ? "tree"
                     : c == 'F' ? "fir"
                     : c == 'H' ? "house"
                     : c == 'R' ? "rock"
                     : c == 'A' ? "arch"
                                : nullptr;
  return name && ObstacleKindByName(name, k);
}

Grid ReadGrid(const TrackSource& source) {
  Grid grid;
  int starts = 0;
  const auto at = [&](size_t r, size_t c) {
    return r < source.Grid.size() && c < source.Grid[r].size() ? source.Grid[r][c] : ' ';
  };
  std::vector<std::vector<bool>> claimed(source.Grid.size(),
                                         std::vector<bool>(kMaxGridSide + 1, false));
  for (size_t r = 0; r < source.Grid.size(); ++r) {
    const std::string& row = source.Grid[r];
    const int line = source.GridLine + static_cast<int>(r);
    grid.Columns = std::max(grid.Columns, static_cast<int>(row.size()));
    for (size_t c = 0; c < row.size(); ++c) {
      const char ch = row[c];
      const int col = static_cast<int>(c), rowIndex = static_cast<int>(r);
      int32_t k = 0, variant = 0;
      ObstacleKind scenery;
      if (const int turn = WideCurveTurn(ch); turn >= 0) {
        if (claimed[r][c]) continue;
        // The first letter met, reading rows top down, is the block's top-left cell.
        if (at(r, c + 1) != ch || at(r + 1, c) != ch || at(r + 1, c + 1) != ch ||
            claimed[r][c + 1]) {
          throw TrackSourceError("line " + std::to_string(line) + ": the wide curve '" +
                                 std::string(1, ch) + "' needs a 2 x 2 block of its letter");
        }
        for (int cell = 0; cell < 4; ++cell) {
          const size_t cr = r + static_cast<size_t>(cell / 2),
                       cc = c + static_cast<size_t>(cell % 2);
          claimed[cr][cc] = true;
          grid.Road.push_back(
              {static_cast<int>(cc), static_cast<int>(cr), road_piece::WideCurve, turn * 4 + cell});
        }
      } else if (NarrowedStraight(ch, k, variant)) {
        grid.Road.push_back({col, rowIndex, k, variant});
      } else if (const int corner = DiagonalLetterCorner(ch); corner >= 0) {
        grid.Road.push_back({col, rowIndex, road_piece::Diagonal, corner});
      } else if (RoadKind(ch, k)) {
        if (ch == '<' || ch == '>' || ch == '^' || ch == 'v') {
          ++starts;
          grid.Start = grid.Road.size();
          grid.StartOut = ch == '>'   ? Side::East
                          : ch == '<' ? Side::West
                          : ch == '^' ? Side::North
                                      : Side::South;
        }
        grid.Road.push_back({col, rowIndex, k});
      } else if (SceneryLetter(ch, scenery)) {
        grid.Scenery.push_back({scenery, col, rowIndex, 0, 0, line});
      } else if (ch != '.' && ch != ' ') {
        throw TrackSourceError("line " + std::to_string(line) + ": unknown grid character '" +
                               std::string(1, ch) + "'");
      }
    }
  }
  if (starts != 1) {
    throw TrackSourceError("the road grid needs exactly one start arrow (> < ^ v), it has " +
                           std::to_string(starts));
  }
  return grid;
}

int32_t Round(double v) {
  return static_cast<int32_t>(std::lround(v));
}

struct Placed {
  int32_t Type;
  Footprint Shape;
  int Line;
};

class Builder {
 public:
  Builder(const TrackSource& source, const Grid& grid, const std::vector<LoopTile>& loop)
      : source_(source),
        grid_(grid),
        loop_(loop),
        frame_{source.OriginX, source.OriginY, static_cast<double>(source.TileSize)},
        scale_(source.TileSize / static_cast<double>(kRoadTileSize)),
        random_(source.Seed) {}

  std::vector<TrackRecord> Build() {
    PathPoints();
    if (!source_.Demo) {
      records_.push_back({0, 0, kind::LandscapeChoice, static_cast<int32_t>(source_.Scenery), 0});
      for (const GridTile& t : grid_.Road) {
        records_.push_back({Round(frame_.Top(t)), Round(frame_.Left(t)), t.Kind, t.Variant, 0});
      }
      Flowers();
      StartLines();
      Scenery();
      CheckLines();
      Ponds();
    }
    StartSlots();
    return records_;
  }

 private:
  // The lap wraps where the finish line counts it: path point 1 lies just past the lap point
  // on the start piece and the last point just before it, so a car's course total
  // ((lap + 1) · lap length + progress) grows steadily across the line and the ranking holds
  // on both sides. Between them one point per piece, at its centre, in lap order from the
  // piece after the start. The demo course has no finish line: its start piece's centre
  // closes the lap.
  void PathPoints() {
    std::vector<std::pair<double, double>> points;
    double fx, fy, lapX, lapY;
    LapPoint(fx, fy, lapX, lapY);
    if (!source_.Demo) points.emplace_back(lapX + fx * kClosingHalf, lapY + fy * kClosingHalf);
    for (size_t i = 1; i <= loop_.size(); ++i) {
      if (i == loop_.size() && !source_.Demo) break;
      for (const auto& p : frame_.CentreLinePoints(loop_[i % loop_.size()].Tile)) {
        points.push_back(p);
      }
    }
    if (!source_.Demo) points.emplace_back(lapX - fx * kClosingHalf, lapY - fy * kClosingHalf);

    const int n = static_cast<int>(points.size());
    const int pieces = static_cast<int>(loop_.size());
    const int k = std::clamp(pieces / 4, 4, pieces);
    std::vector<int32_t> checkpoint(static_cast<size_t>(n) + 1, 0);
    for (int j = 1; j <= k; ++j) {
      const int index = 1 + static_cast<int>(std::lround((j - 1) * (n - 1.0) / (k - 1)));
      checkpoint[static_cast<size_t>(index)] = j;
    }
    for (int i = 1; i <= n; ++i) {
      const auto [x, y] = points[static_cast<size_t>(i - 1)];
      records_.push_back(
          {Round(y), Round(x), kind::PathPoint, checkpoint[static_cast<size_t>(i)], i});
    }
  }

  // Where a car driving along the start straight first touches the finish line.
  void LapPoint(double& fx, double& fy, double& lapX, double& lapY) const {
    StartFrame(fx, fy, lapX, lapY);
    lapX -= fx * LapPointBehindLine();
    lapY -= fy * LapPointBehindLine();
  }

  // Along the start straight, forward (fx, fy), and the finish line's centre.
  void StartFrame(double& fx, double& fy, double& lineX, double& lineY) const {
    const LoopTile& start = loop_.front();
    fx = StepColumns(start.Out);
    fy = StepRows(start.Out);
    const double s = frame_.Size;
    lineX = frame_.Left(start.Tile) + s / 2 + fx * (s / 2 - kLineFromEdge * scale_);
    lineY = frame_.Top(start.Tile) + s / 2 + fy * (s / 2 - kLineFromEdge * scale_);
  }

  void StartLines() {
    double fx, fy, lineX, lineY;
    StartFrame(fx, fy, lineX, lineY);
    const int32_t angle = fx != 0 ? 90 : 0;  // across the road
    records_.push_back({Round(lineY), Round(lineX), kind::StartLine, angle, 0});
    // The finish line's record gives its left end; it turns about its middle.
    records_.push_back({Round(lineY), Round(lineX - frame_.Size / 2), kind::FinishLine, angle, 0});
  }

  void StartSlots() {
    const LoopTile& before = loop_.back();
    if (before.Tile.Kind != loop_.front().Tile.Kind || before.Out != loop_.front().Out) {
      throw TrackSourceError(
          "the piece before the start arrow must be a straight: the start grid "
          "stands on it");
    }
    double fx, fy, lineX, lineY;
    StartFrame(fx, fy, lineX, lineY);
    const double rightX = -fy, rightY = fx;
    const int32_t heading = Round(std::atan2(fy, fx) * 180 / M_PI);
    const int slots = source_.Demo ? kDemoStartSlots : kRaceStartSlots;
    for (int slot = 1; slot <= slots; ++slot) {
      const int row = (slot - 1) / 2, column = (slot - 1) % 2;
      const double back =
          (kFirstSlotBehindLine + kSlotRowStep * row + kSlotStagger * column) * scale_;
      const double side = (column == 0 ? -kSlotSideOffset : kSlotSideOffset) * scale_;
      const int32_t x = Round(lineX - fx * back + rightX * side);
      const int32_t y = Round(lineY - fy * back + rightY * side);
      if (!source_.Demo) records_.push_back({y, x, kind::InPlace, heading - 90, 0});
      records_.push_back({y, x, kind::StartSlot, heading, slot});
    }
  }

  // L check lines spread over the lap, each the size of a piece and centred on one, so it
  // covers the road however the road runs there. A car put back on the course lands on the
  // line's centre, so a piece whose centre is off the road (a wide curve's outer corner) or
  // on its edge (a diagonal half) passes the line on to the next piece.
  void CheckLines() {
    const int n = static_cast<int>(loop_.size());
    const int lines = std::clamp(n / 6, 3, 8);
    for (int i = 0; i < lines; ++i) {
      size_t at = static_cast<size_t>(std::lround((i + 1.0) * n / (lines + 1)));
      while (!CellCentreOnRoad(loop_[at].Tile.Kind, loop_[at].Tile.Variant)) {
        at = (at + 1) % loop_.size();
      }
      const GridTile& t = loop_[at].Tile;
      records_.push_back({Round(frame_.Top(t) + frame_.Size / 2),
                          Round(frame_.Left(t) + frame_.Size / 2), kind::CheckLine, 0, i});
    }
  }

  int32_t PickType(const ObstacleKind& k) { return random_.Between(k.FirstType, k.LastType); }

  void Add(int32_t type, double x, double y, int line) {
    const Footprint f = ObstacleFootprint(type, x, y);
    const double gap = GapToRoad(f, grid_.Road, frame_);
    if (gap <= 0) {
      throw TrackSourceError("line " + std::to_string(line) + ": the obstacle at (" +
                             std::to_string(Round(x)) + ", " + std::to_string(Round(y)) +
                             ") stands on the road");
    }
    placed_.push_back({type, f, line});
  }

  void Scenery() {
    for (const ObstaclePlacement& p : grid_.Scenery) {
      const int32_t type = PickType(p.Kind);
      GridTile t{p.Column, p.Row, 0};
      const double jx = random_.Between(-100, 100) / 100.0 * kJitter;
      const double jy = random_.Between(-100, 100) / 100.0 * kJitter;
      Add(type, frame_.Left(t) + frame_.Size / 2 + jx, frame_.Top(t) + frame_.Size / 2 + jy,
          p.Line);
    }
    for (const ObstaclePlacement& p : source_.Obstacles) {
      GridTile t{p.Column, p.Row, 0};
      Add(PickType(p.Kind), frame_.Left(t) + frame_.Size / 2 + p.Dx,
          frame_.Top(t) + frame_.Size / 2 + p.Dy, p.Line);
    }
    for (const WallPlacement& w : source_.Walls) Wall(w);
    for (const ScatterSpec& spec : source_.Scatters) Scatter(spec);
    for (const Placed& p : placed_) {
      records_.push_back({Round(p.Shape.Y), Round(p.Shape.X), kind::Obstacle, 0, p.Type});
    }
  }

  void Wall(const WallPlacement& w) {
    const auto road = std::find_if(grid_.Road.begin(), grid_.Road.end(), [&](const GridTile& t) {
      return t.Column == w.Column && t.Row == w.Row;
    });
    if (road == grid_.Road.end()) {
      throw TrackSourceError("line " + std::to_string(w.Line) + ": tile " +
                             std::to_string(w.Column) + ", " + std::to_string(w.Row) +
                             " is not road, so no wall runs along it");
    }
    const bool across = w.Along == Side::North || w.Along == Side::South;
    const int32_t type = across ? 10 : 11;
    const Footprint shape = ObstacleFootprint(type, 0, 0);
    const double half = across ? shape.HalfHeight : shape.HalfWidth;
    const double s = frame_.Size;
    const double out = s / 2 + w.Gap + half;
    Add(type, frame_.Left(*road) + s / 2 + StepColumns(w.Along) * out,
        frame_.Top(*road) + s / 2 + StepRows(w.Along) * out, w.Line);
  }

  // A random spot of the grid's area (one piece beyond it on every side).
  void RandomSpot(double& x, double& y) {
    const double s = frame_.Size;
    const int rows = static_cast<int>(source_.Grid.size());
    x = frame_.OriginX - s / 2 + random_.Between(0, (grid_.Columns + 1) * 64) / 64.0 * s;
    y = frame_.OriginY - s / 2 + random_.Between(0, (rows + 1) * 64) / 64.0 * s;
  }

  bool Free(const Footprint& f) const {
    return std::none_of(placed_.begin(), placed_.end(),
                        [&](const Placed& p) { return Overlap(p.Shape, f, 8); });
  }

  void Scatter(const ScatterSpec& spec) {
    for (int i = 0; i < spec.Count; ++i) {
      const int32_t type = PickType(spec.Kinds[static_cast<size_t>(
          random_.Between(0, static_cast<int>(spec.Kinds.size()) - 1))]);
      for (int attempt = 0; attempt < kPlacementTries; ++attempt) {
        double x, y;
        RandomSpot(x, y);
        const Footprint f = ObstacleFootprint(type, x, y);
        if (GapToRoad(f, grid_.Road, frame_) >= std::max(spec.Gap, 1.0) && Free(f)) {
          placed_.push_back({type, f, 0});
          break;
        }
      }
    }
  }

  void Flowers() {
    for (int i = 0; i < source_.Flowers; ++i) {
      const int32_t k = kind::Flowers + random_.Between(0, 2);
      for (int attempt = 0; attempt < kPlacementTries; ++attempt) {
        double x, y;
        RandomSpot(x, y);
        Footprint f;
        f.X = x;
        f.Y = y;
        f.HalfWidth = f.HalfHeight = 32;
        f.Round = true;
        if (GapToRoad(f, grid_.Road, frame_) >= kFlowerGap) {
          records_.push_back({Round(y), Round(x), k, 0, 0});
          break;
        }
      }
    }
  }

  // Ponds go last, so adding them leaves every other placement of the seed as it was.
  void Ponds() {
    const PictureEntry& water = *FindPictureEntry("water");
    for (int i = 0; i < source_.Ponds; ++i) {
      for (int attempt = 0; attempt < kPlacementTries; ++attempt) {
        Footprint f;
        RandomSpot(f.X, f.Y);
        f.HalfWidth = water.TileWidth / 2.0;
        f.HalfHeight = water.TileHeight / 2.0;
        if (GapToRoad(f, grid_.Road, frame_) >= kPondGap && Free(f)) {
          placed_.push_back({0, f, 0});
          records_.push_back({Round(f.Y), Round(f.X), kind::Water, 0, 0});
          break;
        }
      }
    }
  }

  const TrackSource& source_;
  const Grid& grid_;
  const std::vector<LoopTile>& loop_;
  GridFrame frame_;
  double scale_;
  RaceRandom random_;
  std::vector<Placed> placed_;
  std::vector<TrackRecord> records_;
};

}  // namespace

std::vector<TrackRecord> CompileTrack(const TrackSource& source) {
  if (!source.Demo && source.TileSize != kRoadTileSize) {
    throw TrackSourceError("a race track's tile must be " + std::to_string(kRoadTileSize) +
                           ", the size of the road pictures");
  }
  const Grid grid = ReadGrid(source);
  const GridFrame frame{source.OriginX, source.OriginY, static_cast<double>(source.TileSize)};
  std::string problem;
  const auto loop = TraceLoop(grid.Road, grid.Start, grid.StartOut, frame, problem);
  if (!loop) throw TrackSourceError(problem);
  if (loop->size() < 4) throw TrackSourceError("the loop needs at least four pieces");
  return Builder(source, grid, *loop).Build();
}

double LapPointBehindLine() {
  return FindPictureEntry("fline")->TileHeight / 2.0 + FindPictureEntry("car1")->TileHeight / 2.0 -
         race::kCarShapeInset;
}
