// The installed Windows game under Wine, in a real window and by real X input only: the
// autopilot build of the game, put beside the installed one, is started from the installed
// folder; a Cyrillic name is typed, a race is driven to the race-over screen, Continue saves
// the progress, and the game leaves through its exit page with status 0. Screenshots of the
// name entry, the race, the race-over screen and the exit page go beside the Linux ones.
//
// scripts/test-windows runs it after the installer, with WINEPREFIX set and
// BK_INSTALLED_GAME naming the installed folder (as a path of this machine).
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/Cp1251.h"
#include "platform/GamePaths.h"
#include "shell/Settings.h"
#include "tests/xwindow/ChildProcess.h"
#include "tests/xwindow/GameScreens.h"
#include "tests/xwindow/GameWindow.h"
#include "tests/xwindow/WindowPicture.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const char* const kAutopilotGame = "brindle-karts-autopilot.exe";

fs::path EnvironmentPath(const char* name) {
  const char* value = std::getenv(name);
  return value && *value ? fs::path(value) : fs::path();
}

// Where the game keeps its saves: the installed folder when Wine lets the game write there,
// else the Wine user's %APPDATA%\Brindle Karts. Empty when neither holds the progress file.
fs::path SaveFolder(const fs::path& installed) {
  if (fs::exists(installed / "Configdat.cfg")) return installed;
  const fs::path users = EnvironmentPath("WINEPREFIX") / "drive_c" / "users";
  std::error_code ec;
  for (const fs::directory_entry& user : fs::directory_iterator(users, ec)) {
    const fs::path roaming = user.path() / "AppData" / "Roaming" / "Brindle Karts";
    if (fs::exists(roaming / "Configdat.cfg")) return roaming;
  }
  return {};
}

TEST(InstalledWindowsGame, NameRaceContinueAndExitPageInARealWindow) {
  ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "this test needs an X display";
  const fs::path installed = EnvironmentPath("BK_INSTALLED_GAME");
  ASSERT_TRUE(fs::exists(installed / kAutopilotGame))
      << "no " << kAutopilotGame << " in BK_INSTALLED_GAME (" << installed << ")";
  ASSERT_TRUE(SaveFolder(installed).empty()) << "the game must start with no saves";

  const GameScreens screens(installed);
  ASSERT_FALSE(screens.Exit.Usable.empty());

  const auto started = std::chrono::steady_clock::now();
  ChildProcess game(installed, {"wine", (installed / kAutopilotGame).string()});
  ASSERT_TRUE(game.Started());
  const std::string window = FindGameWindow(game.Pid());
  ASSERT_FALSE(window.empty()) << "no game window";
  RunCommand("xdotool windowactivate --sync " + window);
  const auto shows = [&](const std::vector<PlacedPicture>& anyOf, const std::string& screen,
                         std::chrono::seconds limit = 30s) {
    return ScreenShows(window, anyOf, screen, limit);
  };

  ASSERT_TRUE(shows(screens.NameEntry, "name entry", 90s));  // after the splash
  ASSERT_TRUE(EnterRussianName(window, "windows-01-name-entry", screens.StartGame));

  // Track 1 and car 1, by mouse and keys.
  ASSERT_TRUE(ClickMiddleOf(window, screens.StartGame));
  ASSERT_TRUE(shows(screens.TrackNext, "track screen") &&
              shows(screens.RaceButton, "track screen"));
  ASSERT_TRUE(PressKeys("Return"));
  ASSERT_TRUE(shows(screens.CarNext, "car screen") && shows(screens.RaceButton, "car screen"));
  ASSERT_TRUE(ClickMiddleOf(window, screens.RaceButton));
  ASSERT_TRUE(shows(screens.StartLights, "race start lights"));
  std::this_thread::sleep_for(8s);  // under way
  Shot(window, "windows-02-race");
  ASSERT_TRUE(shows(screens.RaceOver, "race-over screen", 300s));
  ASSERT_TRUE(shows(screens.Continue, "race-over screen, counted up", 60s));
  Shot(window, "windows-03-race-over");
  ASSERT_TRUE(ClickMiddleOf(window, screens.Continue));
  ASSERT_TRUE(shows(screens.SendQuestion, "send question"));

  // Continue has saved the name as typed and the race time as track 1's record (the place,
  // and so the score, depends on the computer cars' random start).
  const fs::path saves = SaveFolder(installed);
  ASSERT_FALSE(saves.empty()) << "no saved progress in the installed folder or %APPDATA%";
  std::cout << "saves: " << saves << "\n";
  {
    const GameRoots previous = CurrentGameRoots();
    SetGameRoots({installed, saves});
    GameState state;
    TrackSlotTimes times{};
    EXPECT_FALSE(LoadConfig(state));
    EXPECT_FALSE(LoadProgress(state, times));
    SetGameRoots(previous);
    EXPECT_EQ(state.PlayerName, Utf8ToCp1251(kRussianNameUtf8));
    EXPECT_FALSE(times[0] == RaceTime::None()) << "the race time is track 1's record";
  }

  // No score is sent; back to the main menu by keys, out through the exit question and page.
  ASSERT_TRUE(ClickMiddleOf(window, screens.SendNo));
  ASSERT_TRUE(shows(screens.TrackNext, "track screen after the race"));
  ASSERT_TRUE(PressKeys("Escape"));
  ASSERT_TRUE(shows(screens.StartGame, "main menu after the race"));
  ASSERT_TRUE(PressKeys("Escape"));
  ASSERT_TRUE(shows(screens.ExitQuestion, "exit question"));
  ASSERT_TRUE(ClickMiddleOf(window, screens.YesExit));
  ASSERT_TRUE(shows({{screens.Exit.Background, 0, 0}}, "exit page"));
  Shot(window, "windows-04-exit-page");
  ASSERT_TRUE(shows(screens.Exit.Usable, "exit page, countdown over"));
  ASSERT_TRUE(ClickPicturePoint(window, screens.Exit.Middle.X, screens.Exit.Middle.Y));
  const std::optional<int> ended = game.WaitExit(60s);
  ASSERT_TRUE(ended) << "the game did not close through its exit page";
  EXPECT_TRUE(WIFEXITED(*ended) && WEXITSTATUS(*ended) == 0) << "wait status " << *ended;
  std::cout << "installed game, name entry to exit page: "
            << std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() -
                                                                started)
                   .count()
            << " s\n";
}

}  // namespace
