#include "tools/trackc/lib/TrackCheck.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/graphics/PictureTable.h"
#include "race/GameConstants.h"
#include "race/RoadShape.h"
#include "tools/trackc/lib/Obstacles.h"
#include "tools/trackc/lib/TrackCompiler.h"
#include "tools/trackc/lib/TrackView.h"

namespace {

constexpr double kMinPointStep = 150;
constexpr double kMaxPointStep = 300;
constexpr int kMinCheckpoints = 4;
constexpr int kMinCheckLines = 3;
// How far a lap (the whole loop) may be from the catalogue's length text.
constexpr double kLengthTolerance = 0.02;
constexpr double kSlack = 2;         // pixels of rounding allowed where positions must match
constexpr double kClosingReach = 4;  // the last and first path points from the lap point

std::string At(double x, double y) {
  return "(" + std::to_string(std::lround(x)) + ", " + std::to_string(std::lround(y)) + ")";
}

class Checker {
 public:
  Checker(const TrackView& view, const TrackCheckOptions& options)
      : view_(view), options_(options), n_(view.Course.PointCount) {}

  std::vector<std::string> Run() {
    Slots();
    Path();
    if (options_.Length) Length(*options_.Length);
    if (view_.Road.empty() && view_.GridProblem.empty()) return problems_;  // the demo course
    std::string problem;
    if (!view_.Loop(problem)) problems_.push_back(problem);
    OnRoad();
    Checkpoints();
    CheckLines();
    Finish();
    Obstacles();
    return problems_;
  }

 private:
  const PathPoint& Point(int i) const { return view_.Course.Points[static_cast<size_t>(i)]; }

  double NearestRoad(double x, double y) const {
    double best = std::numeric_limits<double>::infinity();
    for (const GridTile& t : view_.Road) best = std::min(best, view_.Frame.DistanceToRoad(t, x, y));
    return best;
  }

  void Slots() {
    const int needed = options_.Opponents + 1;
    int given = 0;
    while (given < race::kStartSlotCount && view_.SlotGiven[static_cast<size_t>(given + 1)])
      ++given;
    if (given < needed) {
      problems_.push_back("too few start slots: slots 1.." + std::to_string(given) + " for " +
                          std::to_string(options_.Opponents) + " opponents and the player (needs " +
                          std::to_string(needed) + ")");
    }
  }

  void Path() {
    if (n_ < 3) {
      problems_.push_back("the path has " + std::to_string(n_) + " points; a loop needs 3");
      return;
    }
    for (int i = 1; i <= n_; ++i) {
      if (Point(i).Order != i) {
        problems_.push_back("path order numbers are not 1.." + std::to_string(n_) + " (point " +
                            std::to_string(i) + " of the lap has " +
                            std::to_string(Point(i).Order) + ")");
        break;
      }
    }
    // The closing step, from the last point to the first, is the finish rule's (Finish).
    for (int i = 1; i < n_; ++i) {
      const PathPoint& a = Point(i);
      const PathPoint& b = Point(i + 1);
      const double step = std::hypot(b.X - a.X, b.Y - a.Y);
      if (step < kMinPointStep || step > kMaxPointStep) {
        problems_.push_back("path points " + std::to_string(i) + " and " + std::to_string(i + 1) +
                            " are " + std::to_string(std::lround(step)) +
                            " pixels apart (150..300)");
      }
    }
  }

  void Length(double text) {
    const double lap = view_.Course.LapLength();
    if (std::fabs(lap - text) > text * kLengthTolerance) {
      char buffer[160];
      std::snprintf(buffer, sizeof buffer, "lap length %.1f is not within 2 %% of %.1f", lap, text);
      problems_.emplace_back(buffer);
    }
  }

  void OnRoad() {
    for (int i = 1; i <= n_; ++i) {
      if (NearestRoad(Point(i).X, Point(i).Y) > 0) {
        problems_.push_back("path point " + std::to_string(i) + " at " +
                            At(Point(i).X, Point(i).Y) + " is off the road");
      }
    }
    for (int s = 1; s <= race::kStartSlotCount; ++s) {
      const StartSlot& slot = view_.Course.Slots[static_cast<size_t>(s)];
      if (view_.SlotGiven[static_cast<size_t>(s)] && NearestRoad(slot.X, slot.Y) > 0) {
        problems_.push_back("start slot " + std::to_string(s) + " at " + At(slot.X, slot.Y) +
                            " is off the road");
      }
    }
  }

