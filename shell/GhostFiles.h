#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "race/GhostLap.h"

// The time trial's best lap of each track, kept as "Ghost<N>.bkg" (N = 1..12, the track's
// place in the catalogue) in the save root. Nothing here stops the game: a file that
// cannot be read or written only costs the ghost.

// The ghost of the track, when its file holds one. A damaged or foreign file gives one line
// on stderr and no ghost; the next best lap then replaces it.
std::optional<GhostLap> LoadGhost(int32_t track);

// Writes the ghost of its track atomically (the old file stays whole until the new one
// is); the reason in words when that failed.
std::optional<std::string> SaveGhost(const GhostLap& lap);

// The file name of a track's ghost in the save root.
std::string GhostFileName(int32_t track);
