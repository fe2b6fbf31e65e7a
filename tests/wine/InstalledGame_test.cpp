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
#include "tests/xwindow/GameWindow.h"
#include "tests/xwindow/RussianKeyboard.h"
#include "tests/xwindow/WindowPicture.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const std::string kNameUtf8 = "Ёжик Юля";
const char* const kNameKeys =
    "Cyrillic_IO Cyrillic_zhe Cyrillic_i Cyrillic_ka space Cyrillic_YU Cyrillic_el Cyrillic_ya";
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

  const ShippedPictures menus(installed / "Data" / "data1.oil");
  const ShippedPictures race(installed / "Data" / "data2.oil");
  const std::vector<PlacedPicture> nameEntry = {{menus.Pattern("scr_entername"), 107, 104}};
  const auto startGame = PlacedButton(menus, "b_stgame", 320, 250);
  const auto raceButton = PlacedButton(menus, "bc_race", 642, 524);
  const auto trackNext = PlacedButton(menus, "bc_next", 580, 131);
  const auto carNext = PlacedButton(menus, "bc_next", 685, 123);
  const auto yesExit = PlacedButton(menus, "b_yes", 420, 434);
  const auto continueButton = PlacedButton(race, "bro_next", 472, 411);
  const auto sendNo = PlacedButton(race, "b_no1", 511, 409);
  const ShownExitButton exitButton = ShippedExitButton(installed);
  ASSERT_FALSE(exitButton.Usable.empty());

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

  ASSERT_TRUE(shows(nameEntry, "name entry", 90s));  // after the splash
  {
    RussianKeyboard russian;
    ASSERT_TRUE(russian.Switched());
    ASSERT_TRUE(PressKeys(kNameKeys));
    std::this_thread::sleep_for(500ms);
    Shot(window, "windows-01-name-entry");
    ASSERT_TRUE(PressKeys("Return"));
    ASSERT_TRUE(shows(startGame, "main menu"));
  }

  // Track 1 and car 1, by mouse and keys.
  ASSERT_TRUE(ClickPicturePoint(window, MiddleOf(startGame).X, MiddleOf(startGame).Y));
  ASSERT_TRUE(shows(trackNext, "track screen") && shows(raceButton, "track screen"));
  ASSERT_TRUE(PressKeys("Return"));
  ASSERT_TRUE(shows(carNext, "car screen") && shows(raceButton, "car screen"));
  ASSERT_TRUE(ClickPicturePoint(window, MiddleOf(raceButton).X, MiddleOf(raceButton).Y));
  ASSERT_TRUE(shows({{race.Pattern("redlight"), 265, 18}, {race.Pattern("yellowlight"), 335, 18}},
                    "race start lights"));
  std::this_thread::sleep_for(8s);  // under way
  Shot(window, "windows-02-race");
  ASSERT_TRUE(shows({{race.Pattern("scr_raceover"), 146, 129}}, "race-over screen", 300s));
  ASSERT_TRUE(shows(continueButton, "race-over screen, counted up", 60s));
  Shot(window, "windows-03-race-over");
  ASSERT_TRUE(ClickPicturePoint(window, MiddleOf(continueButton).X, MiddleOf(continueButton).Y));
  ASSERT_TRUE(shows({{race.Pattern("scr_send"), 146, 129}}, "send question"));

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
    EXPECT_EQ(state.PlayerName, Utf8ToCp1251(kNameUtf8));
    EXPECT_FALSE(times[0] == RaceTime::None()) << "the race time is track 1's record";
  }

  // No score is sent; back to the main menu by keys, out through the exit question and page.
  ASSERT_TRUE(ClickPicturePoint(window, MiddleOf(sendNo).X, MiddleOf(sendNo).Y));
  ASSERT_TRUE(shows(trackNext, "track screen after the race"));
  ASSERT_TRUE(PressKeys("Escape"));
  ASSERT_TRUE(shows(startGame, "main menu after the race"));
  ASSERT_TRUE(PressKeys("Escape"));
  ASSERT_TRUE(shows({{menus.Pattern("scr_ExitTheGame"), 107, 104}}, "exit question"));
  ASSERT_TRUE(ClickPicturePoint(window, MiddleOf(yesExit).X, MiddleOf(yesExit).Y));
  ASSERT_TRUE(shows({{exitButton.Background, 0, 0}}, "exit page"));
  Shot(window, "windows-04-exit-page");
  ASSERT_TRUE(shows(exitButton.Usable, "exit page, countdown over"));
  ASSERT_TRUE(ClickPicturePoint(window, exitButton.Middle.X, exitButton.Middle.Y));
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
