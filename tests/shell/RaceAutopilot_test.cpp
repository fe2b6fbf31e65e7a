// The autopilot build's driver, hooked into the real form before every frame: it races the
// player's car through the form's key handlers on the race screen and lets go of every key
// as soon as the race screen is left, so the screens after it see no key held.
#include "tests/autopilot/RaceAutopilot.h"

#include <gtest/gtest.h>

#include "core/GameState.h"
#include "tests/shell/RaceScenario.h"

namespace {

bool AnyArrowHeld(const GameState& state) {
  for (int key : {vk::Up, vk::Down, vk::Left, vk::Right}) {
    if (state.KeyHeld[key]) return true;
  }
  return false;
}

TEST(RaceAutopilot, RacesThePlayerToTheFinishThenLetsGoOfTheKeys) {
  RaceScenario scenario;
  GameState& state = scenario.State();
  RaceAutopilot autopilot(scenario.Form());
  autopilot.Attach();
  scenario.Game().StepFrames(3);  // outside a race it holds nothing
  EXPECT_FALSE(AnyArrowHeld(state));
  EXPECT_EQ(autopilot.RacesDriven(), 0);

  scenario.StartRace(2, 3);
  int frames = 0;
  bool steered = false;
  while (state.ScreenState == ScrRace && frames < 20000) {
    scenario.Game().StepFrame();
    steered = steered || state.KeyHeld[vk::Left] || state.KeyHeld[vk::Right];
    ++frames;
  }
  ASSERT_EQ(state.ScreenState, ScrRaceOver) << frames << " frames";
  EXPECT_EQ(autopilot.RacesDriven(), 1);
  EXPECT_TRUE(steered);
  int playerRow = 0;
  for (int row = 1; row <= kFinishRowCount; ++row) {
    if (state.FinishRows[row].Id == kPlayerFinishId) playerRow = row;
  }
  EXPECT_GT(playerRow, 0) << "the player's car has no finishing place";
  scenario.Game().StepFrame();
  EXPECT_FALSE(AnyArrowHeld(state));
  std::printf("autopilot race: %d frames, finished in place %d\n", frames, playerRow);
}

}  // namespace
