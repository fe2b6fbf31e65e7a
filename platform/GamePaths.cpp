#include "platform/GamePaths.h"

#include <optional>
#include <system_error>

#include "platform/GamePathsSystem.h"

namespace fs = std::filesystem;

namespace {

bool HoldsData(const fs::path& dir) {
  std::error_code ec;
  return !dir.empty() && fs::is_directory(dir / "Data", ec);
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
    roots.Save = PerUserSaveRoot(in);
    std::error_code ec;
    fs::create_directories(roots.Save, ec);
  }
  return roots;
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
