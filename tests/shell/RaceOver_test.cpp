// A whole race driven by the autopilot to the race-over screen: the place bonus counted into
// the score, unlocks, the track record, the saved progress and the way back to the menus.
#include <gtest/gtest.h>

#include "engine/graphics/PictureTable.h"
#include "race/Player.h"
#include "shell/Settings.h"
#include "tests/harness/ScreenParts.h"
#include "tests/shell/RaceScenario.h"

namespace {

// The cream of the wells the values are written in (the panel round them is navy).
bool InAWell(const PixelImage& frame, int x, int y) {
  const uint8_t* p = frame.Pixel(x, y);
  return p[0] > 200 && p[1] > 200 && p[2] > 160;
}

}  // namespace

TEST(RaceOver, TheBonusCountsIntoTheScoreAndAThresholdReachedOpensTheNextStep) {
  struct Case {
    const char* Name;
    int32_t Score;
    int32_t PointsNeeded;
    int32_t UnlockStep;
    int32_t StepAfter;  // one step a frame for as long as a threshold was crossed
    bool NewTracks, NewCars;
  };
  const Case cases[] = {
      {"short of the threshold", 150, 300, 0, 0, false, false},
      {"ending exactly on it", 200, 300, 0, 1, true, false},
      {"crossing it", 250, 300, 0, 1, true, false},
      {"crossing two", 690, 300, 0, 2, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    RaceScenario scenario;
    GameState& state = scenario.State();
    state.Score = c.Score;
    state.PointsNeeded = c.PointsNeeded;
    state.UnlockStep = c.UnlockStep;
    scenario.RaceAloneToTheCountUp();
    EXPECT_EQ(scenario.VisibleButton("bro_next"), nullptr);
    EXPECT_EQ(state.Score, c.Score + 100);  // the first track's first prize
    EXPECT_EQ(state.PlaceBonus, 0);
    scenario.Game().StepFrame();
    EXPECT_NE(scenario.VisibleButton("bro_next"), nullptr);
    scenario.Game().StepFrames(5);
    EXPECT_EQ(state.UnlockStep, c.StepAfter);
    EXPECT_EQ(state.NewTracksShown, c.NewTracks);
    EXPECT_EQ(state.NewCarsShown, c.NewCars);
    EXPECT_EQ(scenario.Form().Race.Tracks.Tracks[3].Unlocked, c.StepAfter >= 1);
    EXPECT_EQ(scenario.Form().Race.Cars.Cars[2].Unlocked, c.StepAfter >= 2);
    if (c.StepAfter == 2) scenario.SaveScene("race-over-unlock.png");
  }
}

TEST(RaceOver, ThePrizeScalesWithTheDifficulty) {
  const struct {
    Difficulty Level;
    int32_t Prize;  // the first track's first prize is 100
  } cases[] = {{Difficulty::Easy, 50}, {Difficulty::Hard, 150}};
  for (const auto& c : cases) {
    SCOPED_TRACE(DifficultyWord(c.Level));
    RaceScenario scenario;
    GameState& state = scenario.State();
    state.DriverDifficulty = c.Level;
    state.Score = 20;
    scenario.RaceAloneToTheCountUp();
    EXPECT_EQ(state.Score, 20 + c.Prize);
  }
}

TEST(RaceOver, ContinueKeepsOnlyAFasterTimeAsTheTrackRecordAndSavesTheProgress) {
  const RaceTime kFast{1, 1, 0};
  const RaceTime kSlow{0, 0, 59};
  for (const RaceTime& record : {kFast, kSlow, RaceTime::None()}) {
    SCOPED_TRACE("record " + std::to_string(record.Minutes) + ":" + std::to_string(record.Seconds));
    RaceScenario scenario;
    GameState& state = scenario.State();
    TForm1& form = scenario.Form();
    state.PlayerName = "Tester";
    state.Score = 2000;  // enough for the top of the records
    TrackInfo& track = form.Race.Tracks.Tracks[state.SelectedTrack];
    track.BestTime = record;
    scenario.RaceAloneToTheCountUp();
    scenario.Game().StepFrame();
    const RaceTime time = state.FinishRows[1].Time;
    ASSERT_TRUE(IsNotSlower(kSlow, time)) << "the lap took longer than the slow record";
    if (record == kSlow) scenario.SaveScene("race-over.png");
    if (record == RaceTime::None()) {
      // The new-record stamp (drawn from y 298) lies between the time's well and the bonus's
      // and covers neither. x 420 runs through the wells left of the texts, x 518 through
      // the stamp.
      const PixelImage frame = scenario.SaveScene("race-over-new-record.png");
      const int stampBottom = 298 + FindPictureEntry("newrecord")->TileHeight;
      EXPECT_TRUE(InAWell(frame, 420, 292)) << "the time's well";
      EXPECT_FALSE(InAWell(frame, 420, 297)) << "the time's well ends above the stamp";
      EXPECT_FALSE(InAWell(frame, 518, stampBottom - 1)) << "the stamp";
      EXPECT_TRUE(InAWell(frame, 518, stampBottom + 1)) << "the bonus well starts under it";
    }
    scenario.ClickButton("bro_next");
    EXPECT_EQ(track.BestTime, record == kFast ? kFast : time);
    EXPECT_EQ(scenario.VisibleButton("bro_next"), nullptr);
    EXPECT_NE(scenario.VisibleButton("b_yes1"), nullptr);
    EXPECT_NE(scenario.VisibleButton("b_no1"), nullptr);
    EXPECT_EQ(state.RecordStep, 0);
    if (record == kSlow) scenario.SaveScene("race-over-send.png");
    // The score entered the records and the progress is on disk.
    EXPECT_EQ(state.Records[0].Name, "Tester");
    GameState saved;
    TrackSlotTimes times{};
    ASSERT_FALSE(LoadProgress(saved, times).has_value());
    EXPECT_EQ(saved.Score, state.Score);
    EXPECT_EQ(times[static_cast<size_t>(state.SelectedTrack)], track.BestTime);
  }
}

TEST(RaceOver, NoReturnsToTheTrackSelectionWithTheMenuMusicAndItsBackground) {
  RaceScenario scenario;
  TForm1& form = scenario.Form();
  scenario.RaceAloneToTheCountUp();
  scenario.Game().StepFrame();
  EXPECT_EQ(scenario.PlayingMusic(), std::set<std::string>{"losemusic"});
  scenario.ClickButton("bro_next");
  scenario.ClickButton("b_no1");
  EXPECT_EQ(scenario.State().ScreenState, ScrChooseTrack);
  EXPECT_EQ(scenario.PlayingMusic(), std::set<std::string>{"menumusic"});
  EXPECT_EQ(scenario.CountSprites("light"), 3);
  EXPECT_EQ(scenario.CountSprites("enemy"), 4);
  EXPECT_EQ(scenario.CountSprites("raceover"), 0);
  EXPECT_EQ(scenario.VisibleButton("b_no1"), nullptr);  // the track screen's page only
  EXPECT_TRUE(form.RaceFlow.StopGameOverFrames);
}

TEST(RaceOver, AMissingTrackFileLeadsBackToTheTrackSelectionAndChangesNothing) {
  RaceScenario scenario;
  GameState& state = scenario.State();
  state.Score = 420;
  scenario.Data().RemoveTrack(scenario.Form().Race.Tracks.Tracks[state.SelectedTrack].DataFile);
  scenario.StartRace(1, 2);
  EXPECT_EQ(state.ScreenState, ScrChooseTrack);
  EXPECT_EQ(scenario.PlayingMusic(), std::set<std::string>{"menumusic"});
  EXPECT_EQ(scenario.CountSprites("light"), 3);
  EXPECT_EQ(scenario.CountSprites("enemy"), 4);
  EXPECT_EQ(scenario.CountSprites("player"), 1);  // the demo race's hidden car
  EXPECT_NE(CurrentMenus(scenario.Form()).Greeting(), nullptr);
  EXPECT_EQ(state.Score, 420);
  scenario.Game().StepFrames(10);
  EXPECT_EQ(state.ScreenState, ScrChooseTrack);
}

TEST(RaceOver, AWholeRaceOfTheFirstShippedTrackEndsWithThePlayersRowAmongTheFinishers) {
  RaceScenario scenario(RaceScenario::Tracks::Shipped);
  GameState& state = scenario.State();
  const TrackInfo& track = scenario.Form().Race.Tracks.Tracks[state.SelectedTrack];
  scenario.StartRace(track.Laps, track.Opponents);
  ASSERT_TRUE(scenario.DriveUntilRaceOver(90 * 60 * 10));
  ASSERT_EQ(state.ScreenState, ScrRaceOver);
  const int32_t place = scenario.Form().Race.Player->FinalPlace;
  ASSERT_GE(place, 1);
  EXPECT_EQ(state.FinishRows[place].Id, kPlayerFinishId);
  // Rows in finishing order: no time before the one above it.
  for (int32_t row = 2; row < state.NextFinishPlace; ++row) {
    EXPECT_TRUE(IsNotSlower(state.FinishRows[row].Time, state.FinishRows[row - 1].Time)) << row;
  }
  // The lap clock ran: the best lap is no longer than the average lap.
  auto hundredths = [](const RaceTime& t) {
    return t.Minutes * 6000 + t.Seconds * 100 + t.Hundredths;
  };
  const RaceTime bestLap = scenario.Form().Race.Player->BestLap;
  ASSERT_NE(bestLap, RaceTime::None());
  EXPECT_GT(hundredths(bestLap), 0);
  EXPECT_LE(hundredths(bestLap) * track.Laps, hundredths(state.FinishRows[place].Time));
  scenario.Game().StepFrames(300);
  scenario.SaveScene("race-over-shipped-track.png");
}
