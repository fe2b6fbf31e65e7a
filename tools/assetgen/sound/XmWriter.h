#pragma once
#include <cstdint>
#include <vector>

#include "tools/assetgen/sound/XmModule.h"

// The module as FastTracker 2 (version 1.04) stores it: linear frequency table, unpacked
// pattern cells, one 16-bit delta-coded sample per instrument.
std::vector<uint8_t> WriteXm(const XmModule& module);
