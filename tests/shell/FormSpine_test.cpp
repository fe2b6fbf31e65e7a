#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/Unit_pr.h"
#include "tests/harness/GameHarness.h"

namespace {

constexpr uint8_t kUsedStates[] = {0, 1, 3, 4, 6, 7, 8, 9, 10, 12, 13, 14, 15, 16, 19, 20, 21};

bool IsUsed(int state) {
  for (uint8_t used : kUsedStates) {
    if (used == state) return true;
  }
  return false;
}

// A screen that writes each call to a shared log, such as "enter 4".
class RecordingScreen : public GameScreen {
 public:
  RecordingScreen(int state, std::vector<std::string>& log) : state_(state), log_(log) {}
  void Enter() override { log_.push_back("enter " + std::to_string(state_)); }
  void RunFrame() override { log_.push_back("frame " + std::to_string(state_)); }
  void Leave() override { log_.push_back("leave " + std::to_string(state_)); }

 private:
  int state_;
  std::vector<std::string>& log_;
};

// A panel shown over the screen it is reached from.
class RecordingPanel : public RecordingScreen {
 public:
  using RecordingScreen::RecordingScreen;
  bool IsPanel() const override { return true; }
};

TEST(FormSpine, GoToLeavesTheCurrentScreenAndEntersTheNextAndIgnoresUnusedValues) {
  GameHarness game;
  std::vector<std::string> log;
  for (uint8_t state : kUsedStates) {
    game.Form().SetScreen(state, std::make_unique<RecordingScreen>(state, log));
  }
  for (int state = 0; state < 256; ++state) {
    log.clear();
    const auto value = static_cast<uint8_t>(state);
    const uint8_t before = game.State().ScreenState;
    EXPECT_EQ(game.Form().IsScreenState(value), IsUsed(state)) << "state " << state;
    game.Form().GoTo(value);
    game.Form().RunScreenFrame(value);
    const std::string n = std::to_string(state);
    const std::vector<std::string> expected =
        IsUsed(state) ? std::vector<std::string>{"leave " + std::to_string(before), "enter " + n,
                                                 "frame " + n}
                      : std::vector<std::string>{};
    EXPECT_EQ(log, expected) << "state " << state;
    EXPECT_EQ(game.State().ScreenState, IsUsed(state) ? value : before) << "state " << state;
  }
}

TEST(FormSpine, APanelKeepsTheScreenBeneathItUntilThePanelGoesElsewhere) {
  GameHarness game;
  std::vector<std::string> log;
  game.Form().SetScreen(ScrRace, std::make_unique<RecordingScreen>(ScrRace, log));
  game.Form().SetScreen(ScrPause, std::make_unique<RecordingPanel>(ScrPause, log));
  game.Form().SetScreen(ScrMainMenu, std::make_unique<RecordingScreen>(ScrMainMenu, log));
  game.Form().GoTo(ScrRace);
  log.clear();

  game.Form().GoTo(ScrPause);
  EXPECT_EQ(log, (std::vector<std::string>{"enter 20"})) << "the race stays built";
  game.Form().GoTo(ScrRace);
  EXPECT_EQ(log, (std::vector<std::string>{"enter 20", "leave 20"})) << "the race is not rebuilt";
  EXPECT_EQ(game.State().ScreenState, ScrRace);

  log.clear();
  game.Form().GoTo(ScrPause);
  game.Form().GoTo(ScrMainMenu);
  EXPECT_EQ(log, (std::vector<std::string>{"enter 20", "leave 20", "leave 12", "enter 4"}));
  log.clear();
  game.Form().GoTo(ScrRace);
  EXPECT_EQ(log, (std::vector<std::string>{"leave 4", "enter 12"})) << "no panel is left over";
}

TEST(FormSpine, EachFrameRunsTheCurrentStatesScreenOnce) {
  GameHarness game;
  std::vector<std::string> log;
  game.Form().SetScreen(ScrMainMenu, std::make_unique<RecordingScreen>(ScrMainMenu, log));
  game.State().ScreenState = ScrMainMenu;
  game.StepFrames(3);
  EXPECT_EQ(log, (std::vector<std::string>{"frame 4", "frame 4", "frame 4"}));
}

TEST(FormSpine, AStateWithoutItsScreenShowsABlackFrameAndAnUnusedValueShowsNothing) {
  GameHarness unused;
  unused.State().ScreenState = 5;
  EXPECT_EQ(unused.RenderFrame().Width, 0) << "nothing was presented";

  GameHarness game;
  ASSERT_EQ(game.State().ScreenState, ScrSplash);
  game.Form().SetScreen(ScrSplash, nullptr);
  game.Form().KaltoScreen1.Device()->Clear(200, 100, 50, 255);
  const PixelImage frame = game.RenderFrame();
  ASSERT_EQ(frame.Width, 800);
  ASSERT_EQ(frame.Height, 600);
  for (int y = 0; y < frame.Height; y += 7) {
    for (int x = 0; x < frame.Width; x += 7) {
      const uint8_t* p = frame.Pixel(x, y);
      ASSERT_EQ(p[0] | p[1] | p[2], 0) << "at " << x << "," << y;
    }
  }
}

// Reacts to Escape the way every screen does: reads KeyReleased and clears the entry.
class EscapeCounter : public GameScreen {
 public:
  EscapeCounter(GameState& state, int& seen) : state_(state), seen_(seen) {}
  void Enter() override {}
  void RunFrame() override {
    if (state_.KeyReleased[vk::Escape]) {
      state_.KeyReleased[vk::Escape] = 0;
      ++seen_;
    }
  }
  void Leave() override {}

