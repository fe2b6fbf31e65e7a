// A whole game played without the mouse: from the splash through the menus, a race, the
// race-over panel, the send question, the exit question and the exit page, once from the
// keyboard and once from a game controller (SDL's virtual pad). Only key and pad events go
// in; the game must close through its exit page and leave the saved files behind.
#include <SDL.h>
#include <gtest/gtest.h>

#include <memory>

#include "platform/Cp1251.h"
#include "platform/GamePaths.h"
#include "race/Autopilot.h"
#include "race/Player.h"
#include "shell/Settings.h"
#include "tests/shell/MenuPlayer.h"
#include "tests/shell/RaceScenario.h"
#include "tests/support/VirtualPad.h"

namespace {

enum class Control { Up, Down, Left, Right, Confirm, Back };

// The player's hands: on the keyboard or on a pad.
class Hands {
 public:
  virtual ~Hands() = default;
  // Pressed and let go, then one frame.
  virtual void Tap(Control control) = 0;
  // Held as the autopilot wants for the coming frame.
  virtual void Drive(const AutopilotControls& want) = 0;
};

class KeyboardHands : public Hands {
 public:
  explicit KeyboardHands(GameHarness& game) : game_(game) {}
  void Tap(Control control) override {
    static constexpr int kKeys[] = {vk::Up, vk::Down, vk::Left, vk::Right, vk::Enter, vk::Escape};
    game_.PressKey(kKeys[static_cast<int>(control)]);
    game_.StepFrame();
  }
  void Drive(const AutopilotControls& want) override {
    Hold(vk::Up, want.Throttle);
    Hold(vk::Down, want.Brake);
    Hold(vk::Left, want.Left);
    Hold(vk::Right, want.Right);
  }

 private:
  void Hold(int key, bool down) {
    if ((game_.State().KeyHeld[static_cast<size_t>(key)] != 0) == down) return;
    if (down) {
      game_.KeyDown(key);
    } else {
      game_.KeyUp(key);
    }
  }
  GameHarness& game_;
};

class PadHands : public Hands {
 public:
  explicit PadHands(GameHarness& game) : game_(game) { game_.StepFrame(); }  // noticed
  void Tap(Control control) override {
    static constexpr int kButtons[] = {
        SDL_CONTROLLER_BUTTON_DPAD_UP,   SDL_CONTROLLER_BUTTON_DPAD_DOWN,
        SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_CONTROLLER_BUTTON_DPAD_RIGHT,
        SDL_CONTROLLER_BUTTON_A,         SDL_CONTROLLER_BUTTON_B};
    const int button = kButtons[static_cast<int>(control)];
    pad_.SetButton(button, true);
    game_.StepFrame();
    pad_.SetButton(button, false);
    game_.StepFrame();
  }
  void Drive(const AutopilotControls& want) override {
    pad_.SetAxis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, want.Throttle ? 32767 : 0);
    pad_.SetAxis(SDL_CONTROLLER_AXIS_TRIGGERLEFT, want.Brake ? 32767 : 0);
    pad_.SetAxis(SDL_CONTROLLER_AXIS_LEFTX, want.Left ? -32768 : want.Right ? 32767 : 0);
  }

 private:
  GameHarness& game_;
  VirtualPad pad_;
};

// The name the player goes by: typed on the keyboard, offered from an earlier game on the pad.
const std::string kName = Utf8ToCp1251("Аня");

TKaltoButton* KeyFocus(TForm1& form) {
  return form.KaltoGUI1.KeysHaveFocus() ? form.KaltoGUI1.FocusedButton() : nullptr;
}

