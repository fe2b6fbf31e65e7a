// The track description and its compiler: what the compiler derives from a road grid, and
// what it refuses.
#include "tools/trackc/lib/TrackCompiler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "engine/graphics/PictureTable.h"
#include "race/Course.h"
#include "race/Landscape.h"
#include "race/RoadShape.h"
#include "race/TrackFile.h"
#include "tools/trackc/lib/Obstacles.h"
#include "tools/trackc/lib/TrackCheck.h"
#include "tools/trackc/lib/TrackSource.h"
#include "tools/trackc/lib/TrackStats.h"
#include "tools/trackc/lib/TrackView.h"

namespace {

namespace kind = track_kind;

std::vector<TrackRecord> Compile(const std::string& text) {
  return CompileTrack(ParseTrackSource(text));
}

std::vector<TrackRecord> OfKind(const std::vector<TrackRecord>& records, int32_t k) {
  std::vector<TrackRecord> out;
  std::copy_if(records.begin(), records.end(), std::back_inserter(out),
               [k](const TrackRecord& r) { return r.Kind == k; });
  return out;
}

std::string ErrorOf(const std::string& text) {
  try {
    Compile(text);
  } catch (const TrackSourceError& e) {
    return e.what();
  }
  return "";
}

// A 6 x 4 loop whose start straight runs the way the arrow says.
struct StartCase {
  const char* Grid;
  int Heading;    // degrees: 0 east, 90 south
  int LineAngle;  // the finish line: 90 stands across an east-west road
};

const StartCase kStarts[] = {
    {"r----7\n|....|\n|....|\nL->--J\n", 0, 90},
    {"r----7\n|....|\n|....|\nL--<-J\n", 180, 90},
    {"r----7\n^....|\n|....|\nL----J\n", -90, 0},
    {"r----7\n|....|\n|....v\nL----J\n", 90, 0},
};

}  // namespace

