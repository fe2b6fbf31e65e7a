// The game as a separate process in a real window, started in a folder that holds saved
// options and progress: it shows what the files hold, is left through the exit question and
// the exit page, and writes back exactly the bytes it read.
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "engine/graphics/FileBytes.h"
#include "platform/GamePaths.h"
#include "race/RunningString.h"
#include "shell/Settings.h"
#include "shell/TrackScreen.h"
#include "tests/display/CommandOutput.h"
#include "tests/harness/GameHarness.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr RaceTime kTrackOneRecord{12, 34, 1};

std::string FileText(const fs::path& path) {
  std::vector<uint8_t> bytes;
  ReadFileBytes(path.string(), bytes);
  return std::string(bytes.begin(), bytes.end());
}

void RunCommand(const std::string& command) {
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

// With BK_SHOT_DIR set, the window's picture is saved there as PNG, to be looked at.
void Shot(const std::string& window, const std::string& name) {
  const char* shots = std::getenv("BK_SHOT_DIR");
  if (!shots) return;
  fs::create_directories(shots);
  RunCommand("import -window " + window + " '" + (fs::path(shots) / (name + ".png")).string() +
             "'");
}

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
    state.PlayerName = "\xC0\xED\xFF";  // "Аня"
    state.Records[0] = {"1", "\xC0\xED\xFF", "5000"};
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
  EXPECT_EQ(form.EditBox->Text, "\xC0\xED\xFF") << "the saved name is offered";
  game.PressKey(vk::Enter);
  game.StepFrame();
  ASSERT_EQ(game.State().ScreenState, ScrMainMenu);
  const std::string greeting = form.RunningText->Text;
  for (const std::string shown : {"1234", "1200", ": 3", ": 5"}) {
    EXPECT_NE(greeting.find(shown), std::string::npos) << shown << " in " << greeting;
  }
  form.LeaveScreen(ScrMainMenu);
  form.EnterScreen(ScrChooseTrack);
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
  const std::string program = std::string(BK_GAME_DIR) + "/brindle-karts";
  const std::string script = "cd '" + folder_.string() + "' && exec '" + program + "'";
  std::vector<char*> argv = {const_cast<char*>("sh"), const_cast<char*>("-c"),
                             const_cast<char*>(script.c_str()), nullptr};
  pid_t game = 0;
  ASSERT_EQ(posix_spawnp(&game, "sh", nullptr, nullptr, argv.data(), environ), 0);
  const std::string found =
      CommandOutput("timeout 10 xdotool search --sync --onlyvisible --pid " + std::to_string(game) +
                    " --name '^Brindle Karts$' | head -n 1");
  const std::string id = found.substr(0, found.find('\n'));
  ASSERT_FALSE(id.empty()) << "no game window";
  RunCommand("xdotool windowactivate --sync " + id);

  std::this_thread::sleep_for(7s);  // the splash runs 485 frames at 90 a second
  RunCommand("xdotool key --window " + id + " Return");  // the saved name, confirmed
  std::this_thread::sleep_for(1500ms);
  RunCommand("xdotool mousemove --window " + id + " 400 272 click 1");  // "b_stgame"
  std::this_thread::sleep_for(1500ms);
  Shot(id, "real-track-screen");
  RunCommand("xdotool key --window " + id + " Escape");  // back to the main menu
  std::this_thread::sleep_for(1s);
  RunCommand("xdotool key --window " + id + " Escape");  // the exit question
  std::this_thread::sleep_for(1s);
  RunCommand("xdotool key --window " + id + " Return");  // yes: saved, then the exit page
  std::this_thread::sleep_for(5s);                       // its countdown
  Shot(id, "real-exit-page");
  // The shipped exit button spans 250..550 x 448..504; the page sees the pointer over it
  // on a frame before the click.
  RunCommand("xdotool mousemove --window " + id + " 400 476");
  std::this_thread::sleep_for(300ms);
  RunCommand("xdotool mousemove --window " + id + " 402 478");
  std::this_thread::sleep_for(300ms);
  RunCommand("xdotool click 1");

  int status = 0;
  pid_t ended = 0;
  for (int wait = 0; wait < 100 && ended == 0; ++wait) {
    std::this_thread::sleep_for(100ms);
    ended = waitpid(game, &status, WNOHANG);
  }
  if (ended == 0) {
    kill(game, SIGTERM);
    waitpid(game, &status, 0);
    FAIL() << "the game did not close through its exit page";
  }
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(FileText(folder_ / "Config.cfg"), config_);
  EXPECT_EQ(FileText(folder_ / "Configdat.cfg"), progress_);
}

}  // namespace
