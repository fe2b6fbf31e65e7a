// A whole race on the game's own race screen, played from a game controller: the
// autopilot's wishes become a pad's trigger and stick movements, SDL reports them to the
// real window and form, and the car reads nothing but the key tables those events fill.
// Start pauses and resumes, B opens the quit panel and closes it again.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "core/GameState.h"
#include "race/Autopilot.h"
#include "race/Player.h"
#include "tests/shell/RaceScenario.h"
#include "tests/support/VirtualPad.h"

namespace {

// A button pressed and let go, a frame each.
void Tap(RaceScenario& scenario, VirtualPad& pad, int button) {
  pad.SetButton(button, true);
  scenario.Game().StepFrame();
  pad.SetButton(button, false);
  scenario.Game().StepFrame();
}

TEST(PadRace, ThePlayerWinsALoneRaceOnTheRaceScreenPlayedFromThePad) {
  RaceScenario scenario;
  VirtualPad pad;
  scenario.Game().StepFrame();  // the pad is noticed
  scenario.StartRace(1, 0);
  ASSERT_EQ(scenario.State().ScreenState, ScrRace);
  Autopilot pilot(scenario.Form().Race);
  const auto& held = scenario.State().KeyHeld;

  int frames = 0;
  int steered = 0;
  int braked = 0;
  int keysNotAsWanted = 0;
  bool menusTried = false;
  while (scenario.State().ScreenState == ScrRace && frames < 20000) {
    // The player waits for the green light with the pad at rest.
    AutopilotControls want = pilot.Decide();
    if (!scenario.Form().Race.Player->ControlsEnabled) want = AutopilotControls{};
    pad.SetAxis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, want.Throttle ? 32767 : 0);
    pad.SetAxis(SDL_CONTROLLER_AXIS_TRIGGERLEFT, want.Brake ? 32767 : 0);
    pad.SetAxis(SDL_CONTROLLER_AXIS_LEFTX, want.Left ? -32768 : want.Right ? 32767 : 0);
    scenario.Game().StepFrame();  // SDL reports the pad; the window makes key events of it
    ++frames;
    if (scenario.State().RaceFinished) continue;
    const bool asWanted =
        (held[vk::Up] != 0) == want.Throttle && (held[vk::Down] != 0) == want.Brake &&
        (held[vk::Left] != 0) == want.Left && (held[vk::Right] != 0) == want.Right;
    keysNotAsWanted += asWanted ? 0 : 1;
    steered += want.Left || want.Right ? 1 : 0;
    braked += want.Brake ? 1 : 0;
    if (frames == 600) scenario.SaveScene("pad-race.png");
    if (frames == 700 && !menusTried) {
      menusTried = true;
      Tap(scenario, pad, SDL_CONTROLLER_BUTTON_START);
      EXPECT_EQ(scenario.State().ScreenState, ScrPause);
      Tap(scenario, pad, SDL_CONTROLLER_BUTTON_START);
      EXPECT_EQ(scenario.State().ScreenState, ScrRace);
      Tap(scenario, pad, SDL_CONTROLLER_BUTTON_B);
      EXPECT_EQ(scenario.State().ScreenState, ScrQuitRace);
      Tap(scenario, pad, SDL_CONTROLLER_BUTTON_B);
      EXPECT_EQ(scenario.State().ScreenState, ScrRace);
    }
  }
  std::printf("pad race: %d frames, %d steered, %d braking\n", frames, steered, braked);
  EXPECT_TRUE(menusTried);
  EXPECT_EQ(scenario.State().ScreenState, ScrRaceOver) << frames << " frames";
  EXPECT_EQ(scenario.Form().Race.Player->FinalPlace, 1);
  EXPECT_EQ(keysNotAsWanted, 0);
  EXPECT_GT(steered, 0);  // the course has bends
}

}  // namespace