TEST(TrackCompiler, DerivesPathLinesAndGridFromTheRoad) {
  for (const StartCase& c : kStarts) {
    SCOPED_TRACE(c.Grid);
    const std::vector<TrackRecord> records =
        Compile(std::string("seed 5\nroad\n") + c.Grid + "end\nscatter 12 30 tree rock\n");
    EXPECT_EQ(CheckTrack(records, {7, std::nullopt}), std::vector<std::string>{});
    const TrackView view = ViewTrack(records);
    const RaceCourse& course = view.Course;
    const int n = course.PointCount;
    ASSERT_EQ(n, 17);  // a point a piece but the start piece, and two closing the lap
    EXPECT_EQ(OfKind(records, 1).size() + OfKind(records, 2).size() + OfKind(records, 11).size() +
                  OfKind(records, 12).size() + OfKind(records, 13).size() +
                  OfKind(records, 14).size(),
              16u);

    // Checkpoints 1..K in lap order: 1 on the first point, K on the last.
    std::vector<int32_t> checkpoints;
    for (int i = 1; i <= n; ++i) {
      if (course.Points[i].Checkpoint) checkpoints.push_back(course.Points[i].Checkpoint);
      if (i == n) continue;  // the closing step, below
      const PathPoint& a = course.Points[i];
      const PathPoint& b = course.Points[i + 1];
      const double step = std::hypot(b.X - a.X, b.Y - a.Y);
      EXPECT_GE(step, 150);
      EXPECT_LE(step, 300);
    }
    ASSERT_GE(checkpoints.size(), 4u);
    for (size_t i = 0; i < checkpoints.size(); ++i) EXPECT_EQ(checkpoints[i], int32_t(i + 1));
    EXPECT_EQ(course.Points[1].Checkpoint, 1);
    EXPECT_EQ(course.Points[n].Checkpoint, static_cast<int32_t>(checkpoints.size()));

    // The finish line stands across the start straight; the lap wraps where it counts a lap,
    // the last point just before that spot and the first just after it.
    const std::vector<TrackRecord> finish = OfKind(records, kind::FinishLine);
    const std::vector<TrackRecord> paint = OfKind(records, kind::StartLine);
    ASSERT_EQ(finish.size(), 1u);
    ASSERT_EQ(paint.size(), 1u);
    EXPECT_EQ(finish[0].A, c.LineAngle);
    EXPECT_EQ(paint[0].A, c.LineAngle);
    const double lineX = finish[0].X + 128, lineY = finish[0].Y;
    EXPECT_EQ(paint[0].X, lineX);
    EXPECT_EQ(paint[0].Y, lineY);
    const double fx = std::cos(c.Heading * M_PI / 180), fy = std::sin(c.Heading * M_PI / 180);
    auto ahead = [&](double x, double y) { return (x - lineX) * fx + (y - lineY) * fy; };
    EXPECT_NEAR(ahead(course.Points[n].X, course.Points[n].Y), -LapPointBehindLine() - 2, 1);
    EXPECT_NEAR(ahead(course.Points[1].X, course.Points[1].Y), -LapPointBehindLine() + 2, 1);

    // Eight slots behind it, slot 1 in front, all heading along the road.
    double previous = 0;
    for (int slot = 1; slot <= kRaceStartSlots; ++slot) {
      ASSERT_TRUE(view.SlotGiven[static_cast<size_t>(slot)]) << slot;
      const StartSlot& s = course.Slots[static_cast<size_t>(slot)];
      EXPECT_EQ(s.Angle, c.Heading);
      const double a = ahead(s.X, s.Y);
      EXPECT_LT(a, 0) << slot;
      EXPECT_LT(a, previous) << slot;
      previous = a;
    }
    EXPECT_FALSE(view.SlotGiven[9]);

    // Check lines 0..L-1, each on a piece, in lap order after the finish.
    ASSERT_GE(view.CheckLines.size(), 3u);
    int lastPosition = 1;
    for (int32_t index = 0; index < static_cast<int32_t>(view.CheckLines.size()); ++index) {
      const auto line = std::find_if(view.CheckLines.begin(), view.CheckLines.end(),
                                     [index](const TrackRecord& r) { return r.B == index; });
      ASSERT_NE(line, view.CheckLines.end());
      EXPECT_EQ((line->X - 128) % 256, 0);
      EXPECT_EQ((line->Y - 128) % 256, 0);
      int position = 1;
      for (int i = 1; i <= n; ++i) {
        if (std::hypot(course.Points[i].X - line->X, course.Points[i].Y - line->Y) <
            std::hypot(course.Points[position].X - line->X, course.Points[position].Y - line->Y)) {
          position = i;
        }
      }
      EXPECT_GT(position, lastPosition);
      lastPosition = position;
    }

    // Scenery stands off the road.
    for (const TrackRecord& r : view.Obstacles) {
      EXPECT_GT(GapToRoad(ObstacleFootprint(r.B, r.X, r.Y), view.Road, view.Frame), 0);
    }
  }
}

TEST(TrackCompiler, TheSeedAloneDecidesTheScatter) {
  const std::string grid = "road\nr--7\n|..|\nL->J\nend\nscatter 10 20 tree fir\nflowers 4\n";
  EXPECT_EQ(EncodeTrackRecords(Compile("seed 1\n" + grid)),
            EncodeTrackRecords(Compile("seed 1\n" + grid)));
  EXPECT_NE(EncodeTrackRecords(Compile("seed 1\n" + grid)),
            EncodeTrackRecords(Compile("seed 2\n" + grid)));
  EXPECT_EQ(OfKind(Compile("seed 1\n" + grid), kind::Obstacle).size(), 10u);
}

