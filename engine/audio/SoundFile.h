#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The bytes of a sound or module file named relative to the data root; nothing when the
// file cannot be read.
std::optional<std::vector<uint8_t>> ReadSoundFile(const std::string& fileName);

// Tells the player's terminal that a sound file could not be used. The game goes on
// without that sound.
void ReportSoundLoadError(const std::string& fileName);
