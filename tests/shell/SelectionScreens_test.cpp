// The track and car screens as a player browses them.
#include <gtest/gtest.h>

#include "race/GameConstants.h"
#include "shell/CarScreen.h"
#include "shell/TrackScreen.h"
#include "tests/harness/ScreenParts.h"
#include "tests/shell/MenuPlayer.h"

namespace {

void OpenTrackScreen(GameHarness& game) {
  ReachMainMenu(game);
  ClickButton(game, "b_stgame");
  ASSERT_EQ(game.State().ScreenState, ScrChooseTrack);
  game.StepFrames(kSettleFrames);
}

}  // namespace

TEST(SelectionScreens, RecordTextShowsDashesUntilATrackHasARecord) {
  EXPECT_EQ(TrackScreen::RecordText(RaceTime::None()), "--:--:--");
  EXPECT_EQ(TrackScreen::RecordText(RaceTime{7, 5, 1}), "1:05:07");
  EXPECT_EQ(TrackScreen::RecordText(RaceTime{99, 59, 999}), "999:59:99");
}

TEST(SelectionScreens, TracksBrowseRoundBothWaysAndOnlyAnUnlockedOneGoesOn) {
  GameHarness game;
  OpenTrackScreen(game);
  TForm1& form = game.Form();
  TKaltoButton& race = *ButtonShowing(form, "bc_race");
  EXPECT_EQ(game.State().SelectedTrack, 0);
  Press(game, vk::Left);
  EXPECT_EQ(game.State().SelectedTrack, race::kTrackCount - 1) << "from the first to the last";
  EXPECT_EQ(form.CurrentPage()->Picture->Image(), form.KaltoImageList1.Find("tr_notav"));
  EXPECT_FALSE(race.Visible);
  Press(game, vk::Enter);
  EXPECT_EQ(game.State().ScreenState, ScrChooseTrack) << "a locked track is not raced";
  Press(game, vk::Right);
  EXPECT_EQ(game.State().SelectedTrack, 0) << "from track 12 to track 1";
  EXPECT_TRUE(race.Visible);
  EXPECT_EQ(form.CurrentPage()->Picture->Image(),
            form.KaltoImageList1.Find(form.Race.Tracks.Tracks[0].PreviewImage));
  ClickButton(game, "bc_next");
  EXPECT_EQ(game.State().SelectedTrack, 1);
  ClickButton(game, "bc_prev");
  EXPECT_EQ(game.State().SelectedTrack, 0);
  Press(game, vk::Enter);
  EXPECT_EQ(game.State().ScreenState, ScrChooseCar);
  game.StepFrames(kSettleFrames);
  Press(game, vk::Escape);
  EXPECT_EQ(game.State().ScreenState, ScrChooseTrack);
  game.StepFrames(kSettleFrames);
  ClickButton(game, "bc_race");
  EXPECT_EQ(game.State().ScreenState, ScrChooseCar);
  game.StepFrames(kSettleFrames);
  ClickButton(game, "b_back");
  EXPECT_EQ(game.State().ScreenState, ScrChooseTrack);
  game.StepFrames(kSettleFrames);
  ClickButton(game, "b_back");
  EXPECT_EQ(game.State().ScreenState, ScrMainMenu);
}

TEST(SelectionScreens, CarsBrowseRoundAndALockedCarIsGreyWithoutBarsOrRace) {
  GameHarness game;
  OpenTrackScreen(game);
  Press(game, vk::Enter);
  ASSERT_EQ(game.State().ScreenState, ScrChooseCar);
  game.StepFrames(kSettleFrames);
  TForm1& form = game.Form();
  auto& screen = dynamic_cast<CarScreen&>(*form.ScreenOf(ScrChooseCar));
  TKaltoButton& race = *ButtonShowing(form, "bc_race");

  const float firstCarScales[4] = {0.833f, 0.45f, 0.85f, 0.78f};
  for (size_t bar = 0; bar < 4; ++bar) {
    EXPECT_NEAR(screen.Bars()[bar]->ScaleX, firstCarScales[bar], 0.001) << "bar " << bar + 1;
    EXPECT_TRUE(screen.Bars()[bar]->Visible);
  }
  EXPECT_EQ(form.CurrentPage()->Picture->Red(), 255);

  // 1 -> 5 -> 4 -> 3: the last three are locked at the start.
  for (int32_t expected : {4, 3, 2}) {
    Press(game, vk::Left);
    EXPECT_EQ(game.State().SelectedCar, expected);
    EXPECT_EQ(
        form.CurrentPage()->Picture->Image(),
        form.KaltoImageList1.Find(form.Race.Cars.Cars[static_cast<size_t>(expected)].PreviewImage));
    EXPECT_EQ(form.CurrentPage()->Picture->Red(), 85) << "greyed";
    EXPECT_EQ(form.CurrentPage()->Picture->Blue(), 85);
    EXPECT_FALSE(race.Visible);
    for (TSprite* bar : screen.Bars()) EXPECT_FALSE(bar->Visible);
    Press(game, vk::Enter);
    EXPECT_EQ(game.State().ScreenState, ScrChooseCar) << "a locked car is not raced";
  }
  Press(game, vk::Left);
  EXPECT_EQ(game.State().SelectedCar, 1);
  EXPECT_TRUE(race.Visible);
  EXPECT_EQ(form.CurrentPage()->Picture->Red(), 255);
  ClickButton(game, "bc_next");
  ClickButton(game, "bc_next");
  ClickButton(game, "bc_next");
  ClickButton(game, "bc_next");
  EXPECT_EQ(game.State().SelectedCar, 0) << "from car 5 to car 1";
  Press(game, vk::Enter);
  game.StepFrames(3);
  EXPECT_EQ(game.State().ScreenState, ScrRace) << "Enter on an unlocked car starts the race";
}