// The landscape line becomes one record (a meadow without it); ponds lie off the road and
// clear of the scenery, and adding them moves nothing else the seed placed.
TEST(TrackCompiler, NamesTheLandscapeAndPutsPondsBesideTheRoad) {
  const std::string grid =
      "seed 4\nroad\n.......\n.r---7.\n.|...|.\n.|...|.\n.L->-J.\n.......\nend\n"
      "scatter 12 20 tree rock\nflowers 4\n";
  const struct {
    const char* Line;
    Landscape Expected;
  } cases[] = {{"", Landscape::Meadow},
               {"landscape meadow\n", Landscape::Meadow},
               {"landscape autumn\n", Landscape::Autumn},
               {"landscape coast\n", Landscape::Coast},
               {"landscape winter\n", Landscape::Winter}};
  for (const auto& c : cases) {
    const std::vector<TrackRecord> records = Compile(c.Line + grid);
    EXPECT_EQ(OfKind(records, kind::LandscapeChoice).size(), 1u) << c.Line;
    EXPECT_EQ(TrackLandscape(records), c.Expected) << c.Line;
  }
  const std::vector<TrackRecord> dry = Compile(grid);
  const std::vector<TrackRecord> wet = Compile(grid + "water 3\n");
  const std::vector<TrackRecord> ponds = OfKind(wet, kind::Water);
  EXPECT_EQ(ponds.size(), 3u);
  std::vector<TrackRecord> drained;
  std::copy_if(wet.begin(), wet.end(), std::back_inserter(drained),
               [](const TrackRecord& r) { return r.Kind != kind::Water; });
  EXPECT_EQ(EncodeTrackRecords(drained), EncodeTrackRecords(dry));
  const TrackView view = ViewTrack(wet);
  for (const TrackRecord& p : ponds) {
    Footprint pond;
    pond.X = p.X;
    pond.Y = p.Y;
    pond.HalfWidth = FindPictureEntry("water")->TileWidth / 2.0;
    pond.HalfHeight = FindPictureEntry("water")->TileHeight / 2.0;
    EXPECT_GE(GapToRoad(pond, view.Road, view.Frame), 40) << p.X << "," << p.Y;
    for (const TrackRecord& o : view.Obstacles) {
      EXPECT_FALSE(Overlap(pond, ObstacleFootprint(o.B, o.X, o.Y), 0)) << p.X << "," << p.Y;
    }
  }
}

TEST(TrackCompiler, TheDemoCourseHasOnlyItsPathAndFourSlotsInScreenPixels) {
  const std::vector<TrackRecord> records =
      Compile("demo\ntile 192\norigin 16 24\nroad\nr->7\n|..|\nL--J\nend\nscatter 5 20 tree\n");
  for (const TrackRecord& r : records) {
    EXPECT_TRUE(r.Kind == kind::PathPoint || r.Kind == kind::StartSlot) << r.Kind;
  }
  EXPECT_EQ(OfKind(records, kind::StartSlot).size(), 4u);
  EXPECT_EQ(CheckTrack(records, {3, std::nullopt}), std::vector<std::string>{});
  // The road the path runs on is found again from the path alone.
  std::vector<std::pair<double, double>> path;
  for (const TrackRecord& r : OfKind(records, kind::PathPoint)) path.push_back({r.X, r.Y});
  GridFrame frame;
  const std::vector<GridTile> road = RoadFromPath(path, frame);
  ASSERT_EQ(road.size(), 10u);
  EXPECT_DOUBLE_EQ(frame.Size, 192);
  EXPECT_NEAR(frame.OriginX, 16, 0.5);
  EXPECT_NEAR(frame.OriginY, 24, 0.5);
  const std::vector<std::pair<std::pair<int, int>, int32_t>> expected = {
      {{0, 0}, 14}, {{1, 0}, 1}, {{2, 0}, 1}, {{3, 0}, 13}, {{3, 1}, 2},
      {{3, 2}, 12}, {{2, 2}, 1}, {{1, 2}, 1}, {{0, 2}, 11}, {{0, 1}, 2}};
  for (const auto& e : expected) {
    EXPECT_TRUE(std::any_of(road.begin(), road.end(),
                            [&](const GridTile& t) {
                              return t.Column == e.first.first && t.Row == e.first.second &&
                                     t.Kind == e.second;
                            }))
        << e.first.first << "," << e.first.second;
  }
}

