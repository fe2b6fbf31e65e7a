#pragma once
#include <array>
#include <string>

#include "core/GameState.h"
#include "core/RaceTime.h"

// The contents of the two settings files, apart from reading and writing them. Every line
// holds one value through the 8-bit/5-bit text codec; lines end in CR LF. A value that is
// padded gets "%" appended up to a multiple of 5 characters, so it comes back exactly and
// the reader removes the "%" again; an unpadded value of another length comes back with
// leading NUL characters.

// "Configdat.cfg" keeps 25 best times: slot i below the catalogue's size is that track's
// record, the others belong to no track and are only carried from file to file.
constexpr int kTrackSlotCount = 25;
// A value-initialised TrackSlotTimes{} is all 0, 0, 0, what the trackless slots hold in a
// new game; the caller puts the catalogue's best times into the first slots.
using TrackSlotTimes = std::array<RaceTime, kTrackSlotCount>;

// One line's text for a value; an empty value gives an empty line.
std::string EncodeSettingsLine(const std::string& value, bool padded);
// Removes every trailing "%", which a padded value cannot keep.
void RemoveTrailingPadding(std::string& value);
// The value of one line; for padded values every trailing "%" is removed.
std::string DecodeSettingsLine(const std::string& line, bool padded);

// "Config.cfg": options, the options text, the player's name, the records table and the
// difficulty (a line older files do not have; they read as the normal level) and, when one
// is forced, the renderer.
std::string ConfigFileText(const GameState& state);
// Applies the lines there are; missing lines read as empty (and an empty first line means
// full screen: both full-screen flags become true). Any text is accepted.
void ApplyConfigFileText(const std::string& text, GameState& state);

// "Configdat.cfg": score, unlock progress and the best times of the 25 track slots.
std::string ProgressFileText(const GameState& state, const TrackSlotTimes& bestTimes);
// All or nothing: when every one of the 80 lines holds a 32-bit decimal integer, stores
// them and returns true; otherwise (the file is damaged) changes nothing and returns false.
bool ApplyProgressFileText(const std::string& text, GameState& state, TrackSlotTimes& bestTimes);