 private:
  GameState& state_;
  int& seen_;
};

TEST(FormSpine, KeyPressedAndReleasedBetweenTwoFramesIsSeenOnce) {
  GameHarness game;
  int seen = 0;
  game.Form().SetScreen(ScrSplash, std::make_unique<EscapeCounter>(game.State(), seen));
  game.StepFrame();
  game.PressKey(vk::Escape);
  game.StepFrames(5);
  EXPECT_EQ(seen, 1);
  EXPECT_EQ(game.State().KeyHeld[vk::Escape], 0);
}

TEST(FormSpine, KeyHeldFollowsTheKeyAndReleaseIsKeptUntilConsumed) {
  GameHarness game;
  game.KeyDown(vk::Left);
  game.StepFrames(2);
  EXPECT_EQ(game.State().KeyHeld[vk::Left], 1);
  EXPECT_EQ(game.State().KeyReleased[vk::Left], 0);
  game.KeyUp(vk::Left);
  game.StepFrames(2);
  EXPECT_EQ(game.State().KeyHeld[vk::Left], 0);
  EXPECT_EQ(game.State().KeyReleased[vk::Left], 1) << "no screen consumed it";
}

TEST(FormSpine, CloseIsRefusedEverywhereButOnTheExitPageAfterItsCountdown) {
  GameHarness game;
  for (int state = 0; state <= ScrExit; ++state) {
    for (int32_t countdown : {0, 1, 300}) {
      game.State().ScreenState = static_cast<uint8_t>(state);
      game.Form().PromoScreen->Countdown = countdown;
      EXPECT_EQ(game.Form().FormCloseQuery(), state == ScrExit && countdown == 0)
          << "state " << state << ", countdown " << countdown;
    }
  }
}

TEST(FormSpine, AWindowManagerCloseRequestEndsTheLoopOnlyWhenAllowed) {
  GameHarness game;
  game.State().ScreenState = ScrRace;
  EXPECT_FALSE(game.RequestClose());
  game.StepFrame();  // the game runs on
  game.State().ScreenState = ScrExit;
  game.Form().PromoScreen->Countdown = 2;
  EXPECT_FALSE(game.RequestClose());
  game.Form().PromoScreen->Countdown = 0;
  EXPECT_TRUE(game.RequestClose());
}

}  // namespace