TEST(TrackCompiler, RefusesDescriptionsThatCannotMakeACourse) {
  const struct {
    const char* Text;
    const char* Problem;
  } cases[] = {
      {"road\nr->7\n|..|\nL--.\nend\n", "open loop"},
      {"road\nr->7\n|..|\nL-|J\nend\n", "open loop"},
      {"road\nr--7\n|..|\nL--J\nend\n", "exactly one start arrow"},
      {"road\nr>>7\n|..|\nL--J\nend\n", "exactly one start arrow"},
      {"road\nr>-7\n|..|\nL--J\nend\n", "must be a straight"},
      {"road\nr->7\n|..|\nL--J\nend\nwall 1 1 north 10\n", "is not road"},
      {"road\nr->7\n|..|\nL--J\nend\nplace house 1 0 0 0\n", "line 6: the obstacle"},
      {"road\nr->7\n|..|\nL-xJ\nend\n", "line 4: unknown grid character 'x'"},
      {"tile 128\nroad\nr->7\n|..|\nL--J\nend\n", "tile must be 256"},
      {"road\nr->7\n|..|\nL--J\n", "no \"end\""},
      {"seed 3\n", "no road grid"},
      {"road\nr->7\nL--J\nend\nplace bush 1 1 0 0\n", "line 5: unknown obstacle \"bush\""},
      {"tile big\n", "line 1: \"big\" is not a number"},
      {"speed 3\n", "line 1: unknown word \"speed\""},
      {"road\nr->7\n|..|\nL--J\nend\nwall 1 0 up 4\n", "\"up\" is not a side"},
      {"landscape jungle\n", "line 1: \"jungle\" is not a landscape"},
      {"landscape\n", "line 1: expected \"landscape NAME\""},
      {"water 21\n", "line 1: \"21\" is not a number in 0..20"},
      {"road\nr->-aa\n|...a.\nL----J\nend\n", "needs a 2 x 2 block"},
      {"road\nr->7\n|..=\nL--J\nend\n", "does not open to the north"},
      {"road\nr->7\n|..~\nL$-J\nend\n", "does not open to the north"},
      // Diagonal halves that do not open toward each other: the corner named is the wrong
      // one, or a straight meets the half's cut side.
      {"road\nr->-7\n|...|\nfe..|\n.f--J\nend\n", "does not open to the south"},
      {"road\nr->-7\n|...|\nfh..|\n.e--J\nend\n", "does not open to the east"},
  };
  for (const auto& c : cases) {
    EXPECT_NE(ErrorOf(c.Text).find(c.Problem), std::string::npos)
        << c.Text << "\ngave: " << ErrorOf(c.Text);
  }
}

// Wide curves and narrowings: each wide curve's four cells become one record each with the
// curve and cell in A, the inner cell beside the loop; the path keeps to the road and steps
// evenly round the curves; every check line and start slot lands on the road itself.
TEST(TrackCompiler, ShapedPiecesMakeAFairCourse) {
  const char* text =
      "road\n"
      ".aa-=-->--bb\n"
      ".aa.......bb\n"
      ".:.........|\n"
      ".dd.......cc\n"
      ".dd-------cc\n"
      "end\n";
  const std::vector<TrackRecord> records = Compile(text);
  int wide = 0, narrow = 0;
  for (const TrackRecord& r : records) {
    if (r.Kind == 3) {
      ++wide;
      EXPECT_TRUE(r.A >= 0 && r.A < 16) << r.A;
    }
    if (r.Kind == 4) ++narrow;
  }
  EXPECT_EQ(wide, 16);
  EXPECT_EQ(narrow, 2);
  const TrackView view = ViewTrack(records);
  std::string problem;
  const auto loop = view.Loop(problem);
  ASSERT_TRUE(loop) << problem;
  EXPECT_EQ(loop->size(), view.Road.size() - 4) << "every cell but the inner ones is on the loop";
  EXPECT_EQ(CheckTrack(records, {7, std::nullopt}), std::vector<std::string>{});
  const TrackStats stats = MeasureTrack(records);
  EXPECT_EQ(stats.Turns, 4);
  EXPECT_EQ(stats.WideTurns, 4);
  EXPECT_EQ(stats.Pieces.at("wide-curve"), 4);
  EXPECT_EQ(stats.Pieces.at("narrowing"), 2);
  // Off the ring: the grass at a wide curve's corner is no road.
  const GridTile& inner = *std::find_if(view.Road.begin(), view.Road.end(), [](const GridTile& t) {
    Side a, b;
    return !OpenSides(t, a, b);
  });
  double cx = 0, cy = 0;
  WideCurveCentre(inner.Variant, cx, cy);
  EXPECT_GT(
      view.Frame.DistanceToRoad(inner, view.Frame.Left(inner) + cx, view.Frame.Top(inner) + cy),
      200);
}

