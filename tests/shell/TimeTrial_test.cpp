// The time trial as a player drives it, through the real screens: started from the track
// screen, alone on the course for laps without end, its best lap kept as the track's ghost
// and replayed in the next trial, left through the quit panel back to the track screen,
// and nothing of the career changed by it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "race/Autopilot.h"
#include "race/GhostRecorder.h"
#include "race/Player.h"
#include "shell/GhostFiles.h"
#include "shell/TrackScreen.h"
#include "tests/shell/MenuPlayer.h"
#include "tests/shell/RaceScenario.h"

namespace fs = std::filesystem;

namespace {

constexpr int kFrameLimit = 90 * 60 * 3;

// Everything a race may change for the player's career, and the saved files that keep it.
struct Career {
  explicit Career(TForm1& form) : Score(form.State.Score) {
    const GameState& state = form.State;
    TracksAvailable = state.TracksAvailable;
    CarsAvailable = state.CarsAvailable;
    for (const RecordRow& row : state.Records)
      Records << row.Place << '|' << row.Name << '|' << row.ScoreText << '\n';
    for (const TrackInfo& track : form.Race.Tracks.Tracks) {
      Records << TrackScreen::RecordText(track.BestTime) << '\n';
    }
    for (const char* name : {"Config.cfg", "Configdat.cfg"}) {
      std::ifstream file(SavePath(name), std::ios::binary);
      Records << name << ':' << file.rdbuf() << '\n';
    }
  }
  int32_t Score;
  int32_t TracksAvailable = 0;
  int32_t CarsAvailable = 0;
  std::ostringstream Records;
};

void ExpectSameCareer(const Career& before, const Career& after) {
  EXPECT_EQ(after.Score, before.Score);
  EXPECT_EQ(after.TracksAvailable, before.TracksAvailable);
  EXPECT_EQ(after.CarsAvailable, before.CarsAvailable);
  EXPECT_EQ(after.Records.str(), before.Records.str());
}

class TimeTrialTest : public ::testing::Test {
 protected:
  GameHarness& Game() { return scenario_.Game(); }
  TForm1& Form() { return scenario_.Form(); }
  GameState& State() { return scenario_.State(); }
  const TPlayer& Player() { return *Form().Race.Player; }

  void OpenTrackScreen() {
    ReachMainMenu(Game());
    ClickButton(Game(), "b_stgame");
    ASSERT_EQ(State().ScreenState, ScrChooseTrack);
    Game().StepFrames(kSettleFrames);
  }

  // The autopilot drives until `laps` laps are complete; `eachFrame` looks at the world
  // after every frame.
  void DriveLaps(int32_t laps, const std::function<void()>& eachFrame = {}) {
    Autopilot pilot(Form().Race);
    for (int frame = 0; frame < kFrameLimit && Player().Lap <= laps; ++frame) {
      pilot.PressKeys();
      Game().StepFrame();
      ASSERT_EQ(State().ScreenState, ScrRace);
      if (eachFrame) eachFrame();
    }
    State().KeyHeld.fill(0);
    ASSERT_GT(Player().Lap, laps);
  }

  // Escape, then the quit panel's yes.
  void LeaveThroughTheQuitPanel() {
    Press(Game(), vk::Escape);
    ASSERT_EQ(State().ScreenState, ScrQuitRace);
    Game().StepFrames(30);
    scenario_.ClickButton("b_yes1");
    ASSERT_EQ(State().ScreenState, ScrChooseTrack);
    Game().StepFrames(kSettleFrames);
  }

  bool FocusOn(const std::string& picture) {
    const TKaltoButton* focused = Form().KaltoGUI1.FocusedButton();
    return focused && focused->Name == picture;
  }

  const TrackScreen& ShownTrackScreen() {
    return dynamic_cast<const TrackScreen&>(*Form().ScreenOf(ScrChooseTrack));
  }

  RaceScenario scenario_;
};

}  // namespace

