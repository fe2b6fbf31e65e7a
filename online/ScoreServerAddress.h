#pragma once
#include <filesystem>
#include <string>

// The score server's base address ("http://host:port", no trailing slash). The build sets
// a default; a one-line file "Server.cfg" in the save folder overrides it, so a player or a
// club can point the game at their own server without rebuilding.
std::string DefaultScoreServerAddress();

// The first line of configFile, trimmed, when it is an http:// or https:// address;
// otherwise (no file, empty, another scheme) the default, with a note on stderr for a
// file that exists but cannot be used.
std::string LoadScoreServerAddress(const std::filesystem::path& configFile);

// LoadScoreServerAddress of the game's own "Server.cfg".
std::string ConfiguredScoreServerAddress();

std::string VersionRequestUrl(const std::string& serverAddress);
std::string ScoreReportUrl(const std::string& serverAddress, const std::string& encodedReport);
// The world high-score page, opened in the player's browser.
std::string WorldHighScoresUrl(const std::string& serverAddress);
