#pragma once
#include <vector>

#include "race/TrackFile.h"
#include "tools/trackc/lib/TrackSource.h"

// Turns a description into the records of a track file. From the road grid it derives the
// road parts, the path along the centre line (a point per piece, numbered in lap order from
// the piece after the start, closed by a point either side of the lap point), the computer
// cars' checkpoint numbers, the check lines, the
// finish and painted start lines across the start straight and the start grid behind them;
// scenery comes from the description's placements and seeded scatters.
// Throws TrackSourceError for a description that cannot make a course (an open loop, no
// start, an obstacle on the road...).
std::vector<TrackRecord> CompileTrack(const TrackSource& source);

// Start slots the compiler writes: eight behind a race's finish line (seven opponents and
// the player), four on the demo course.
constexpr int kRaceStartSlots = 8;
constexpr int kDemoStartSlots = 4;
// Slot 1's centre lies this far behind the finish line, on a 256-pixel grid (in proportion
// on a smaller one): far enough from path point 1 that the computer cars wait there for the
// start instead of creeping over the line.
constexpr double kFirstSlotBehindLine = 155;

// How far before the finish line's centre a car driving straight along the road has its
// centre when its collision box first touches the line, which is where its lap is counted.
double LapPointBehindLine();
