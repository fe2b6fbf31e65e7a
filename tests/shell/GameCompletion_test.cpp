// The race that applies the last unlock step completes the game: the game-completed picture,
// the game-over screen with the name and the one question about sending the score, then the
// track selection.
#include <gtest/gtest.h>

#include "platform/Cp1251.h"
#include "race/Unlocks.h"
#include "shell/GameCompletedScreen.h"
#include "shell/GameOverScreen.h"
#include "tests/harness/ScreenParts.h"
#include "tests/shell/RaceScenario.h"

namespace {

const std::string kIvan = Utf8ToCp1251("Иван");  // in the game's 8-bit text

}  // namespace

TEST(GameCompletion, TheLastUnlockLeadsThroughTheCompletedAndGameOverScreensToTheTracks) {
  RaceScenario scenario;
  TForm1& form = scenario.Form();
  GameState& state = scenario.State();
  state.PlayerName = kIvan + "%";
  state.UnlockStep = 8;
  state.PointsNeeded = 13200;
  state.Score = 13150;
  scenario.StartRace(1, 0);
  ASSERT_TRUE(scenario.DriveUntilRaceOver());
  ASSERT_EQ(state.ScreenState, ScrRaceOver);
  const std::set<std::string> loseMusic{"losemusic"};
  scenario.Game().StepFrames(453 + 100 + 2);
  EXPECT_EQ(state.UnlockStep, kUnlockStepCount);
  EXPECT_TRUE(form.Race.Tracks.Tracks[11].Unlocked);
  scenario.ClickButton("bro_next");
  // The send question waits for the game-over screen: it is asked once.
  ASSERT_EQ(state.ScreenState, ScrGameCompleted);
  EXPECT_EQ(scenario.VisibleButton("b_no1"), nullptr);
  EXPECT_EQ(scenario.PlayingMusic(), loseMusic);
  scenario.Game().StepFrames(100);
  scenario.SaveScene("game-completed.png");
  scenario.Game().StepFrames(GameCompletedScreen::kShownFrames - 103);
  EXPECT_EQ(state.ScreenState, ScrGameCompleted);
  scenario.Game().StepFrame();  // the 551st frame
  ASSERT_EQ(state.ScreenState, ScrGameOver);
  EXPECT_EQ(scenario.CountSprites("gamecompl"), 0);
  EXPECT_EQ(scenario.PlayingMusic(), loseMusic);
  EXPECT_EQ(state.PlayerName, kIvan);
  EXPECT_EQ(form.RaceFlow.StopGameOverFrames, false);

  scenario.Game().StepFrames(GameOverScreen::kWaitFrames + 5);
  ASSERT_NE(CurrentGui(form), nullptr);
  scenario.Game().TypeText("Ж");  // the field's font has the Cyrillic letters
  scenario.Game().StepFrame();
  scenario.SaveScene("game-over.png");
  scenario.Game().PressKey(vk::Enter);
  scenario.Game().StepFrame();
  EXPECT_EQ(state.PlayerName, kIvan + Utf8ToCp1251("Ж"));
  ASSERT_NE(scenario.VisibleButton("b_no1"), nullptr);
  scenario.ClickButton("b_no1");

  EXPECT_EQ(state.ScreenState, ScrChooseTrack);
  EXPECT_EQ(scenario.PlayingMusic(), std::set<std::string>{"menumusic"});
  // One menu background: three lamps, one demo race, one marquee; the game-over panel gone.
  EXPECT_EQ(scenario.CountSprites("light"), 3);
  EXPECT_EQ(scenario.CountSprites("enemy"), 4);
  EXPECT_EQ(scenario.CountSprites("player"), 1);
  EXPECT_EQ(scenario.CountSprites("yourscoreis"), 0);
  EXPECT_EQ(scenario.VisibleButton("b_no1"), nullptr);  // the track screen's page only
}
