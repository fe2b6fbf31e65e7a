// A first run of the game, start to finish, in a real window and by real X input only: the
// splash, a Cyrillic name typed on the keyboard, the menus by mouse and by keys, full screen
// on and off, a race (driven by the autopilot build), the score sent to a score server of
// the test's own, the exit page; then a second start in the same folder finds what the first
// one saved. Every screen is waited for by the pictures the game draws, and saved as PNG.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/Cp1251.h"
#include "platform/GamePaths.h"
#include "shell/Settings.h"
#include "tests/xwindow/ChildProcess.h"
#include "tests/xwindow/FileText.h"
#include "tests/xwindow/GameScreens.h"
#include "tests/xwindow/GameWindow.h"
#include "tests/xwindow/WindowPicture.h"
#include "tools/score-server/ScoreStore.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const std::string kNameCp1251 = Utf8ToCp1251(kRussianNameUtf8);

class FirstRun : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "this test needs an X display";
    folder_ = fs::temp_directory_path() / ("bk-first-run-" + std::to_string(::getpid()));
    fs::remove_all(folder_);
    fs::create_directories(folder_ / "server");
    // A game folder of its own: the shipped data linked in, nothing saved yet.
    for (const char* shipped : {"Data", "Sounds", "wdata", "website.url"}) {
      fs::create_symlink(fs::path(BK_GAME_DIR) / shipped, folder_ / shipped);
    }
  }
  void TearDown() override { fs::remove_all(folder_); }

  bool Shows(const std::vector<PlacedPicture>& anyOf, const std::string& screen,
             std::chrono::seconds limit = 20s) {
    return ScreenShows(window_, anyOf, screen, limit);
  }

  bool HasSize(const WindowBox& wanted, std::chrono::seconds limit = 15s) {
    const auto end = std::chrono::steady_clock::now() + limit;
    WindowBox box;
    do {
      box = WindowGeometry(window_);
      if (box.Width == wanted.Width && box.Height == wanted.Height) return true;
      std::this_thread::sleep_for(200ms);
    } while (std::chrono::steady_clock::now() < end);
    ADD_FAILURE() << "the window is " << box.Width << "x" << box.Height << ", not " << wanted.Width
                  << "x" << wanted.Height;
    return false;
  }

  std::string StartGame(ChildProcess& game) {
    if (!game.Started()) return {};
    const std::string window = FindGameWindow(game.Pid());
    if (!window.empty()) RunCommand("xdotool windowactivate --sync " + window);
    return window;
  }

  GameState SavedState(TrackSlotTimes& times) {
    const GameRoots previous = CurrentGameRoots();
    SetGameRoots({fs::path(BK_GAME_DIR), folder_});
    GameState state;
    EXPECT_FALSE(LoadConfig(state));
    EXPECT_FALSE(LoadProgress(state, times));
    SetGameRoots(previous);
    return state;
  }

  fs::path folder_;
  std::string window_;
  GameScreens screens_{BK_GAME_DIR};
};

