#include "tools/trackc/lib/TrackDump.h"

#include <cstdio>

#include "tools/trackc/lib/RoadLayout.h"

namespace {

std::string KindName(int32_t kind) {
  namespace k = track_kind;
  if (IsRoadPieceKind(kind)) return "road" + std::to_string(kind);
  switch (kind) {
    case k::PathPoint:
      return "point";
    case k::Obstacle:
      return "obstacle";
    case k::Flowers:
    case k::Flowers + 1:
    case k::Flowers + 2:
    case k::DiamondsAcross:
    case k::DiamondsAlong:
      return "paint" + std::to_string(kind);
    case k::StartSlot:
      return "slot";
    case k::StartLine:
      return "startline";
    case k::CheckLine:
      return "checkline";
    case k::FinishLine:
      return "finish";
    case k::InPlace:
      return "inplace";
    case k::Water:
      return "water";
    case k::LandscapeChoice:
      return "landscape";
    default:
      return "kind" + std::to_string(kind);
  }
}

}  // namespace

std::string DumpRecords(const std::vector<TrackRecord>& records) {
  std::string text;
  char line[128];
  for (const TrackRecord& r : records) {
    std::snprintf(line, sizeof line, "%-10s x %6d y %6d a %4d b %4d\n", KindName(r.Kind).c_str(),
                  r.X, r.Y, r.A, r.B);
    text += line;
  }
  return text;
}

std::string DumpStats(const TrackStats& stats) {
  char text[512];
  char gap[32] = "none";
  if (stats.NarrowestGap) std::snprintf(gap, sizeof gap, "%.0f", *stats.NarrowestGap);
  std::snprintf(text, sizeof text,
                "turns %d\ns-bends %d\nwalls %d\nnarrowest gap %s\nlap length %.1f\n"
                "difficulty %.1f\nlandscape %s\n",
                stats.Turns, stats.SBends, stats.Walls, gap, stats.LapLength, stats.Difficulty(),
                LandscapeName(stats.Scenery));
  std::string out = std::string(text) + "pieces";
  for (const auto& [kind, count] : stats.Pieces) out += " " + kind + " " + std::to_string(count);
  return out + "\n";
}
