// The game as a separate process in a real window, started in a folder that holds saved
// options and progress: it shows what the files hold, is left through the exit question and
// the exit page, and writes back exactly the bytes it read.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/Cp1251.h"
#include "platform/GamePaths.h"
#include "race/RunningString.h"
#include "shell/Settings.h"
#include "shell/TrackScreen.h"
#include "tests/harness/GameHarness.h"
#include "tests/harness/ScreenParts.h"
#include "tests/xwindow/ChildProcess.h"
#include "tests/xwindow/FileText.h"
#include "tests/xwindow/GameWindow.h"
#include "tests/xwindow/WindowPicture.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr RaceTime kTrackOneRecord{12, 34, 1};

// A save folder with a player, a score, unlocks beyond the start and a record on track 1.
class SavedProgress : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("bk-progress-" + std::to_string(::getpid()));
    fs::create_directories(folder_);
    const GameRoots previous = CurrentGameRoots();
    SetGameRoots({fs::path(BK_GAME_DIR), folder_});
    GameState state;
    ResetRecords(state);
    state.PlayerName = Utf8ToCp1251("Аня");
    state.Records[0] = {"1", Utf8ToCp1251("Аня"), "1234"};  // the table agrees with the progress
    state.Score = 1234;
    state.PointsNeeded = 1200;
    state.UnlockStep = 2;
    state.TracksAvailable = 5;
    state.CarsAvailable = 3;
    TrackSlotTimes times{};
    times.fill(RaceTime::None());
    times[0] = kTrackOneRecord;
    ASSERT_FALSE(SaveConfig(state));
    ASSERT_FALSE(SaveProgress(state, times));
    SetGameRoots(previous);
    config_ = FileText(folder_ / "Config.cfg");
    progress_ = FileText(folder_ / "Configdat.cfg");
    ASSERT_FALSE(config_.empty());
    ASSERT_FALSE(progress_.empty());
  }
  void TearDown() override { fs::remove_all(folder_); }

  fs::path folder_;
  std::string config_;
  std::string progress_;
};

TEST_F(SavedProgress, TheTrackScreenAndTheGreetingShowWhatTheFilesHold) {
  HarnessOptions options;
  options.SaveRoot = folder_;
  GameHarness game(options);
  TForm1& form = game.Form();
  game.StepFrames(485);
  ASSERT_EQ(game.State().ScreenState, ScrEnterName);
  EXPECT_EQ(form.CurrentPage()->Edit->Text, Utf8ToCp1251("Аня")) << "the saved name is offered";
  game.PressKey(vk::Enter);
  game.StepFrame();
  ASSERT_EQ(game.State().ScreenState, ScrMainMenu);
  const std::string greeting = CurrentMenus(form).Greeting()->Text;
  for (const std::string shown : {"1234", "1200", ": 3", ": 5"}) {
    EXPECT_NE(greeting.find(shown), std::string::npos) << shown << " in " << greeting;
  }
  form.GoTo(ScrChooseTrack);
  game.StepFrames(30);
  EXPECT_EQ(TrackScreen::RecordText(form.Race.Tracks.Tracks[0].BestTime), "1:34:12");
  for (int32_t track = 0; track < 6; ++track) {
    EXPECT_EQ(form.Race.Tracks.Tracks[static_cast<size_t>(track)].Unlocked, track < 5) << track;
  }
  game.PressKey(vk::Enter);
  game.StepFrames(30);
  ASSERT_EQ(game.State().ScreenState, ScrChooseCar);
  for (int32_t car = 0; car < 5; ++car) {
    EXPECT_EQ(form.Race.Cars.Cars[static_cast<size_t>(car)].Unlocked, car < 3) << car;
  }
}

TEST_F(SavedProgress, TheGameLeftThroughTheExitQuestionWritesBackWhatItRead) {
  ChildProcess game(folder_, {std::string(BK_GAME_DIR) + "/brindle-karts"});
  ASSERT_TRUE(game.Started());
  const std::string id = FindGameWindow(game.Pid());
  ASSERT_FALSE(id.empty()) << "no game window";
  ASSERT_TRUE(RunCommand("xdotool windowactivate --sync " + id));

  const ShippedPictures menus(fs::path(BK_GAME_DIR) / "Data" / "data1.oil");
  const auto startGame = PlacedButton(menus, "b_stgame", 320, 250);
  const ShownExitButton exitButton = ShippedExitButton(BK_GAME_DIR);
  ASSERT_TRUE(ScreenShows(id, {{menus.Pattern("scr_entername"), 107, 104}}, "name entry", 60s));
  ASSERT_TRUE(PressKeys("Return"));  // the saved name, confirmed
  ASSERT_TRUE(ScreenShows(id, startGame, "main menu"));
  ASSERT_TRUE(ClickMiddleOf(id, startGame));
  ASSERT_TRUE(ScreenShows(id, PlacedButton(menus, "bc_race", 642, 524), "track screen"));
  Shot(id, "real-track-screen");
  ASSERT_TRUE(PressKeys("Escape"));  // back to the main menu
  ASSERT_TRUE(ScreenShows(id, startGame, "main menu"));
  ASSERT_TRUE(PressKeys("Escape"));  // the exit question
  ASSERT_TRUE(ScreenShows(id, {{menus.Pattern("scr_ExitTheGame"), 107, 104}}, "exit question"));
  ASSERT_TRUE(PressKeys("Return"));  // yes: saved, then the exit page
  ASSERT_TRUE(ScreenShows(id, exitButton.Usable, "exit page, countdown over"));
  Shot(id, "real-exit-page");
  ASSERT_TRUE(ClickPicturePoint(id, exitButton.Middle.X, exitButton.Middle.Y));

  const std::optional<int> status = game.WaitExit(10s);
  ASSERT_TRUE(status) << "the game did not close through its exit page";
  EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0);
  EXPECT_EQ(FileText(folder_ / "Config.cfg"), config_);
  EXPECT_EQ(FileText(folder_ / "Configdat.cfg"), progress_);
}

}  // namespace
