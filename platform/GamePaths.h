#pragma once
#include <filesystem>
#include <string>

// The two roots every file path of the game starts from. No other code builds a path
// from the working folder: game code asks DataPath()/SavePath() with the game's own
// relative names ("Data\\data1.oil", "Config.cfg"); backslashes become separators.
struct GameRoots {
  std::filesystem::path Data;  // Data/, Sounds/, wdata/ live here
  std::filesystem::path Save;  // Config.cfg, Configdat.cfg live here
};

// What the resolver looks at, gathered once from the process (or given by a test).
struct RootInputs {
  std::filesystem::path WorkingDir;
  std::filesystem::path ExecutableDir;
  std::filesystem::path InstalledDataDir;  // bin/../share/brindle-karts beside the executable
  std::string XdgDataHome;                 // $XDG_DATA_HOME, may be empty
  std::string Home;                        // $HOME (on Windows %APPDATA%), may be empty
};

// Data root: the working folder when it holds Data/, else the executable's folder when it
// does, else the installed data folder. Save root: the working folder when it can be
// written, else the user's own folder, created on demand: on Linux
// $XDG_DATA_HOME/brindle-karts (~/.local/share/brindle-karts), on Windows
// %APPDATA%\Brindle Karts.
GameRoots ResolveGameRoots(const RootInputs& in);

// Inputs of the running process.
RootInputs CurrentRootInputs();

// The game's relative name (either separator) turned into a native relative path.
std::filesystem::path NativeRelative(const std::string& gameName);

// Process-wide roots: resolved on first use, replaceable by tests and the harness.
const GameRoots& CurrentGameRoots();
void SetGameRoots(const GameRoots& roots);

inline std::filesystem::path DataPath(const std::string& gameName) {
  return CurrentGameRoots().Data / NativeRelative(gameName);
}
inline std::filesystem::path SavePath(const std::string& gameName) {
  return CurrentGameRoots().Save / NativeRelative(gameName);
}