TEST_F(TimeTrialTest, AloneForEndlessLapsTheBestLapIsKeptAndReplayedAndTheCareerStaysAsItWas) {
  OpenTrackScreen();
  const int32_t track = State().SelectedTrack;
  const Career before(Form());
  EXPECT_FALSE(ShownTrackScreen().ShownBestLap().has_value()) << "no ghost yet";
  const int kTrialKey = vk::LetterA + ('T' - 'A');
  Press(Game(), vk::Left);  // the last track, locked
  ASSERT_FALSE(Form().Race.Tracks.Tracks[static_cast<size_t>(State().SelectedTrack)].Unlocked);
  EXPECT_EQ(scenario_.VisibleButton("bc_trial"), nullptr);
  Press(Game(), kTrialKey);
  EXPECT_EQ(State().ScreenState, ScrChooseTrack) << "a locked track has no time trial";
  EXPECT_FALSE(Form().Race.TimeTrial);
  Press(Game(), vk::Right);
  ASSERT_EQ(State().SelectedTrack, track);

  // The first trial from the button: no computer cars, the start lights, then laps beyond
  // the track's race length.
  Form().Race.Tracks.Tracks[static_cast<size_t>(track)].Laps = 1;
  ClickButton(Game(), "bc_trial");
  ASSERT_EQ(State().ScreenState, ScrRace);
  ASSERT_TRUE(Form().Race.TimeTrial);
  EXPECT_TRUE(Form().Race.Opponents.empty());
  Game().StepFrames(100);
  EXPECT_FALSE(Player().ControlsEnabled) << "the start lights still show";
  EXPECT_EQ(scenario_.CountSprites("ghost"), 0) << "no ghost file yet";
  DriveLaps(3);
  EXPECT_FALSE(State().RaceFinished);
  const GhostRecorder* recorder = Form().RaceFlow.Trial.Recorder();
  ASSERT_NE(recorder, nullptr);
  const std::optional<GhostLap> best = recorder->Best();
  const std::optional<RaceTime> lastLap = recorder->LastLap();
  ASSERT_TRUE(best.has_value());
  ASSERT_TRUE(lastLap.has_value());
  EXPECT_LE(best->LapHundredths, TotalHundredths(*lastLap));
  const std::optional<GhostLap> saved = LoadGhost(track);
  ASSERT_TRUE(saved.has_value()) << "the best lap is written as soon as it is driven";
  EXPECT_EQ(saved->LapHundredths, best->LapHundredths);
  EXPECT_EQ(saved->CarKind, State().SelectedCar);
  EXPECT_TRUE(fs::exists(Game().Roots().Save / GhostFileName(track)));

  LeaveThroughTheQuitPanel();
  EXPECT_FALSE(Form().Race.TimeTrial);
  EXPECT_EQ(ShownTrackScreen().ShownBestLap(), saved->LapHundredths);
  ExpectSameCareer(before, Career(Form()));
  SaveShot(Game(), "track-screen-best-lap");

  // The second trial from the key: the ghost drives the stored lap, see-through, from the
  // first crossing of the line, where the file has it.
  Press(Game(), kTrialKey);
  ASSERT_EQ(State().ScreenState, ScrRace);
  size_t compared = 0;
  DriveLaps(1, [&] {
    const GhostRecorder* replaying = Form().RaceFlow.Trial.Recorder();
    const TGhostCar* ghost = replaying ? replaying->Ghost() : nullptr;
    if (Player().Lap != 1 || !ghost || !ghost->Visible || compared >= saved->Frames.size()) return;
    EXPECT_LT(ghost->Alpha(), 255);
    const PathPoint& origin = Form().Race.Course.Points[1];
    const GhostFrame& f = saved->Frames[compared];
    EXPECT_NEAR(ghost->X() + ghost->Width() / 2.0 - origin.X, f.X, 1e-2) << compared;
    EXPECT_NEAR(ghost->Y() + ghost->Height() / 2.0 - origin.Y, f.Y, 1e-2) << compared;
    compared += 1;
    // A saved picture is a drawn frame, which runs a step of its own.
    if (compared == 60 && std::getenv("BK_SHOT_DIR")) {
      SaveShot(Game(), "time-trial-ghost");
      compared += 1;
    }
  });
  EXPECT_EQ(compared, saved->Frames.size()) << "the ghost drove its whole lap";
  EXPECT_EQ(scenario_.CountSprites("ghost"), 1);

  LeaveThroughTheQuitPanel();
  EXPECT_EQ(scenario_.CountSprites("ghost"), 0);
  ASSERT_TRUE(ShownTrackScreen().ShownBestLap().has_value());
  EXPECT_LE(*ShownTrackScreen().ShownBestLap(), saved->LapHundredths);
  ExpectSameCareer(before, Career(Form()));

  // A pad has no T: its d-pad moves the focus onto the button and A presses it.
  for (int tap = 0; tap < 6 && !FocusOn("bc_trial"); ++tap) Press(Game(), vk::Down);
  ASSERT_TRUE(FocusOn("bc_trial"));
  Press(Game(), vk::Enter);
  ASSERT_EQ(State().ScreenState, ScrRace);
  EXPECT_TRUE(Form().Race.TimeTrial);
  LeaveThroughTheQuitPanel();
}
