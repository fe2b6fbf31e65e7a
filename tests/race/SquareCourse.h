#pragma once
#include <cstdint>
#include <utility>
#include <vector>

#include "race/TrackFile.h"

// A 2000-pixel square driven clockwise from (1000, 0): a path point every 100 pixels with
// checkpoints 1..4 on its corners' sides, the finish line just past the first point and check
// lines 0..2 on the other sides. Callers add start slots, road and scenery.
inline std::vector<std::pair<int32_t, int32_t>> SquarePathPoints() {
  std::vector<std::pair<int32_t, int32_t>> points;
  for (int x = 1000; x < 2000; x += 100) points.push_back({x, 0});
  for (int y = 0; y < 2000; y += 100) points.push_back({2000, y});
  for (int x = 2000; x > 0; x -= 100) points.push_back({x, 2000});
  for (int y = 2000; y > 0; y -= 100) points.push_back({0, y});
  for (int x = 0; x < 1000; x += 100) points.push_back({x, 0});
  return points;
}

inline std::vector<TrackRecord> SquareCourse() {
  std::vector<TrackRecord> records;
  const auto points = SquarePathPoints();
  for (size_t i = 0; i < points.size(); ++i) {
    const int32_t checkpoint = i % 20 == 0 ? static_cast<int32_t>(i / 20 + 1) : 0;
    records.push_back({points[i].second, points[i].first, track_kind::PathPoint, checkpoint,
                       static_cast<int32_t>(i + 1)});
  }
  records.push_back({0, 1045, track_kind::FinishLine, 0, 0});
  records.push_back({1000, 2000, track_kind::CheckLine, 0, 0});
  records.push_back({2000, 1000, track_kind::CheckLine, 0, 1});
  records.push_back({1000, 0, track_kind::CheckLine, 0, 2});
  return records;
}
