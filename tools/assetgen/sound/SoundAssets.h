#pragma once
#include <filesystem>

// Writes the game's six effects and three modules into `folder`.
void WriteSoundAssets(const std::filesystem::path& folder);
