// A career as a player meets it, from a fresh profile: only keys and mouse clicks through
// the menus, the autopilot racing (the autopilot build's driver), the race-over screen left
// by its buttons, each newly opened track and car picked, up to the game-completed and
// game-over screens, and now and then the game left through the exit question and the exit
// page and started again from its saved files.
//
// After every race: the score has grown by the prize of the place and nothing else, the
// track record is the faster of the old record and the race, the player's row of the
// records table holds the score, and the files on disk hold exactly what the game holds.
// After every restart the game holds what it held when it was left. The unlock steps open
// tracks and cars in their order. A race the autopilot is stuck in is left through the
// quit question, as a player would.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "online/GoToLink.h"
#include "platform/Cp1251.h"
#include "shell/Settings.h"
#include "tests/autopilot/RaceAutopilot.h"
#include "tests/harness/ScreenParts.h"
#include "tests/shell/MenuPlayer.h"

namespace {

namespace fs = std::filesystem;

// Ten times a normal race: the autopilot is stuck.
constexpr int kStuckFrames = 30000;
// The exit page's own exit button spans 250..550 x 448..504.
constexpr int kExitButtonX = 400;
constexpr int kExitButtonY = 476;
const char kPlayerName[] = "\u0410\u043d\u044f";            // typed as UTF-8
const std::string kPlayerNameCp1251 = Utf8ToCp1251("Аня");  // held and saved as Windows-1251

int PlayerPlace(const GameState& state) {
  for (int row = 1; row <= kFinishRowCount; ++row) {
    if (state.FinishRows[row].Id == kPlayerFinishId) return row;
  }
  return 0;
}

int64_t Hundredths(const RaceTime& time) {
  return (static_cast<int64_t>(time.Minutes) * 60 + time.Seconds) * 100 + time.Hundredths;
}

// The page's visible button showing that picture, or null (the race screens name their
// buttons by their pictures' slots, not by name).
TKaltoButton* VisibleButtonShowing(TForm1& form, const std::string& picture) {
  TKaltoGUIList* gui = CurrentGui(form);
  if (!gui) return nullptr;
  for (const auto& widget : gui->Widgets) {
    auto* button = dynamic_cast<TKaltoButton*>(widget.get());
    const TImageListItem* image = button ? button->Slots[slNormal].Image : nullptr;
    if (button && button->Visible && image && image->Name == picture) return button;
  }
  return nullptr;
}

void ClickPicture(GameHarness& game, const std::string& picture) {
  TKaltoButton* button = VisibleButtonShowing(game.Form(), picture);
  ASSERT_NE(button, nullptr) << picture;
  game.MouseMove(button->X + button->Width / 2, button->Y + button->Height / 2);
  game.StepFrame();
  game.Click(button->X + button->Width / 2, button->Y + button->Height / 2);
  game.StepFrame();
}

void WaitForButton(GameHarness& game, const std::string& picture, int frames) {
  for (int wait = 0; wait < frames && !VisibleButtonShowing(game.Form(), picture); ++wait) {
    game.StepFrame();
  }
}

// What the player keeps between runs: as the running game holds it, or as its files do.
struct Progress {
  int32_t Score = 0;
  int32_t PointsNeeded = 0;
  int32_t UnlockStep = 0;
  int32_t TracksAvailable = 0;
  int32_t CarsAvailable = 0;
  std::string PlayerName;
  std::vector<std::string> Records;   // "place name score" per row
  std::vector<int64_t> TrackRecords;  // in hundredths

  static Progress Of(const GameState& state, const std::vector<RaceTime>& trackRecords) {
    Progress p{state.Score,
               state.PointsNeeded,
               state.UnlockStep,
               state.TracksAvailable,
               state.CarsAvailable,
               state.PlayerName,
               {},
               {}};
    for (const RaceTime& time : trackRecords) p.TrackRecords.push_back(Hundredths(time));
    for (const RecordRow& row : state.Records) {
      p.Records.push_back(row.Place + " " + row.Name + " " + row.ScoreText);
    }
    return p;
  }

  static Progress HeldBy(TForm1& form) {
    std::vector<RaceTime> records;
    for (const TrackInfo& track : form.Race.Tracks.Tracks) records.push_back(track.BestTime);
    return Of(form.State, records);
  }

