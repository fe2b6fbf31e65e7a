// A career as a player meets it, from a fresh profile: only keys and mouse clicks through
// the menus, the autopilot racing (the autopilot build's driver), the race-over screen left
// by its buttons, each newly opened track and car picked, up to the game-completed and
// game-over screens. After every race the score has grown by the prize of the place and
// nothing else; the unlock steps open tracks and cars in their order. A race the autopilot
// is stuck in is left through the quit question, as a player would.
#include <gtest/gtest.h>

#include <filesystem>
#include <utility>
#include <vector>

#include "tests/autopilot/RaceAutopilot.h"
#include "tests/shell/MenuPlayer.h"

namespace {

// Ten times a normal race: the autopilot is stuck.
constexpr int kStuckFrames = 30000;

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

// Selects the last open entry with the screen's next button (the newest unlock).
void PickNewest(GameHarness& game, const int32_t& selected, int32_t available) {
  for (int clicks = 0; selected != available - 1 && clicks < 12; ++clicks) {
    ClickButton(game, "bc_next");
  }
  EXPECT_EQ(selected, available - 1);
}

// The game-completed picture, then the game-over screen's name field kept with Enter and
// its "no" button, back to the track screen.
void FinishTheGame(GameHarness& game) {
  for (int wait = 0; wait < 2000 && game.State().ScreenState != ScrGameOver; ++wait) {
    game.StepFrame();
  }
  ASSERT_EQ(game.State().ScreenState, ScrGameOver);
  for (int wait = 0; wait < 2000 && !VisibleButtonShowing(game.Form(), "b_no1"); ++wait) {
    if (game.Form().GuiPage) Press(game, vk::Enter);
    game.StepFrame();
  }
  ClickPicture(game, "b_no1");
  game.StepFrames(kSettleFrames);
}

TEST(Career, FromAFreshProfileToTheGameCompletedPickingEachNewTrackAndCar) {
  GameHarness game;
  RaceAutopilot autopilot(game.Form());
  autopilot.Attach();
  ReachMainMenu(game);
  ClickButton(game, "b_stgame");
  game.StepFrames(kSettleFrames);
  const GameState& state = game.State();
  struct Opened {
    int32_t tracks, cars;
  };
  std::vector<Opened> opened{{state.TracksAvailable, state.CarsAvailable}};
  int races = 0;
  int abandoned = 0;
  bool completed = false;
  while (!completed && races < 300) {
    ASSERT_EQ(state.ScreenState, ScrChooseTrack) << "race " << races;
    PickNewest(game, state.SelectedTrack, state.TracksAvailable);
    const int32_t before = state.Score;
    const int32_t step = state.UnlockStep;
    const std::array<int32_t, 3> prizes =
        game.Form().Race.Tracks.Tracks[state.SelectedTrack].Prizes;
    ClickButton(game, "bc_race");
    game.StepFrames(kSettleFrames);
    PickNewest(game, state.SelectedCar, state.CarsAvailable);
    ClickButton(game, "bc_race");
    int frames = 0;
    while (state.ScreenState == ScrRace && frames++ < kStuckFrames) game.StepFrame();
    if (state.ScreenState == ScrRace) {
      // Stuck: as a player would, leave through the quit question; the race earns nothing.
      ++races;
      ++abandoned;
      std::printf("race %d: track %d, car %d, stuck after %d frames: quit\n", races,
                  state.SelectedTrack + 1, state.SelectedCar + 1, frames);
      Press(game, vk::Escape);
      ASSERT_EQ(state.ScreenState, ScrQuitRace);
      for (int wait = 0; wait < 600 && !VisibleButtonShowing(game.Form(), "b_yes1"); ++wait) {
        game.StepFrame();
      }
      game.StepFrames(kSettleFrames);
      ClickPicture(game, "b_yes1");
      ASSERT_EQ(state.ScreenState, ScrMainMenu);
      EXPECT_EQ(state.Score, before);
      game.StepFrames(kSettleFrames);
      ClickButton(game, "b_stgame");
      game.StepFrames(kSettleFrames);
      continue;
    }
    ASSERT_EQ(state.ScreenState, ScrRaceOver);
    const int place = PlayerPlace(state);
    ++races;
    std::printf("race %d: track %d, car %d, place %d, %d frames, score %d\n", races,
                state.SelectedTrack + 1, state.SelectedCar + 1, place, frames, state.Score);
    for (int wait = 0; wait < 3000 && !VisibleButtonShowing(game.Form(), "bro_next"); ++wait) {
      game.StepFrame();
    }
    ClickPicture(game, "bro_next");
    game.StepFrames(kSettleFrames);
    if (VisibleButtonShowing(game.Form(), "b_no1")) ClickPicture(game, "b_no1");
    if (state.ScreenState == ScrGameCompleted) {
      completed = true;
      FinishTheGame(game);
    } else {
      game.StepFrames(kSettleFrames);
    }
    const int32_t prize = place >= 1 && place <= 3 ? prizes[place - 1] : 0;
    if (!completed) {
      EXPECT_EQ(state.Score - before, prize) << "race " << races << ", place " << place;
    }
    if (state.UnlockStep != step) opened.push_back({state.TracksAvailable, state.CarsAvailable});
  }
  std::printf("career: %d races quit when the autopilot was stuck\n", abandoned);
  std::printf("career: %s after %d races, %lld frames (%.1f minutes of play)\n",
              completed ? "completed" : "NOT completed", races,
              static_cast<long long>(game.FramesRun()), game.FramesRun() / 90.0 / 60.0);
  for (const Opened& o : opened) std::printf("  open: %d tracks, %d cars\n", o.tracks, o.cars);
  EXPECT_TRUE(completed) << "the autopilot did not complete the game within 300 races";
  const std::vector<std::pair<int32_t, int32_t>> expected{
      {3, 2}, {5, 2}, {5, 3}, {7, 3}, {7, 4}, {9, 4}, {9, 5}, {10, 5}, {11, 5}, {12, 5}};
  std::vector<std::pair<int32_t, int32_t>> seen;
  for (const Opened& o : opened) seen.emplace_back(o.tracks, o.cars);
  EXPECT_EQ(seen, expected) << "tracks and cars open after each unlock step";
  EXPECT_EQ(autopilot.RacesDriven(), races);
}

}  // namespace
