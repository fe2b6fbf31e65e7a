// The Linux side of GamePathsSystem.h; GamePathsWindows.cpp is the Windows one.
#ifndef _WIN32
#include <unistd.h>

#include <cstdlib>
#include <system_error>

#include "platform/GamePathsSystem.h"

namespace fs = std::filesystem;

bool IsWritableDir(const fs::path& dir) {
  std::error_code ec;
  return !dir.empty() && fs::is_directory(dir, ec) && access(dir.c_str(), W_OK) == 0;
}

fs::path PerUserSaveRoot(const RootInputs& in) {
  const fs::path base =
      !in.XdgDataHome.empty() ? fs::path(in.XdgDataHome) : fs::path(in.Home) / ".local" / "share";
  return base / "brindle-karts";
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
#endif