  // Read from the files of the current save root into a state of its own.
  static Progress Saved(size_t trackCount) {
    GameState state;
    ResetRecords(state);  // the places are not stored; the game numbers them at start
    TrackSlotTimes times{};
    const SettingsProblem config = LoadConfig(state);
    EXPECT_FALSE(config) << *config;
    const SettingsProblem progress = LoadProgress(state, times);
    EXPECT_FALSE(progress) << *progress;
    return Of(state, std::vector<RaceTime>(times.begin(), times.begin() + trackCount));
  }
};

void ExpectSame(const Progress& expected, const Progress& actual, const std::string& what) {
  SCOPED_TRACE(what);
  EXPECT_EQ(actual.Score, expected.Score);
  EXPECT_EQ(actual.PointsNeeded, expected.PointsNeeded);
  EXPECT_EQ(actual.UnlockStep, expected.UnlockStep);
  EXPECT_EQ(actual.TracksAvailable, expected.TracksAvailable);
  EXPECT_EQ(actual.CarsAvailable, expected.CarsAvailable);
  EXPECT_EQ(actual.PlayerName, expected.PlayerName);
  EXPECT_EQ(actual.Records, expected.Records);
  EXPECT_EQ(actual.TrackRecords, expected.TrackRecords);
}

// Tracks and cars open after an unlock step.
struct Opened {
  int32_t Tracks, Cars;
  bool operator==(const Opened& o) const { return Tracks == o.Tracks && Cars == o.Cars; }
};
std::ostream& operator<<(std::ostream& out, const Opened& o) {
  return out << o.Tracks << " tracks, " << o.Cars << " cars";
}

// One player's career: the game started in a save folder of its own, left and started
// again from it as often as the test likes. Every link the game would open is only recorded.
class Career {
 public:
  Career() : saves_(fs::temp_directory_path() / ("bk-career-" + std::to_string(::getpid()))) {
    fs::remove_all(saves_);
    fs::create_directories(saves_);
    SetLinkOpener([](const LinkRequest&) {});
  }
  ~Career() {
    Stop();
    SetLinkOpener(nullptr);
    std::error_code ec;
    fs::remove_all(saves_, ec);
  }

  GameHarness& Game() { return *game_; }
  GameState& State() { return game_->State(); }
  int Races() const { return races_; }
  int Abandoned() const { return abandoned_; }
  int Restarts() const { return restarts_; }
  int RacesDriven() const { return racesDriven_ + (autopilot_ ? autopilot_->RacesDriven() : 0); }
  int64_t Frames() const { return frames_ + (game_ ? game_->FramesRun() : 0); }
  bool Completed() const { return completed_; }
  const std::vector<Opened>& OpenedSteps() const { return opened_; }

  // Starts the game and goes through the splash and the name entry (typing the name on the
  // first start, confirming the offered one later) to the track screen.
  void Start() {
    HarnessOptions options;
    options.SaveRoot = saves_;
    game_ = std::make_unique<GameHarness>(options);
    autopilot_.emplace(game_->Form());
    autopilot_->Attach();
    RunSplash(*game_);
    const std::string offered = game_->Form().CurrentPage()->Edit->Text;
    if (offered.empty()) {
      game_->TypeText(kPlayerName);
      game_->StepFrame();
    } else {
      EXPECT_EQ(offered, kPlayerNameCp1251) << "the saved name is offered";
    }
    Press(*game_, vk::Enter);
    ASSERT_EQ(State().ScreenState, ScrMainMenu);
    game_->StepFrames(kSettleFrames);
    if (opened_.empty()) opened_.push_back({State().TracksAvailable, State().CarsAvailable});
    ToTrackScreen();
  }

  // From the track screen: Escape to the main menu, Escape to the exit question, Enter for
  // yes, the exit page's countdown, its exit button; then the game again from its files,
  // which must hold everything it held.
  void Restart() {
    const Progress before = Progress::HeldBy(game_->Form());
    Press(*game_, vk::Escape);
    ASSERT_EQ(State().ScreenState, ScrMainMenu);
    game_->StepFrames(kSettleFrames);
    Press(*game_, vk::Escape);
    ASSERT_EQ(State().ScreenState, ScrExitConfirm);
    game_->StepFrames(kSettleFrames);
    Press(*game_, vk::Enter);
    ASSERT_EQ(State().ScreenState, ScrExit);
    TForm1& form = game_->Form();
    for (int wait = 0; wait < 1000 && form.PromoScreen->Countdown > 0; ++wait) {
      game_->StepFrame();
    }
    game_->MouseMove(kExitButtonX, kExitButtonY);
    game_->StepFrame();
    game_->MouseDown(kExitButtonX, kExitButtonY);
    form.Loop.RunOnce();  // the press is handled; no frame follows a close
    ASSERT_TRUE(form.Loop.QuitRequested()) << "the exit page's button did not close the game";
    Stop();
    ++restarts_;

    Start();
    ExpectSame(before, Progress::HeldBy(game_->Form()),
               "after restart " + std::to_string(restarts_));
  }

