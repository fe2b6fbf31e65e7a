#pragma once
#include <optional>
#include <string>
#include <vector>

#include "race/Course.h"
#include "race/TrackFile.h"
#include "tools/trackc/lib/RoadLayout.h"

// A compiled track read back for checking, measuring and drawing: its road pieces on the
// road grid, its path in lap order as the game measures it, and its lines and slots.
struct TrackView {
  std::vector<GridTile> Road;
  GridFrame Frame;
  std::string GridProblem;  // road parts that are not on one grid
  RaceCourse Course;        // path sorted and measured, slots as the loader fills them
  std::vector<bool> SlotGiven = std::vector<bool>(race::kStartSlotCount + 1, false);
  std::vector<TrackRecord> CheckLines;
  std::vector<TrackRecord> FinishLines;
  std::vector<TrackRecord> StartLines;
  std::vector<TrackRecord> Obstacles;

  // The driving loop through the road pieces; empty (with the reason) when they do not
  // close into one loop.
  std::optional<std::vector<LoopTile>> Loop(std::string& problem) const;
};

TrackView ViewTrack(const std::vector<TrackRecord>& records);
