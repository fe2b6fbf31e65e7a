#pragma once
#include <filesystem>

#include "platform/GamePaths.h"

// The system's share of the game's roots: GamePathsLinux.cpp and GamePathsWindows.cpp.

// Whether the game may create files in this existing folder.
bool IsWritableDir(const std::filesystem::path& dir);

// The user's own save folder, for when the working folder cannot be written.
std::filesystem::path PerUserSaveRoot(const RootInputs& in);