  // One race on the newest track with the newest car, from the track screen back to it.
  void Race() {
    GameState& state = State();
    PickNewest(state.SelectedTrack, state.TracksAvailable);
    TrackInfo& track = game_->Form().Race.Tracks.Tracks[state.SelectedTrack];
    const Progress before = Progress::HeldBy(game_->Form());
    ClickButton(*game_, "bc_race");
    game_->StepFrames(kSettleFrames);
    PickNewest(state.SelectedCar, state.CarsAvailable);
    ClickButton(*game_, "bc_race");
    int frames = 0;
    while (state.ScreenState == ScrRace && frames++ < kStuckFrames) game_->StepFrame();
    ++races_;
    const std::string race = "race " + std::to_string(races_);
    if (state.ScreenState == ScrRace) {
      std::printf("%s: track %d, car %d, stuck after %d frames: quit\n", race.c_str(),
                  state.SelectedTrack + 1, state.SelectedCar + 1, frames);
      QuitStuckRace();
      ExpectSame(before, Progress::HeldBy(game_->Form()), race + " quit");
      return;
    }
    ASSERT_EQ(state.ScreenState, ScrRaceOver) << race;
    const int place = PlayerPlace(state);
    ASSERT_GT(place, 0) << race;
    const RaceTime time = state.FinishRows[place].Time;
    LeaveRaceOver();
    std::printf("%s: track %d, car %d, place %d, %d frames, score %d\n", race.c_str(),
                state.SelectedTrack + 1, state.SelectedCar + 1, place, frames, state.Score);

    const int32_t prize = place <= 3 ? track.Prizes[static_cast<size_t>(place - 1)] : 0;
    EXPECT_EQ(state.Score - before.Score, prize) << race << ", place " << place;
    const int64_t oldRecord = before.TrackRecords[static_cast<size_t>(state.SelectedTrack)];
    EXPECT_EQ(Hundredths(track.BestTime), std::min(Hundredths(time), oldRecord))
        << race << ": the track record is the faster time";
    ExpectPlayerRowHoldsTheScore(race);
    ExpectSame(Progress::HeldBy(game_->Form()), Progress::Saved(before.TrackRecords.size()),
               race + ": the files");
    if (state.UnlockStep != before.UnlockStep) {
      opened_.push_back({state.TracksAvailable, state.CarsAvailable});
    }
  }

 private:
  void Stop() {
    if (!game_) return;
    racesDriven_ += autopilot_->RacesDriven();
    frames_ += game_->FramesRun();
    autopilot_.reset();
    game_.reset();
  }

  void ToTrackScreen() {
    ClickButton(*game_, "b_stgame");
    ASSERT_EQ(State().ScreenState, ScrChooseTrack);
    game_->StepFrames(kSettleFrames);
  }

  // Selects the last open entry with the screen's next button (the newest unlock).
  void PickNewest(const int32_t& selected, int32_t available) {
    for (int clicks = 0; selected != available - 1 && clicks < 12; ++clicks) {
      ClickButton(*game_, "bc_next");
    }
    EXPECT_EQ(selected, available - 1);
  }

  // As a player would: the quit question, yes, and from the main menu back to the tracks.
  void QuitStuckRace() {
    ++abandoned_;
    Press(*game_, vk::Escape);
    ASSERT_EQ(State().ScreenState, ScrQuitRace);
    WaitForButton(*game_, "b_yes1", 600);
    game_->StepFrames(kSettleFrames);
    ClickPicture(*game_, "b_yes1");
    ASSERT_EQ(State().ScreenState, ScrMainMenu);
    game_->StepFrames(kSettleFrames);
    ToTrackScreen();
  }

  // Continue once the count-up is done, no to sending the score; when that was the last
  // unlock, through the game-completed and game-over screens.
  void LeaveRaceOver() {
    WaitForButton(*game_, "bro_next", 3000);
    ClickPicture(*game_, "bro_next");
    game_->StepFrames(kSettleFrames);
    if (VisibleButtonShowing(game_->Form(), "b_no1")) ClickPicture(*game_, "b_no1");
    if (State().ScreenState == ScrGameCompleted) {
      completed_ = true;
      FinishTheGame();
    } else {
      game_->StepFrames(kSettleFrames);
    }
    ASSERT_EQ(State().ScreenState, ScrChooseTrack) << "race " << races_;
  }