TEST_F(FirstRun, FromAFreshFolderThroughARaceAndTheScoreServerToTheExitPageAndBack) {
  ChildProcess server(
      folder_ / "server",
      {std::string(BK_TOOLS_DIR) + "/brindle-score-server", "--db",
       (folder_ / "server" / "scores.sqlite").string(), "--host", "127.0.0.1", "--port", "0"},
      folder_ / "server" / "serving.txt");
  ASSERT_TRUE(server.Started());
  std::string port;
  for (int wait = 0; wait < 100 && port.empty(); ++wait) {
    const std::string serving = FileText(folder_ / "server" / "serving.txt");
    const std::string marker = "http://127.0.0.1:";
    const size_t at = serving.find(marker);
    const size_t end = serving.find('/', at + marker.size());
    if (at != std::string::npos && end != std::string::npos) {
      port = serving.substr(at + marker.size(), end - at - marker.size());
    } else {
      std::this_thread::sleep_for(100ms);
    }
  }
  ASSERT_FALSE(port.empty()) << "the score server did not say where it serves";
  std::ofstream(folder_ / "Server.cfg") << "http://127.0.0.1:" << port << "\n";

  const auto options = PlacedButton(screens_.Menus, "b_opt", 320, 300);
  const auto fullScreenOff =
      std::vector<PlacedPicture>{{screens_.Menus.Pattern("b_off", 1), 600, 220}};
  const auto fullScreenOn =
      std::vector<PlacedPicture>{{screens_.Menus.Pattern("b_on", 1), 600, 220}};
  const auto apply = PlacedButton(screens_.Menus, "b_apply", 180, 525);
  ASSERT_FALSE(screens_.Exit.Usable.empty());

  const auto firstStart = std::chrono::steady_clock::now();
  ChildProcess game(folder_, {BK_AUTOPILOT_GAME});
  window_ = StartGame(game);
  ASSERT_FALSE(window_.empty()) << "no game window";
  EXPECT_TRUE(HasSize({0, 0, 800, 600}));
  ASSERT_TRUE(Shows(screens_.NameEntry, "name entry", 60s));  // after the splash
  ASSERT_TRUE(EnterRussianName(window_, "first-run-01-name-entry", screens_.StartGame));
  Shot(window_, "first-run-02-main-menu");
  {
    TrackSlotTimes times{};
    EXPECT_EQ(SavedState(times).PlayerName, kNameCp1251) << "the name as typed, saved";
  }

  // Full screen on through the options, the window covering the screen, and off again.
  ASSERT_TRUE(ClickMiddleOf(window_, options));
  ASSERT_TRUE(Shows(fullScreenOff, "options screen"));
  Shot(window_, "first-run-03-options");
  ASSERT_TRUE(ClickMiddleOf(window_, fullScreenOff));
  ASSERT_TRUE(Shows(fullScreenOn, "options screen with full screen on"));
  ASSERT_TRUE(ClickMiddleOf(window_, apply));
  const WindowBox screen = ScreenGeometry();
  ASSERT_TRUE(HasSize(screen)) << "full screen";
  const WindowBox covering = WindowGeometry(window_);
  EXPECT_EQ(covering.X, screen.X);
  EXPECT_EQ(covering.Y, screen.Y);
  // The same screens and buttons, found through the stretched picture.
  ASSERT_TRUE(Shows(PlacedButton(screens_.Menus, "b_exit", 320, 450), "main menu in full screen"));
  Shot(window_, "first-run-04-full-screen");
  ASSERT_TRUE(ClickMiddleOf(window_, options));
  ASSERT_TRUE(Shows(fullScreenOn, "options screen in full screen"));
  ASSERT_TRUE(ClickMiddleOf(window_, fullScreenOn));
  ASSERT_TRUE(Shows(fullScreenOff, "options screen with full screen off again"));
  ASSERT_TRUE(ClickMiddleOf(window_, apply));
  ASSERT_TRUE(HasSize({0, 0, 800, 600})) << "back in the window";
  ASSERT_TRUE(Shows(screens_.StartGame, "main menu after full screen"));

  // Track and car by mouse and keys, then the race.
  ASSERT_TRUE(ClickMiddleOf(window_, screens_.StartGame));
  ASSERT_TRUE(Shows(screens_.TrackNext, "track screen") &&
              Shows(screens_.RaceButton, "track screen"));
  Shot(window_, "first-run-05-track");
  ASSERT_TRUE(PressKeys("Return"));
  ASSERT_TRUE(Shows(screens_.CarNext, "car screen") && Shows(screens_.RaceButton, "car screen"));
  Shot(window_, "first-run-06-car");
  ASSERT_TRUE(ClickMiddleOf(window_, screens_.RaceButton));
  // Red lights up for a second, then yellow beside it for another, before the start.
  ASSERT_TRUE(Shows(screens_.StartLights, "race start lights", 30s));
  Shot(window_, "first-run-07-race-start");
  std::this_thread::sleep_for(8s);  // under way
  Shot(window_, "first-run-08-race");
  ASSERT_TRUE(Shows(screens_.RaceOver, "race-over screen", 240s));
  ASSERT_TRUE(Shows(screens_.Continue, "race-over screen, counted up", 60s));
  Shot(window_, "first-run-09-race-over");
  ASSERT_TRUE(ClickMiddleOf(window_, screens_.Continue));
  ASSERT_TRUE(Shows(screens_.SendQuestion, "send question"));
  Shot(window_, "first-run-10-send-question");
  TrackSlotTimes raced{};
  const GameState afterRace = SavedState(raced);
  EXPECT_FALSE(raced[0] == RaceTime::None()) << "the race time is track 1's record";
  ASSERT_TRUE(ClickMiddleOf(window_, screens_.SendYes));
  // The score goes out before the track screen's first frame.
  ASSERT_TRUE(Shows(screens_.TrackNext, "track screen after sending"));
  const int serverStatus = server.Stop();
  EXPECT_TRUE(WIFEXITED(serverStatus) && WEXITSTATUS(serverStatus) == 0);
  {
    ScoreStore scores((folder_ / "server" / "scores.sqlite").string());
    const std::vector<BestScore> table = scores.BestScores(0, 10).Rows;
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0].Name, kRussianNameUtf8);
    EXPECT_EQ(table[0].Score, afterRace.Score);
  }

  // Back to the main menu by keys, out through the exit question and the exit page.
  ASSERT_TRUE(PressKeys("Escape"));
  ASSERT_TRUE(Shows(screens_.StartGame, "main menu after the race"));
  ASSERT_TRUE(PressKeys("Escape"));
  ASSERT_TRUE(Shows(screens_.ExitQuestion, "exit question"));
  Shot(window_, "first-run-11-exit-question");
  ASSERT_TRUE(ClickMiddleOf(window_, screens_.YesExit));
  ASSERT_TRUE(Shows({{screens_.Exit.Background, 0, 0}}, "exit page"));
  Shot(window_, "first-run-12-exit-page");
  ASSERT_TRUE(Shows(screens_.Exit.Usable, "exit page, countdown over"));
  ASSERT_TRUE(ClickPicturePoint(window_, screens_.Exit.Middle.X, screens_.Exit.Middle.Y));
  const std::optional<int> ended = game.WaitExit(30s);
  ASSERT_TRUE(ended) << "the game did not close through its exit page";
  EXPECT_TRUE(WIFEXITED(*ended) && WEXITSTATUS(*ended) == 0);
  std::cout << "first run: "
            << std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() -
                                                                firstStart)
                   .count()
            << " s\n";
  const std::string config = FileText(folder_ / "Config.cfg");
  const std::string progress = FileText(folder_ / "Configdat.cfg");

  // A second start in the same folder: windowed, the name offered, the progress kept.
  ChildProcess again(folder_, {BK_AUTOPILOT_GAME});
  window_ = StartGame(again);
  ASSERT_FALSE(window_.empty()) << "no game window on the second start";
  EXPECT_TRUE(HasSize({0, 0, 800, 600})) << "full screen was left off";
  ASSERT_TRUE(Shows(screens_.NameEntry, "name entry of the second start", 60s));
  Shot(window_, "first-run-13-after-restart");
  ASSERT_TRUE(PressKeys("Return"));  // nothing typed: only a name offered lets this through
  ASSERT_TRUE(Shows(screens_.StartGame, "main menu of the second start"));
  Shot(window_, "first-run-14-main-menu-again");
  TrackSlotTimes kept{};
  const GameState restarted = SavedState(kept);
  EXPECT_EQ(restarted.PlayerName, kNameCp1251);
  EXPECT_EQ(restarted.Score, afterRace.Score);
  EXPECT_EQ(kept, raced);
  EXPECT_EQ(FileText(folder_ / "Config.cfg"), config) << "the offered name written back as read";
  EXPECT_EQ(FileText(folder_ / "Configdat.cfg"), progress);
}

}  // namespace
