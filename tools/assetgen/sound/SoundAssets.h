#pragma once
#include <filesystem>

// Writes the game's effects (menus and race) and its three modules into `folder`.
void WriteSoundAssets(const std::filesystem::path& folder);