  void Checkpoints() {
    int expected = 1;
    int last = 0;
    for (int i = 1; i <= n_; ++i) {
      const int32_t c = Point(i).Checkpoint;
      if (c == 0) continue;
      if (c != expected) {
        problems_.push_back("checkpoint " + std::to_string(c) + " at path point " +
                            std::to_string(i) + " is out of lap order (expected " +
                            std::to_string(expected) + ")");
        return;
      }
      ++expected;
      last = i;
    }
    const int k = expected - 1;
    if (k < kMinCheckpoints) {
      problems_.push_back("only " + std::to_string(k) + " checkpoints (at least 4)");
      return;
    }
    if (Point(1).Checkpoint != 1) problems_.push_back("path point 1 is not checkpoint 1");
    if (last != n_) {
      problems_.push_back("checkpoint " + std::to_string(k) + " is not on the last path point");
    }
  }

  // The lap position of a spot: the index of the nearest path point.
  int LapPosition(double x, double y) const {
    int best = 1;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (int i = 1; i <= n_; ++i) {
      const double d = std::hypot(Point(i).X - x, Point(i).Y - y);
      if (d < bestDistance) bestDistance = d, best = i;
    }
    return best;
  }

  void CheckLines() {
    const int count = static_cast<int>(view_.CheckLines.size());
    if (count < kMinCheckLines) {
      problems_.push_back("only " + std::to_string(count) + " check lines (at least 3)");
    }
    std::vector<const TrackRecord*> byIndex(static_cast<size_t>(count), nullptr);
    for (const TrackRecord& r : view_.CheckLines) {
      if (r.B < 0 || r.B >= count || byIndex[static_cast<size_t>(r.B)]) {
        problems_.push_back("check line indices are not 0.." + std::to_string(count - 1) +
                            " once each (index " + std::to_string(r.B) + ")");
        return;
      }
      byIndex[static_cast<size_t>(r.B)] = &r;
      const auto piece = std::find_if(view_.Road.begin(), view_.Road.end(), [&](const GridTile& t) {
        const double cx = view_.Frame.Left(t) + view_.Frame.Size / 2;
        const double cy = view_.Frame.Top(t) + view_.Frame.Size / 2;
        return std::fabs(cx - r.X) <= kSlack && std::fabs(cy - r.Y) <= kSlack;
      });
      if (piece == view_.Road.end()) {
        problems_.push_back("check line " + std::to_string(r.B) + " at " + At(r.X, r.Y) +
                            " is not centred on a road piece, so it does not cover the road");
      } else if (!CellCentreOnRoad(piece->Kind, piece->Variant)) {
        problems_.push_back(
            "check line " + std::to_string(r.B) + " at " + At(r.X, r.Y) +
            " is centred off the road or on its edge, where a car put back there would "
            "land");
      }
    }
    for (int i = 0; i + 1 < count; ++i) {
      const TrackRecord& a = *byIndex[static_cast<size_t>(i)];
      const TrackRecord& b = *byIndex[static_cast<size_t>(i + 1)];
      if (LapPosition(a.X, a.Y) >= LapPosition(b.X, b.Y)) {
        problems_.push_back("check lines out of lap order: line " + std::to_string(i + 1) +
                            " comes before line " + std::to_string(i));
      }
    }
  }

