#include "platform/GamePaths.h"

#include <unistd.h>

#include <optional>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool HoldsData(const fs::path& dir) {
  std::error_code ec;
  return !dir.empty() && fs::is_directory(dir / "Data", ec);
}

bool IsWritableDir(const fs::path& dir) {
  std::error_code ec;
  return !dir.empty() && fs::is_directory(dir, ec) && access(dir.c_str(), W_OK) == 0;
}

std::optional<GameRoots>& OverrideRoots() {
  static std::optional<GameRoots> roots;
  return roots;
}

}  // namespace

GameRoots ResolveGameRoots(const RootInputs& in) {
  GameRoots roots;
  if (HoldsData(in.WorkingDir)) {
    roots.Data = in.WorkingDir;
  } else if (HoldsData(in.ExecutableDir)) {
    roots.Data = in.ExecutableDir;
  } else if (!in.InstalledDataDir.empty()) {
    roots.Data = in.InstalledDataDir;
  } else {
    roots.Data = in.WorkingDir;
  }

  if (IsWritableDir(in.WorkingDir)) {
    roots.Save = in.WorkingDir;
  } else {
    fs::path base =
        !in.XdgDataHome.empty() ? fs::path(in.XdgDataHome) : fs::path(in.Home) / ".local" / "share";
    roots.Save = base / "brindle-karts";
    std::error_code ec;
    fs::create_directories(roots.Save, ec);
  }
  return roots;
}

RootInputs CurrentRootInputs() {
  RootInputs in;
  std::error_code ec;
  in.WorkingDir = fs::current_path(ec);
  in.ExecutableDir = fs::read_symlink("/proc/self/exe", ec).parent_path();
#ifdef BK_DATADIR_FROM_BINDIR
  // Found from the executable rather than a prefix fixed at build time, so an installed
  // tree still works after being moved or unpacked under another root.
  if (!in.ExecutableDir.empty()) {
    in.InstalledDataDir = (in.ExecutableDir / BK_DATADIR_FROM_BINDIR).lexically_normal();
  }
#endif
  if (const char* xdg = std::getenv("XDG_DATA_HOME")) in.XdgDataHome = xdg;
  if (const char* home = std::getenv("HOME")) in.Home = home;
  return in;
}

fs::path NativeRelative(const std::string& gameName) {
  std::string s = gameName;
  for (char& c : s) {
    if (c == '\\') c = '/';
  }
  return fs::path(s);
}

const GameRoots& CurrentGameRoots() {
  auto& roots = OverrideRoots();
  if (!roots) roots = ResolveGameRoots(CurrentRootInputs());
  return *roots;
}

void SetGameRoots(const GameRoots& roots) {
  OverrideRoots() = roots;
}