// From the name entry, the name in its field, to the exit page's exit button.
void PlayAWholeGame(RaceScenario& scenario, Hands& h) {
  GameHarness& game = scenario.Game();
  TForm1& form = scenario.Form();
  GameState& state = scenario.State();
  ASSERT_EQ(state.ScreenState, ScrEnterName);
  h.Tap(Control::Confirm);
  ASSERT_EQ(state.ScreenState, ScrMainMenu);
  game.StepFrames(kSettleFrames);

  // The first Confirm shows the focus on the first button, arrows move it, the next presses.
  h.Tap(Control::Confirm);
  ASSERT_NE(KeyFocus(form), nullptr);
  EXPECT_EQ(KeyFocus(form)->Name, "b_stgame");
  h.Tap(Control::Down);
  EXPECT_EQ(KeyFocus(form)->Name, "b_opt");
  EXPECT_EQ(form.KaltoGUI1.Pointer.HoverId, KeyFocus(form)->Id) << "shown as the hover";
  h.Tap(Control::Up);
  EXPECT_EQ(KeyFocus(form)->Name, "b_stgame");
  TrackInfo& track = form.Race.Tracks.Tracks[0];
  track.Laps = 1;
  track.Opponents = 0;
  h.Tap(Control::Confirm);
  ASSERT_EQ(state.ScreenState, ScrChooseTrack);
  game.StepFrames(kSettleFrames);
  h.Tap(Control::Confirm);
  ASSERT_EQ(state.ScreenState, ScrChooseCar);
  game.StepFrames(kSettleFrames);
  h.Tap(Control::Confirm);
  ASSERT_EQ(state.ScreenState, ScrRace);

  Autopilot pilot(form.Race);
  for (int frame = 0; frame < 20000 && state.ScreenState == ScrRace; ++frame) {
    AutopilotControls want = pilot.Decide();
    if (!form.Race.Player->ControlsEnabled || state.RaceFinished) want = AutopilotControls{};
    h.Drive(want);
    game.StepFrame();
  }
  h.Drive(AutopilotControls{});
  ASSERT_EQ(state.ScreenState, ScrRaceOver);
  EXPECT_EQ(form.Race.Player->FinalPlace, 1);

  // The continue button shows once the bonus is counted in.
  for (int frame = 0; frame < 3000 && !scenario.VisibleButton("bro_next"); ++frame) {
    game.StepFrame();
  }
  ASSERT_NE(scenario.VisibleButton("bro_next"), nullptr);
  h.Tap(Control::Confirm);
  ASSERT_EQ(KeyFocus(form), scenario.VisibleButton("bro_next"));
  h.Tap(Control::Confirm);
  ASSERT_NE(scenario.VisibleButton("b_no1"), nullptr) << "the send question";
  // Round the two answers and back to "no", which sends nothing.
  h.Tap(Control::Confirm);
  EXPECT_EQ(KeyFocus(form), scenario.VisibleButton("b_no1"));
  h.Tap(Control::Left);
  EXPECT_EQ(KeyFocus(form), scenario.VisibleButton("b_yes1"));
  h.Tap(Control::Right);
  EXPECT_EQ(KeyFocus(form), scenario.VisibleButton("b_no1"));
  h.Tap(Control::Confirm);
  ASSERT_EQ(state.ScreenState, ScrChooseTrack);
  game.StepFrames(kSettleFrames);

  h.Tap(Control::Back);
  ASSERT_EQ(state.ScreenState, ScrMainMenu);
  game.StepFrames(kSettleFrames);
  h.Tap(Control::Back);
  ASSERT_EQ(state.ScreenState, ScrExitConfirm);
  game.StepFrames(kSettleFrames);
  h.Tap(Control::Right);  // the focus onto the first answer, "yes"
  ASSERT_NE(KeyFocus(form), nullptr);
  EXPECT_EQ(KeyFocus(form)->Name, "b_yes");
  h.Tap(Control::Confirm);
  ASSERT_EQ(state.ScreenState, ScrExit);

  TShareScreen& page = *form.PromoScreen;
  ASSERT_TRUE(page.Valid);
  game.StepFrames(page.Countdown + 1);
  ASSERT_EQ(page.Countdown, 0);
  const auto hovered = [&page] {
    int index = -1;
    for (size_t i = 0; i < page.PromoButtons.size(); ++i) {
      if (page.PromoButtons[i].Hover) index = static_cast<int>(i);
    }
    return index;
  };
  h.Tap(Control::Down);
  EXPECT_EQ(hovered(), 0) << "the first key focuses the first button";
  for (int step = 1; step < static_cast<int>(page.PromoButtons.size()); ++step) {
    h.Tap(Control::Down);
  }
  ASSERT_TRUE(page.PromoButtons[static_cast<size_t>(hovered())].IsExit());
  EXPECT_FALSE(form.Loop.QuitRequested());
  h.Tap(Control::Confirm);
  EXPECT_TRUE(form.Loop.QuitRequested()) << "the game closes as its exit button does";
}

// The saved files as a second start reads them.
void ExpectSavedGame(const GameHarness& game) {
  const GameRoots previous = CurrentGameRoots();
  SetGameRoots(game.Roots());
  GameState saved;
  TrackSlotTimes times{};
  EXPECT_FALSE(LoadConfig(saved));
  EXPECT_FALSE(LoadProgress(saved, times));
  SetGameRoots(previous);
  EXPECT_EQ(saved.PlayerName, kName);
  EXPECT_GT(saved.Score, 0) << "the race's prize";
  EXPECT_FALSE(times[0] == RaceTime::None()) << "the race time is track 1's record";
}

TEST(KeysAndPadOnly, AWholeGameFromTheKeyboard) {
  RaceScenario scenario;
  KeyboardHands hands(scenario.Game());
  RunSplash(scenario.Game());
  scenario.Game().TypeText("\u0410\u043d\u044f");
  scenario.Game().StepFrame();
  PlayAWholeGame(scenario, hands);
  ExpectSavedGame(scenario.Game());
}

TEST(KeysAndPadOnly, AWholeGameFromAPad) {
  RaceScenario scenario;
  // A pad types no name: this player's name is offered from an earlier game.
  scenario.State().PlayerName = kName;
  PadHands hands(scenario.Game());
  scenario.Game().StepFrames(kSplashFrames - 1);
  ASSERT_EQ(scenario.State().ScreenState, ScrEnterName);
  PlayAWholeGame(scenario, hands);
  ExpectSavedGame(scenario.Game());
}

}  // namespace