  void Finish() {
    if (view_.FinishLines.size() != 1) {
      problems_.push_back("the track has " + std::to_string(view_.FinishLines.size()) +
                          " finish lines (needs 1)");
      return;
    }
    const TrackRecord& f = view_.FinishLines.front();
    const double half = FindPictureEntry("fline")->TileWidth / 2.0;
    const double cx = f.X + half, cy = f.Y;
    const bool across = ((f.A % 180) + 180) % 180 == 90;  // a vertical line
    const bool along = ((f.A % 180) + 180) % 180 == 0;
    const auto piece = std::find_if(view_.Road.begin(), view_.Road.end(), [&](const GridTile& t) {
      const double left = view_.Frame.Left(t), top = view_.Frame.Top(t), s = view_.Frame.Size;
      if ((t.Kind != 1 && t.Kind != 2) || cx < left || cx > left + s || cy < top || cy > top + s)
        return false;
      const bool horizontalRoad = t.Kind == 1;
      if (horizontalRoad) return across && std::fabs(cy - (top + s / 2)) <= kSlack;
      return along && std::fabs(cx - (left + s / 2)) <= kSlack;
    });
    if (piece == view_.Road.end()) {
      problems_.push_back("the finish line at " + At(cx, cy) +
                          " does not span a straight piece of road");
      return;
    }
    const bool painted =
        std::any_of(view_.StartLines.begin(), view_.StartLines.end(), [&](const TrackRecord& s) {
          return std::fabs(s.X - cx) <= kSlack && std::fabs(s.Y - cy) <= kSlack &&
                 (s.A - f.A) % 180 == 0;
        });
    if (!painted) problems_.push_back("no painted start line under the finish line");
    if (n_ < 3) return;
    // Forward along the road: from the last path point toward the first.
    const bool horizontalRoad = piece->Kind == 1;
    const double fx = horizontalRoad ? (Point(1).X > Point(n_).X ? 1 : -1) : 0;
    const double fy = horizontalRoad ? 0 : (Point(1).Y > Point(n_).Y ? 1 : -1);
    // A car's lap is counted where its box first touches the line; its progress wraps
    // halfway between the last path point and the first. Where the two disagree, a car
    // counts a lap more (or less) than the cars beside it and the places shown are wrong.
    const double lapX = cx - fx * LapPointBehindLine(), lapY = cy - fy * LapPointBehindLine();
    const auto forward = [&](const PathPoint& p) { return (p.X - lapX) * fx + (p.Y - lapY) * fy; };
    const auto sideways = [&](const PathPoint& p) {
      return std::fabs((p.X - lapX) * fy - (p.Y - lapY) * fx);
    };
    const double before = forward(Point(n_)), after = forward(Point(1));
    if (before >= 0 || after <= 0 || -before > kClosingReach || after > kClosingReach ||
        sideways(Point(n_)) > kSlack || sideways(Point(1)) > kSlack ||
        std::fabs(before + after) > kSlack) {
      problems_.push_back(
          "the lap does not wrap where the finish line counts it: the last path "
          "point and the first must lie just either side of " +
          At(lapX, lapY));
    }
    const double heading = std::atan2(fy, fx) * 180 / M_PI;
    const PictureEntry& car = *FindPictureEntry("car1");
    for (int s = 1; s <= race::kStartSlotCount; ++s) {
      if (!view_.SlotGiven[static_cast<size_t>(s)]) continue;
      const StartSlot& slot = view_.Course.Slots[static_cast<size_t>(s)];
      if ((slot.X - lapX) * fx + (slot.Y - lapY) * fy >= 0) {
        problems_.push_back("start slot " + std::to_string(s) +
                            " is not behind the point where the finish line counts a lap");
      }
      // Computer cars waiting for the start creep on near path point 1 (measured from the
      // corner of their box).
      if (std::hypot(slot.X - car.TileWidth / 2.0 - Point(1).X,
                     slot.Y - car.TileHeight / 2.0 - Point(1).Y) <= race::kIdleReach) {
        problems_.push_back("start slot " + std::to_string(s) +
                            " is so near path point 1 that its car creeps over the line before "
                            "the start");
      }
      const double off = std::remainder(slot.Angle - heading, 360.0);
      if (std::fabs(off) > 1) {
        problems_.push_back("start slot " + std::to_string(s) + " heads " +
                            std::to_string(std::lround(slot.Angle)) +
                            " degrees, not along the road");
      }
    }
  }

  void Obstacles() {
    for (const TrackRecord& r : view_.Obstacles) {
      const Footprint f = ObstacleFootprint(r.B, r.X, r.Y);
      if (GapToRoad(f, view_.Road, view_.Frame) <= 0) {
        problems_.push_back("the obstacle at " + At(r.X, r.Y) + " stands on the road");
      }
    }
  }

  const TrackView& view_;
  const TrackCheckOptions& options_;
  const int n_;
  std::vector<std::string> problems_;
};

}  // namespace

std::vector<std::string> CheckTrack(const std::vector<TrackRecord>& records,
                                    const TrackCheckOptions& options) {
  return Checker(ViewTrack(records), options).Run();
}
