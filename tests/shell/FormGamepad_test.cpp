// A game controller drives the game's key tables through the real window and form, as SDL
// delivers a pad's controls: each control sets and clears its key, the stick's dead zone,
// and a pad unplugged while keys are held.
#include <SDL.h>
#include <gtest/gtest.h>

#include "core/GameState.h"
#include "tests/harness/GameHarness.h"
#include "tests/support/VirtualPad.h"

namespace {

// The harness's game with one pad plugged in and noticed.
struct PadGame {
  GameHarness Game;
  VirtualPad Pad;
  PadGame() { Game.StepFrame(); }
  uint8_t Held(int key) { return Game.State().KeyHeld[key]; }
  uint8_t Released(int key) { return Game.State().KeyReleased[key]; }
};

TEST(FormGamepad, ThePadIsOpenedWhenPluggedInAndClosedWhenUnplugged) {
  PadGame game;
  EXPECT_EQ(game.Game.Form().MainWindow.Pads().Count(), 1);
  game.Pad.Unplug();
  game.Game.StepFrame();
  EXPECT_EQ(game.Game.Form().MainWindow.Pads().Count(), 0);
}

TEST(FormGamepad, EachControlSetsAndClearsItsKey) {
  struct Case {
    const char* Name;
    bool IsAxis;
    int Control;  // SDL_GameControllerAxis or SDL_GameControllerButton
    int Value;    // axis travel when pushed
    int Key;
  };
  const Case cases[] = {
      {"stick left", true, SDL_CONTROLLER_AXIS_LEFTX, -32768, vk::Left},
      {"stick right", true, SDL_CONTROLLER_AXIS_LEFTX, 32767, vk::Right},
      {"stick up", true, SDL_CONTROLLER_AXIS_LEFTY, -32768, vk::Up},
      {"stick down", true, SDL_CONTROLLER_AXIS_LEFTY, 32767, vk::Down},
      {"right trigger", true, SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767, vk::Up},
      {"left trigger", true, SDL_CONTROLLER_AXIS_TRIGGERLEFT, 32767, vk::Down},
      {"d-pad up", false, SDL_CONTROLLER_BUTTON_DPAD_UP, 0, vk::Up},
      {"d-pad down", false, SDL_CONTROLLER_BUTTON_DPAD_DOWN, 0, vk::Down},
      {"d-pad left", false, SDL_CONTROLLER_BUTTON_DPAD_LEFT, 0, vk::Left},
      {"d-pad right", false, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 0, vk::Right},
      {"A", false, SDL_CONTROLLER_BUTTON_A, 0, vk::Enter},
      {"B", false, SDL_CONTROLLER_BUTTON_B, 0, vk::Escape},
      {"X", false, SDL_CONTROLLER_BUTTON_X, 0, vk::Space},
      {"Start", false, SDL_CONTROLLER_BUTTON_START, 0, vk::P},
  };
  PadGame game;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    game.Game.State().KeyReleased.fill(0);
    const auto set = [&](bool on) {
      if (c.IsAxis) {
        game.Pad.SetAxis(c.Control, on ? c.Value : 0);
      } else {
        game.Pad.SetButton(c.Control, on);
      }
      game.Game.StepFrame();
    };
    set(true);
    EXPECT_EQ(game.Held(c.Key), 1);
    EXPECT_EQ(game.Released(c.Key), 0);
    int heldKeys = 0;
    for (uint8_t held : game.Game.State().KeyHeld) heldKeys += held;
    EXPECT_EQ(heldKeys, 1) << "only the control's own key is held";
    set(false);
    EXPECT_EQ(game.Held(c.Key), 0);
    EXPECT_EQ(game.Released(c.Key), 1);
  }
}

TEST(FormGamepad, AStickInsideTheDeadZoneHoldsNothing) {
  PadGame game;
  game.Pad.SetAxis(SDL_CONTROLLER_AXIS_LEFTX, 6000);
  game.Pad.SetAxis(SDL_CONTROLLER_AXIS_LEFTY, -6000);
  game.Pad.SetAxis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 6000);
  game.Game.StepFrame();
  for (int key : {vk::Left, vk::Right, vk::Up, vk::Down}) {
    EXPECT_EQ(game.Held(key), 0) << key;
    EXPECT_EQ(game.Released(key), 0) << key;
  }
}

TEST(FormGamepad, UnpluggingThePadReleasesEveryKeyItHeld) {
  PadGame game;
  game.Pad.SetAxis(SDL_CONTROLLER_AXIS_LEFTX, 32767);
  game.Pad.SetAxis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767);
  game.Pad.SetButton(SDL_CONTROLLER_BUTTON_X, true);
  game.Game.StepFrame();
  for (int key : {vk::Right, vk::Up, vk::Space}) ASSERT_EQ(game.Held(key), 1) << key;
  game.Pad.Unplug();
  game.Game.StepFrame();
  for (int key : {vk::Right, vk::Up, vk::Space}) {
    EXPECT_EQ(game.Held(key), 0) << key;
    EXPECT_EQ(game.Released(key), 1) << key;
  }
}

}  // namespace

namespace {

// A key held on the keyboard and on the pad at once stays down until both let go, in
// either order.
TEST(FormGamepad, AKeyHeldOnTheKeyboardAndOnThePadIsReleasedWhenBothLetGo) {
  PadGame game;
  game.Game.KeyDown(vk::Up);
  game.Pad.SetAxis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767);
  game.Game.StepFrame();
  game.Pad.SetAxis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 0);
  game.Game.StepFrame();
  EXPECT_EQ(game.Held(vk::Up), 1);
  EXPECT_EQ(game.Released(vk::Up), 0);
  game.Game.KeyUp(vk::Up);
  game.Game.StepFrame();
  EXPECT_EQ(game.Held(vk::Up), 0);
  EXPECT_EQ(game.Released(vk::Up), 1);

  game.Pad.SetAxis(SDL_CONTROLLER_AXIS_LEFTX, 32767);
  game.Game.StepFrame();
  game.Game.PressKey(vk::Right);
  game.Game.StepFrame();
  EXPECT_EQ(game.Held(vk::Right), 1);
  EXPECT_EQ(game.Released(vk::Right), 0);
  game.Pad.SetAxis(SDL_CONTROLLER_AXIS_LEFTX, 0);
  game.Game.StepFrame();
  EXPECT_EQ(game.Held(vk::Right), 0);
  EXPECT_EQ(game.Released(vk::Right), 1);
}

}  // namespace
