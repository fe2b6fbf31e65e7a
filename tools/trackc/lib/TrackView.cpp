#include "tools/trackc/lib/TrackView.h"

#include <algorithm>
#include <cmath>

#include "engine/graphics/RoadGrid.h"

TrackView ViewTrack(const std::vector<TrackRecord>& records) {
  TrackView view;
  view.Frame.Size = kRoadTileSize;
  std::vector<const TrackRecord*> parts;
  int32_t nextPoint = 1;
  for (const TrackRecord& r : records) {
    if (IsRoadPieceKind(r.Kind)) {
      parts.push_back(&r);
    } else if (r.Kind == track_kind::PathPoint && nextPoint <= race::kPathPointCapacity) {
      view.Course.Points[static_cast<size_t>(nextPoint++)] = {static_cast<double>(r.X),
                                                              static_cast<double>(r.Y), r.B, r.A};
      if (r.A > 0) view.Course.CheckpointCount += 1;
    } else if (r.Kind == track_kind::StartSlot && r.B >= 1 && r.B <= race::kStartSlotCount) {
      view.Course.Slots[static_cast<size_t>(r.B)] = {
          static_cast<double>(r.X), static_cast<double>(r.Y), static_cast<double>(r.A)};
      view.SlotGiven[static_cast<size_t>(r.B)] = true;
    } else if (r.Kind == track_kind::CheckLine) {
      view.CheckLines.push_back(r);
    } else if (r.Kind == track_kind::FinishLine) {
      view.FinishLines.push_back(r);
    } else if (r.Kind == track_kind::StartLine) {
      view.StartLines.push_back(r);
    } else if (r.Kind == track_kind::Obstacle) {
      view.Obstacles.push_back(r);
    }
  }
  view.Course.PointCount = nextPoint - 1;
  view.Course.CheckLineCount = static_cast<int32_t>(view.CheckLines.size());
  PrepareCourse(view.Course);
  if (parts.empty()) return view;
  int32_t left = parts.front()->X, top = parts.front()->Y;
  for (const TrackRecord* p : parts) {
    left = std::min(left, p->X);
    top = std::min(top, p->Y);
  }
  view.Frame.OriginX = left;
  view.Frame.OriginY = top;
  for (const TrackRecord* p : parts) {
    if ((p->X - left) % kRoadTileSize != 0 || (p->Y - top) % kRoadTileSize != 0) {
      view.GridProblem = "the road part at (" + std::to_string(p->X) + ", " + std::to_string(p->Y) +
                         ") is off the road grid of " + std::to_string(kRoadTileSize) + " pixels";
      continue;
    }
    view.Road.push_back(
        {(p->X - left) / kRoadTileSize, (p->Y - top) / kRoadTileSize, p->Kind, p->A});
  }
  return view;
}

std::optional<std::vector<LoopTile>> TrackView::Loop(std::string& problem) const {
  if (!GridProblem.empty()) {
    problem = GridProblem;
    return std::nullopt;
  }
  if (Road.empty()) {
    problem = "no road parts";
    return std::nullopt;
  }
  Side a, b;
  for (size_t i = 0; i < Road.size(); ++i) {
    if (OpenSides(Road[i], a, b)) return TraceLoop(Road, i, b, Frame, problem);
  }
  problem = "no road part opens an edge";
  return std::nullopt;
}
