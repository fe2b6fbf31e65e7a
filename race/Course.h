#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "race/GameConstants.h"

// A point of the computer cars' path. Checkpoint 0 is an ordinary point.
struct PathPoint {
  double X = 0;
  double Y = 0;
  int32_t Order = 0;
  int32_t Checkpoint = 0;
};

struct StartSlot {
  double X = 0;
  double Y = 0;
  double Angle = 0;
};

// The loaded course, in screen positions that scroll with the world. Path points and
// distances are numbered 1..PointCount (index 0 holds nothing), start slots 1..9.
struct RaceCourse {
  RaceCourse() : Points(race::kPathPointCapacity + 1), Distance(race::kPathPointCapacity + 1) {}

  std::vector<PathPoint> Points;
  // Distance[i]: length of the path from point 1 to point i, in tenths of pixels; the
  // closing segment back to point 1 is not included.
  std::vector<double> Distance;
  int32_t PointCount = 0;       // N
  int32_t CheckLineCount = 0;   // L
  int32_t CheckpointCount = 0;  // K: points with a checkpoint number above 0
  std::array<StartSlot, race::kStartSlotCount + 1> Slots{};
  int32_t Laps = 0;

  double LapLength() const { return PointCount > 0 ? Distance[PointCount] : 0; }
};

// Orders the path by order number with a selection sort that takes the first smallest
// candidate (so equal order numbers do not keep their file order), then measures it.
void PrepareCourse(RaceCourse& course);
