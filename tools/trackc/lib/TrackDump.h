#pragma once
#include <string>
#include <vector>

#include "race/TrackFile.h"
#include "tools/trackc/lib/TrackStats.h"

// Every record as a line of text: "kind-name x y A B", in file order.
std::string DumpRecords(const std::vector<TrackRecord>& records);
// The figures of MeasureTrack, one "name value" a line.
std::string DumpStats(const TrackStats& stats);