  // The game-completed picture, then the game-over screen's name field kept with Enter and
  // its "no" button, back to the track screen.
  void FinishTheGame() {
    for (int wait = 0; wait < 2000 && State().ScreenState != ScrGameOver; ++wait) {
      game_->StepFrame();
    }
    ASSERT_EQ(State().ScreenState, ScrGameOver);
    for (int wait = 0; wait < 2000 && !VisibleButtonShowing(game_->Form(), "b_no1"); ++wait) {
      if (CurrentGui(game_->Form())) Press(*game_, vk::Enter);
      game_->StepFrame();
    }
    ClickPicture(*game_, "b_no1");
    game_->StepFrames(kSettleFrames);
  }

  // The table keeps the player's best total, which only grows: once the player has a row,
  // it holds the current score, and the table stays in order with places 1 to 10.
  void ExpectPlayerRowHoldsTheScore(const std::string& race) {
    const auto& records = State().Records;
    std::vector<int> scores;
    for (size_t row = 0; row < records.size(); ++row) {
      EXPECT_EQ(records[row].Place, std::to_string(row + 1)) << race;
      scores.push_back(std::stoi(records[row].ScoreText));
    }
    EXPECT_TRUE(std::is_sorted(scores.rbegin(), scores.rend())) << race;
    const auto player = std::find_if(records.begin(), records.end(), [&](const RecordRow& row) {
      return row.Name == State().PlayerName;
    });
    if (State().Score > scores.back()) {
      ASSERT_NE(player, records.end()) << race << ": a score of " << State().Score;
    }
    if (player != records.end()) {
      EXPECT_EQ(player->ScoreText, std::to_string(State().Score)) << race;
    }
  }

  fs::path saves_;
  std::unique_ptr<GameHarness> game_;
  std::optional<RaceAutopilot> autopilot_;
  std::vector<Opened> opened_;
  int races_ = 0;
  int abandoned_ = 0;
  int restarts_ = 0;
  int racesDriven_ = 0;
  int64_t frames_ = 0;
  bool completed_ = false;
};

void PrintSummary(const Career& career, const char* what) {
  std::printf(
      "career: %s after %d races (%d quit when stuck, %d restarts), %lld frames "
      "(%.1f minutes of play)\n",
      what, career.Races(), career.Abandoned(), career.Restarts(),
      static_cast<long long>(career.Frames()), career.Frames() / 90.0 / 60.0);
}

// The shortened career the sanitizer build also runs: to the first unlock, with a restart
// after the second race.
TEST(Career, FromAFreshProfileRacesByInputUntilTheFirstUnlockSurvivingARestart) {
  Career career;
  ASSERT_NO_FATAL_FAILURE(career.Start());
  const int32_t firstStep = career.State().UnlockStep;
  while (career.State().UnlockStep == firstStep && career.Races() < 40) {
    ASSERT_NO_FATAL_FAILURE(career.Race());
    if (career.Races() == 2) {
      ASSERT_NO_FATAL_FAILURE(career.Restart());
    }
  }
  PrintSummary(career, "first unlock");
  ASSERT_NE(career.State().UnlockStep, firstStep) << career.Races() << " races without an unlock";
  EXPECT_GE(career.Restarts(), 1);
  EXPECT_EQ(career.State().TracksAvailable, 5);
  EXPECT_TRUE(career.Game().Form().Race.Tracks.Tracks[4].Unlocked);
  EXPECT_EQ(career.RacesDriven(), career.Races());
}

TEST(Career, FromAFreshProfileToTheGameCompletedPickingEachNewTrackAndCarAcrossRestarts) {
  Career career;
  ASSERT_NO_FATAL_FAILURE(career.Start());
  while (!career.Completed() && career.Races() < 300) {
    ASSERT_NO_FATAL_FAILURE(career.Race());
    if (career.Races() % 10 == 0) {
      ASSERT_NO_FATAL_FAILURE(career.Restart());
    }
  }
  PrintSummary(career, career.Completed() ? "completed" : "NOT completed");
  for (const Opened& o : career.OpenedSteps()) {
    std::printf("  open: %d tracks, %d cars\n", o.Tracks, o.Cars);
  }
  EXPECT_TRUE(career.Completed()) << "the autopilot did not complete the game within 300 races";
  EXPECT_GE(career.Restarts(), 3);
  const std::vector<Opened> expected{{3, 2}, {5, 2}, {5, 3},  {7, 3},  {7, 4},
                                     {9, 4}, {9, 5}, {10, 5}, {11, 5}, {12, 5}};
  EXPECT_EQ(career.OpenedSteps(), expected) << "tracks and cars open after each unlock step";
  EXPECT_EQ(career.RacesDriven(), career.Races());
  // The completed game is kept too.
  ASSERT_NO_FATAL_FAILURE(career.Restart());
  EXPECT_EQ(career.State().UnlockStep, 9);
}

}  // namespace