namespace {

// A loop whose bottom-left corner is cut by a diagonal of three halves (a straight onto it
// at a 45-degree bend, off it at another) and whose bottom straight has a chicane.
const char* kDiagonalCourse =
    "road\n"
    "r->----7\n"
    "|......|\n"
    "|......|\n"
    "fh.....|\n"
    ".f-~---J\n"
    "end\n";

}  // namespace

// Diagonal halves and chicanes: one record a cell with the variant in A; the path runs down
// the diagonal's centre line, a diagonal step apart, and the course is sound; the stats count
// the two bends onto and off the diagonal and not its halves as turns.
TEST(TrackCompiler, DiagonalsAndChicanesMakeAFairCourse) {
  const std::vector<TrackRecord> records = Compile(kDiagonalCourse);
  EXPECT_EQ(OfKind(records, road_piece::Diagonal).size(), 3u);
  EXPECT_EQ(OfKind(records, road_piece::Chicane).size(), 1u);
  EXPECT_EQ(CheckTrack(records, {7, std::nullopt}), std::vector<std::string>{});
  const TrackView view = ViewTrack(records);
  std::vector<const PathPoint*> onDiagonal;
  for (int i = 1; i <= view.Course.PointCount; ++i) {
    const PathPoint& p = view.Course.Points[static_cast<size_t>(i)];
    for (const GridTile& t : view.Road) {
      const double x = p.X - view.Frame.Left(t), y = p.Y - view.Frame.Top(t);
      if (t.Kind != road_piece::Diagonal || x < 0 || y < 0 || x > 256 || y > 256) continue;
      onDiagonal.push_back(&p);
      // Halfway across: as far from the cell diagonal as from the road's other edge.
      EXPECT_NEAR(ShapedRoadDistance(t.Kind, t.Variant, x, y), -kDiagonalRoad / 2, 1) << i;
    }
  }
  ASSERT_EQ(onDiagonal.size(), 3u);
  for (size_t i = 0; i + 1 < onDiagonal.size(); ++i) {
    EXPECT_NEAR(std::hypot(onDiagonal[i + 1]->X - onDiagonal[i]->X,
                           onDiagonal[i + 1]->Y - onDiagonal[i]->Y),
                kDiagonalRoad, 1);
  }
  const TrackStats stats = MeasureTrack(records);
  EXPECT_EQ(stats.Turns, 3);
  EXPECT_EQ(stats.Bends, 2);
  EXPECT_EQ(stats.Pieces.at("diagonal"), 3);
  EXPECT_EQ(stats.Pieces.at("chicane"), 1);
}

// The check refuses a compiled course broken at a diagonal: a half turned to the wrong
// corner, or a check line centred on a half, whose centre is on the road's edge.
TEST(TrackCompiler, CheckRefusesACourseBrokenAtADiagonal) {
  const std::vector<TrackRecord> sound = Compile(kDiagonalCourse);
  const auto diagonalAt = [](const TrackRecord& r, int x, int y) {
    return r.Kind == road_piece::Diagonal && r.X == x && r.Y == y;
  };
  const struct {
    const char* What;
    std::function<void(std::vector<TrackRecord>&)> Break;
    const char* Problem;
  } cases[] = {
      {"the middle half holds the bottom-right corner",
       [&](std::vector<TrackRecord>& records) {
         for (TrackRecord& r : records) {
           if (diagonalAt(r, 256, 768)) r.A = 2;
         }
       },
       "open loop"},
      {"a check line on a half's centre",
       [](std::vector<TrackRecord>& records) {
         TrackRecord& line =
             *std::find_if(records.begin(), records.end(),
                           [](const TrackRecord& r) { return r.Kind == kind::CheckLine; });
         line.X = 256 + 128, line.Y = 768 + 128;
       },
       "on its edge"},
  };
  for (const auto& c : cases) {
    std::vector<TrackRecord> records = sound;
    c.Break(records);
    const std::vector<std::string> problems = CheckTrack(records, {7, std::nullopt});
    EXPECT_TRUE(std::any_of(problems.begin(), problems.end(), [&](const std::string& p) {
      return p.find(c.Problem) != p.npos;
    })) << c.What;
  }
}
