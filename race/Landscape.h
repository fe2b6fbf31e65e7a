#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "race/TrackFile.h"

// The look of a course's surroundings: ground, road edges and kerbs, scenery and light.
// A track file names its landscape in one record; a file without one is a meadow.
enum class Landscape : int32_t { Meadow = 0, Autumn = 1, Coast = 2, Winter = 3 };

constexpr int kLandscapeCount = 4;

// "meadow", "autumn", "coast", "winter": the word of the track description.
const char* LandscapeName(Landscape landscape);
// False for a word that names no landscape.
bool LandscapeByName(const std::string& name, Landscape& landscape);
// The landscape a file's record names; a meadow for a number that names none, so a damaged
// or newer file still loads.
Landscape LandscapeFromNumber(int32_t number);
// The landscape of the course the records describe (the last landscape record counts).
Landscape TrackLandscape(const std::vector<TrackRecord>& records);

// The race picture to show for `base` in the landscape: the landscape's own drawing
// "<base>_<name>" when the picture table holds one, else the base picture itself (every
// meadow picture, and pictures all landscapes share such as walls and lines).
std::string LandscapePicture(const std::string& base, Landscape landscape);
