#include "platform/ShellOpen.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace fs = std::filesystem;

// A stand-in xdg-open first in PATH records the target it was given.
TEST(ShellOpen, HandsTheTargetToXdgOpenAndLeavesNoChildBehind) {
  const fs::path dir = fs::temp_directory_path() / ("bk-shellopen-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  const fs::path record = dir / "opened.txt";
  {
    std::ofstream script(dir / "xdg-open");
    script << "#!/bin/sh\nprintf '%s' \"$1\" > \"" << record.string() << ".part\"\nmv \""
           << record.string() << ".part\" \"" << record.string() << "\"\n";
  }
  fs::permissions(dir / "xdg-open", fs::perms::owner_all);
  const std::string oldPath = std::getenv("PATH") ? std::getenv("PATH") : "";
  setenv("PATH", (dir.string() + ":" + oldPath).c_str(), 1);

  ShellOpen("http://karts.example/a b?x=1&y=2");
  setenv("PATH", oldPath.c_str(), 1);

  // The call does not wait for the handler; the handler finishes on its own.
  for (int i = 0; i < 500 && !fs::exists(record); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  std::stringstream opened;
  opened << std::ifstream(record).rdbuf();
  EXPECT_EQ(opened.str(), "http://karts.example/a b?x=1&y=2");
  EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1) << "a child of the game was left to reap";
  EXPECT_EQ(errno, ECHILD);
  fs::remove_all(dir);
}
