// `make install` into a fresh prefix, then the installed game started the way a desktop
// starts it: from a folder that holds no game data.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string Quoted(const fs::path& p) {
  return "'" + p.string() + "'";
}

// Runs a shell command; returns its exit status, 128 + the signal when a signal ended it.
int Shell(const std::string& command) {
  const int status = std::system(command.c_str());
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string ReadAll(const fs::path& file) {
  std::ifstream in(file);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<fs::path> FilesUnder(const fs::path& dir) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::recursive_directory_iterator(dir)) {
    files.push_back(fs::relative(entry.path(), dir));
  }
  return files;
}

class InstalledGame : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    root_ = fs::temp_directory_path() / ("bk-install-" + std::to_string(getpid()));
    fs::remove_all(root_);
    fs::create_directories(root_);
    prefix_ = root_ / "prefix";
    const fs::path buildDir = fs::path(BK_GAME_DIR).parent_path();
    installStatus_ = Shell(Quoted(BK_CMAKE_COMMAND) + " --install " + Quoted(buildDir) +
                           " --prefix " + Quoted(prefix_) + " > " + Quoted(root_ / "install.log"));
  }
  static void TearDownTestSuite() { fs::remove_all(root_); }

  // Starts the installed game headless in `workDir` (removed first when `removeWorkDir`, so
  // the game has no working folder at all) and stops it after a few seconds. Returns the
  // exit status: 137 means it was still running when stopped.
  static int RunInstalledFor(const fs::path& workDir, bool removeWorkDir, const fs::path& log) {
    const std::string enter =
        "cd " + Quoted(workDir) + (removeWorkDir ? " && rmdir " + Quoted(workDir) : "");
    return Shell(enter + " && exec env SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy HOME=" +
                 Quoted(root_ / "home") + " XDG_DATA_HOME=" + Quoted(root_ / "xdg") +
                 " timeout -s KILL 4 " + Quoted(prefix_ / "bin" / "brindle-karts") + " 2> " +
                 Quoted(log));
  }

  static inline fs::path root_;
  static inline fs::path prefix_;
  static inline int installStatus_ = -1;
};

TEST_F(InstalledGame, PutsEveryFileInItsUsualPlace) {
  ASSERT_EQ(installStatus_, 0) << ReadAll(root_ / "install.log");
  const fs::path share = prefix_ / "share";
  for (const fs::path& file : {
           prefix_ / "bin" / "brindle-karts",
           share / "brindle-karts" / "Data" / "data1.oil",
           share / "brindle-karts" / "Data" / "data2.oil",
           share / "brindle-karts" / "Data" / "data1.prd",
           share / "brindle-karts" / "Data" / "data13.prd",
           share / "brindle-karts" / "Sounds" / "1.xm",
           share / "brindle-karts" / "Sounds" / "finish.wav",
           share / "brindle-karts" / "wdata" / "config.ini",
           share / "brindle-karts" / "website.url",
           share / "applications" / "brindle-karts.desktop",
           share / "icons" / "hicolor" / "48x48" / "apps" / "brindle-karts.png",
           share / "icons" / "hicolor" / "256x256" / "apps" / "brindle-karts.png",
       }) {
    EXPECT_TRUE(fs::is_regular_file(file)) << file;
  }
  // The game folder's data and nothing of the build: no executable beside the data, no
  // half-written files, no saved settings of a test run.
  for (const char* stray : {"brindle-karts", "Config.cfg", "Configdat.cfg"}) {
    EXPECT_FALSE(fs::exists(share / "brindle-karts" / stray)) << stray;
  }
  const std::string entry = ReadAll(share / "applications" / "brindle-karts.desktop");
  EXPECT_NE(entry.find("Exec=" + (prefix_ / "bin" / "brindle-karts").string() + "\n"),
            std::string::npos)
      << entry;
  EXPECT_NE(entry.find("Icon=brindle-karts\n"), std::string::npos) << entry;
  EXPECT_EQ(
      Shell("desktop-file-validate " + Quoted(share / "applications" / "brindle-karts.desktop") +
            " > " + Quoted(root_ / "validate.log") + " 2>&1"),
      0)
      << ReadAll(root_ / "validate.log");
}

TEST_F(InstalledGame, StartsFromAnotherFolderAndWritesNothingThere) {
  ASSERT_EQ(installStatus_, 0) << ReadAll(root_ / "install.log");
  const fs::path work = root_ / "work";
  fs::create_directories(work);
  EXPECT_EQ(RunInstalledFor(work, false, root_ / "run.log"), 137)
      << "the game stopped by itself: " << ReadAll(root_ / "run.log");
  EXPECT_EQ(ReadAll(root_ / "run.log"), "");
  EXPECT_TRUE(FilesUnder(work).empty());
}

TEST_F(InstalledGame, SavesUnderXdgDataHomeWithoutAWorkingFolder) {
  ASSERT_EQ(installStatus_, 0) << ReadAll(root_ / "install.log");
  const fs::path work = root_ / "gone";
  fs::create_directories(work);
  EXPECT_EQ(RunInstalledFor(work, true, root_ / "run-gone.log"), 137)
      << "the game stopped by itself: " << ReadAll(root_ / "run-gone.log");
  EXPECT_EQ(ReadAll(root_ / "run-gone.log"), "");
  EXPECT_TRUE(fs::is_directory(root_ / "xdg" / "brindle-karts"));
  EXPECT_FALSE(fs::exists(root_ / "home" / ".local"));
}

TEST_F(InstalledGame, WithoutADisplayStopsAtOnceWithAMessage) {
  ASSERT_EQ(installStatus_, 0) << ReadAll(root_ / "install.log");
  const fs::path log = root_ / "run-nodisplay.log";
  const auto start = std::chrono::steady_clock::now();
  const int status = Shell("cd " + Quoted(root_) +
                           " && exec env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER "
                           "SDL_AUDIODRIVER=dummy HOME=" +
                           Quoted(root_ / "home") + " timeout -s KILL 10 " +
                           Quoted(prefix_ / "bin" / "brindle-karts") + " 2> " + Quoted(log));
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_EQ(status, 1) << "137: it ran on unseen; " << ReadAll(log);
  EXPECT_NE(ReadAll(log).find("No display"), std::string::npos) << ReadAll(log);
  std::cout << "stopped after " << seconds << " s\n";
}

}  // namespace
