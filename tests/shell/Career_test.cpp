// A career as a player meets it, from a fresh profile: only keys and mouse clicks through
// the menus, the autopilot racing (the autopilot build's driver), the race-over screen
// left by its buttons. After every race the score has grown by the prize of the place and
// nothing else; the first unlock opens the fourth and fifth tracks and the saved progress
// file holds it.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/autopilot/RaceAutopilot.h"
#include "tests/shell/MenuPlayer.h"

namespace {

int PlayerPlace(const GameState& state) {
  for (int row = 1; row <= kFinishRowCount; ++row) {
    if (state.FinishRows[row].Id == kPlayerFinishId) return row;
  }
  return 0;
}

// The page's visible button showing that picture, or null (the race screens name their
// buttons by their pictures' slots, not by name).
TKaltoButton* VisibleButtonShowing(TForm1& form, const std::string& picture) {
  if (!form.GuiPage) return nullptr;
  for (const auto& widget : form.GuiPage->Widgets) {
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

// From the track screen: race the selected track with the selected car, then leave the
// race-over screen by its continue button (and decline the question after it, if asked).
// Returns the player's place.
int RaceOnce(GameHarness& game) {
  ClickButton(game, "bc_race");
  game.StepFrames(kSettleFrames);
  ClickButton(game, "bc_race");
  int frames = 0;
  while (game.State().ScreenState == ScrRace && frames++ < 40000) game.StepFrame();
  EXPECT_EQ(game.State().ScreenState, ScrRaceOver);
  const int place = PlayerPlace(game.State());
  for (int wait = 0; wait < 3000; ++wait) {
    if (VisibleButtonShowing(game.Form(), "bro_next")) break;
    game.StepFrame();
  }
  ClickPicture(game, "bro_next");
  game.StepFrames(kSettleFrames);
  if (VisibleButtonShowing(game.Form(), "b_no1")) ClickPicture(game, "b_no1");
  game.StepFrames(kSettleFrames);
  return place;
}

TEST(Career, FromAFreshProfileRacesByInputUntilTheFirstUnlock) {
  GameHarness game;
  RaceAutopilot autopilot(game.Form());
  autopilot.Attach();
  ReachMainMenu(game);
  ClickButton(game, "b_stgame");
  ASSERT_EQ(game.State().ScreenState, ScrChooseTrack);
  game.StepFrames(kSettleFrames);
  const int firstStep = game.State().UnlockStep;
  int races = 0;
  while (game.State().UnlockStep == firstStep && races < 40) {
    const GameState& state = game.State();
    const int32_t before = state.Score;
    const std::array<int32_t, 3> prizes =
        game.Form().Race.Tracks.Tracks[state.SelectedTrack].Prizes;
    const int place = RaceOnce(game);
    ++races;
    ASSERT_GT(place, 0) << "race " << races;
    const int32_t prize = place <= 3 ? prizes[place - 1] : 0;
    EXPECT_EQ(state.Score - before, prize) << "race " << races << ", place " << place;
    ASSERT_EQ(state.ScreenState, ScrChooseTrack) << "race " << races;
  }
  EXPECT_EQ(autopilot.RacesDriven(), races);
  ASSERT_NE(game.State().UnlockStep, firstStep) << races << " races without an unlock";
  EXPECT_EQ(game.State().TracksAvailable, 5);
  EXPECT_TRUE(game.Form().Race.Tracks.Tracks[4].Unlocked);
  EXPECT_TRUE(std::filesystem::exists(game.Roots().Save / "Configdat.cfg"));
  std::printf("career: first unlock after %d races, %lld frames (%.1f minutes of play)\n", races,
              static_cast<long long>(game.FramesRun()), game.FramesRun() / 90.0 / 60.0);
}

}  // namespace
