#pragma once
#include <optional>
#include <string>
#include <vector>

#include "race/TrackFile.h"

struct TrackCheckOptions {
  int Opponents = 0;
  // The catalogue's length text (540.4 for a 5404-pixel lap); the lap must be within 2 %.
  std::optional<double> Length;
};

// What keeps the compiled track from being a fair course, one problem a line; empty when
// it is sound. A track without road parts is checked as the menus' demo course: a path and
// start slots only.
std::vector<std::string> CheckTrack(const std::vector<TrackRecord>& records,
                                    const TrackCheckOptions& options);
