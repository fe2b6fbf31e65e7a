#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/GameState.h"
#include "platform/SafeFile.h"
#include "shell/SettingsFiles.h"

// Keeping the options, the records table and the progress between runs, in "Config.cfg"
// and "Configdat.cfg" in the save root.
//
// No failure here stops the game: a file that cannot be read, written or understood gives
// a message for the player, naming the file, which the caller shows; the game goes on with
// what it has. No save ever destroys the previous file: until the new one is whole on
// disk, the old one stays.
using SettingsProblem = std::optional<std::string>;

// The default records table: row n (1..10) has place n, the name "Пилот" and the score
// 1100 - 100·n. Does not save.
void ResetRecords(GameState& state);

// Rewrites "Config.cfg". The file cannot keep trailing "%" of ExtraText and PlayerName, so
// they are removed from the state as well. replaceGate lets a test stop the save midway.
SettingsProblem SaveConfig(GameState& state, const ReplaceGate& replaceGate = nullptr);

// Rewrites "Configdat.cfg" with the score, the unlock progress and the 25 best times.
SettingsProblem SaveProgress(const GameState& state, const TrackSlotTimes& bestTimes,
                             const ReplaceGate& replaceGate = nullptr);

// Saves a finished race: the progress first, then "Config.cfg" with the records table. A
// stop between the two leaves the progress newer than the table, never a table claiming a
// score the progress lost. When the progress cannot be saved, the table is not saved either.
SettingsProblem SaveProgressAndRecords(GameState& state, const TrackSlotTimes& bestTimes,
                                       const ReplaceGate& replaceGate = nullptr);

// Everything the game reads at start: removes the temporary files an interrupted save left,
// reads "Config.cfg" and "Configdat.cfg", and, when the progress was read, limits the
// player's rows of the records table to its score. Returns the messages for the player.
std::vector<std::string> LoadSavedGame(GameState& state, TrackSlotTimes& bestTimes);

// Reads "Config.cfg" as far as it goes, when it exists. When the file asks for full screen,
// FullScreenWanted and FullScreenActive come back true and the caller switches the screen.
SettingsProblem LoadConfig(GameState& state);

// Reads "Configdat.cfg" when it exists. A damaged file changes nothing, so the defaults
// stay, and is moved aside as "Configdat.cfg.damaged" so nothing is lost.
SettingsProblem LoadProgress(GameState& state, TrackSlotTimes& bestTimes);

// The unlocked flags of a catalogue after loading: the first `available` entries (as many
// as the catalogue has, whatever the file said) are unlocked.
std::vector<bool> UnlockedFlags(int32_t available, std::size_t catalogueSize);
