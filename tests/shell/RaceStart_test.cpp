// The start of a race, headless: the loading frame, the start lights frame by frame, and the
// pause and the quit panel, which stop the race and its clock until the player comes back.
#include <gtest/gtest.h>

#include "race/Opponent.h"
#include "race/Player.h"
#include "shell/MenuSprites.h"
#include "shell/RaceScreen.h"
#include "tests/harness/ScreenParts.h"
#include "tests/shell/RaceScenario.h"

namespace {

// A point low in each lamp, inside that lamp's picture only, and its lit colour. The grass
// behind the lights is darker than the green lamp.
struct LampSpot {
  int X, Y;
};
constexpr LampSpot kRedSpot{333, 100};
constexpr LampSpot kYellowSpot{403, 100};
constexpr LampSpot kGreenSpot{472, 100};

bool RedLit(const PixelImage& frame) {
  const uint8_t* p = frame.Pixel(kRedSpot.X, kRedSpot.Y);
  return p[0] > 200 && p[1] < 120;
}
bool YellowLit(const PixelImage& frame) {
  const uint8_t* p = frame.Pixel(kYellowSpot.X, kYellowSpot.Y);
  return p[0] > 200 && p[1] > 170 && p[2] < 120;
}
bool GreenLit(const PixelImage& frame) {
  const uint8_t* p = frame.Pixel(kGreenSpot.X, kGreenSpot.Y);
  return p[1] > 200 && p[0] < 150;
}

bool CarsReleased(TForm1& form) {
  bool released = form.Race.Player->ControlsEnabled;
  for (TOpponentCar* car : form.Race.Opponents) released = released && car->Driving;
  return released;
}

}  // namespace

TEST(RaceStart, TheLoadingFrameShowsWhileTheRacePicturesLoadOnTheFirstRaceOnly) {
  RaceScenario scenario;
  TForm1& form = scenario.Form();
  ASSERT_TRUE(scenario.State().GameImagesPending);
  const PixelImage loading = scenario.StartRace(1, 3);
  ASSERT_EQ(loading.Width, 800);
  GameHarness::SaveFrame(
      loading, (std::filesystem::current_path() / ".." / "scenes" / "race-loading.png").string());
  EXPECT_FALSE(scenario.State().GameImagesPending);
  EXPECT_EQ(scenario.State().ScreenState, ScrRace);
  EXPECT_NE(form.Race.Player, nullptr);
  EXPECT_EQ(form.Race.Opponents.size(), 3u);
  EXPECT_EQ(PageOf(form, ScrChooseCar).Gui, nullptr);  // the car screen freed its page
  EXPECT_EQ(scenario.PlayingMusic(), std::set<std::string>{"gamemusic"});
  EXPECT_FALSE(form.Cursor->Visible);
}

TEST(RaceStart, TheLightsCountDownAndTheGreenLightReleasesTheCarsAndTheClock) {
  RaceScenario scenario;
  TForm1& form = scenario.Form();
  GameState& state = scenario.State();
  scenario.StartRace(1, 4);

  struct Checkpoint {
    int Frame;  // the race frame's AnimCounter as it runs
    bool Red, Yellow, Green;
    const char* Effect;  // started on this frame, or null
    bool Released;
  };
  const Checkpoint checkpoints[] = {
      {49, false, false, false, nullptr, false}, {50, false, false, false, "svet1", false},
      {51, true, false, false, nullptr, false},  {150, true, false, false, "svet1", false},
      {151, true, true, false, nullptr, false},  {249, true, true, false, nullptr, false},
      {250, true, true, true, "svet2", true},    {299, false, false, false, nullptr, true},
      {301, false, false, false, nullptr, true},
  };
  for (const Checkpoint& c : checkpoints) {
    SCOPED_TRACE("frame " + std::to_string(c.Frame));
    scenario.Game().StepFrames(c.Frame - state.AnimCounter);
    ASSERT_EQ(state.AnimCounter, c.Frame);
    const PixelImage frame = scenario.Game().RenderFrame();
    if (c.Frame == 151 || c.Frame == 250) {
      GameHarness::SaveFrame(frame, (std::filesystem::current_path() / ".." / "scenes" /
                                     ("race-lights-" + std::to_string(c.Frame) + ".png"))
                                        .string());
    }
    EXPECT_EQ(RedLit(frame), c.Red);
    EXPECT_EQ(YellowLit(frame), c.Yellow);
    EXPECT_EQ(GreenLit(frame), c.Green);
    if (c.Effect) {
      EXPECT_TRUE(scenario.EffectStartedNow(c.Effect));
    }
    EXPECT_EQ(CarsReleased(form), c.Released);
    EXPECT_EQ(form.Race.ClockRunning, c.Released);
    if (!c.Released) {
      for (TOpponentCar* car : form.Race.Opponents) EXPECT_EQ(car->Speed, 0);
    }
    EXPECT_EQ(scenario.CountSprites("begarrows"), c.Frame < 300 ? 1 : 0);
    EXPECT_EQ(state.AnimCounter, std::min(c.Frame + 1, 301));
  }
}

TEST(RaceStart, TheRaceClocksRunFromTheGreenLightInTrueHundredths) {
  RaceScenario scenario;
  scenario.StartRace(1, 2);
  TForm1& form = scenario.Form();
  scenario.Game().StepFrames(RaceScreen::kStartFrame + 1);  // through the start frame
  ASSERT_TRUE(form.Race.ClockRunning);
  const int64_t started = scenario.Game().Clock().Now();
  EXPECT_EQ(form.Race.Player->RaceClock, RaceTime{});
  scenario.Game().StepFrames(90 * 2 + 5);
  const int64_t hundredths = (scenario.Game().Clock().Now() - started) / 10'000;
  auto total = [](const RaceTime& t) { return t.Minutes * 6000 + t.Seconds * 100 + t.Hundredths; };
  EXPECT_EQ(total(form.Race.Player->RaceClock), hundredths);
  for (TOpponentCar* car : form.Race.Opponents) EXPECT_EQ(total(car->RaceClock), hundredths);
  scenario.SaveScene("race-running.png");
}

TEST(RaceStart, PausingDuringTheLightsFreezesThemUntilTheRaceResumes) {
  RaceScenario scenario;
  GameState& state = scenario.State();
  scenario.StartRace(1, 2);
  scenario.Game().StepFrames(120);
  for (int key : {vk::P, vk::F1, vk::Escape}) {
    SCOPED_TRACE("resumed with key " + std::to_string(key));
    const int32_t lights = state.AnimCounter;
    scenario.Game().PressKey(key == vk::Escape ? vk::F1 : vk::P);
    scenario.Game().StepFrame();
    ASSERT_EQ(state.ScreenState, ScrPause);
    EXPECT_TRUE(scenario.Form().Cursor->Visible);
    scenario.Game().StepFrames(200);
    EXPECT_EQ(state.AnimCounter, lights + 1);  // the frame that opened the pause still ran
    if (key == vk::P) scenario.SaveScene("race-pause.png");
    scenario.Game().PressKey(key);
    scenario.Game().StepFrame();
    EXPECT_EQ(state.ScreenState, ScrRace);
    EXPECT_EQ(scenario.CountSprites("pause"), 0);
    EXPECT_FALSE(scenario.Form().Cursor->Visible);
    scenario.Game().StepFrames(10);
    EXPECT_EQ(state.AnimCounter, lights + 11);
  }
  EXPECT_FALSE(scenario.Form().Race.ClockRunning);  // still before the green light
}

TEST(RaceStart, PausingAfterTheStartStopsTheClockAndResumingRestartsIt) {
  RaceScenario scenario;
  TForm1& form = scenario.Form();
  scenario.StartRace(1, 2);
  scenario.Game().StepFrames(400);
  scenario.Game().PressKey(vk::P);
  scenario.Game().StepFrame();
  ASSERT_EQ(scenario.State().ScreenState, ScrPause);
  const RaceTime clock = form.Race.Player->RaceClock;
  scenario.Game().StepFrames(90);
  EXPECT_EQ(form.Race.Player->RaceClock, clock);
  scenario.Game().PressKey(vk::Escape);
  scenario.Game().StepFrame();  // reads the key and resumes
  EXPECT_EQ(form.Race.Player->RaceClock, clock);
  scenario.Game().StepFrames(90);  // a second of race, nothing of the pause caught up
  RaceTime later = clock;
  for (int i = 0; i < 100; ++i) later.Advance();
  EXPECT_EQ(form.Race.Player->RaceClock, later);
}

TEST(RaceStart, TheQuitPanelResumesOnNoAndEscapeAndLeavesForTheMainMenuOnYes) {
  RaceScenario scenario;
  TForm1& form = scenario.Form();
  GameState& state = scenario.State();
  scenario.StartRace(1, 3);
  scenario.Game().StepFrames(300);

  auto openPanel = [&] {
    scenario.Game().PressKey(vk::Escape);
    scenario.Game().StepFrame();
    ASSERT_EQ(state.ScreenState, ScrQuitRace);
    EXPECT_TRUE(form.Cursor->Visible);
    scenario.Game().StepFrames(25);  // the panel has slid in
    ASSERT_NE(form.CurrentPage()->Panel, nullptr);
    EXPECT_EQ(form.CurrentPage()->Panel->X(), -693 + 20 * 40);
  };

  openPanel();
  const int64_t clockSteps = form.Race.ClockSteps;
  scenario.SaveScene("race-quit-panel.png");
  scenario.ClickButton("b_no1");  // the step that reads the click is a race step again
  EXPECT_EQ(state.ScreenState, ScrRace);
  EXPECT_TRUE(form.Race.ClockRunning);
  EXPECT_EQ(form.Race.ClockSteps, clockSteps + 1);  // nothing of the panel's time counted
  EXPECT_EQ(scenario.CountSprites("menuexitgame"), 0);
  EXPECT_EQ(PageOf(form, ScrQuitRace).Gui, nullptr);

  openPanel();
  scenario.Game().PressKey(vk::Escape);
  scenario.Game().StepFrame();
  EXPECT_EQ(state.ScreenState, ScrRace);
  EXPECT_TRUE(form.Race.ClockRunning);

  openPanel();
  scenario.ClickButton("b_yes1");
  EXPECT_EQ(state.ScreenState, ScrMainMenu);
  EXPECT_FALSE(form.Race.ClockRunning);
  EXPECT_EQ(scenario.PlayingMusic(), std::set<std::string>{"menumusic"});
  // The menus' background is back: three lamps and the demo race's four cars, no race left.
  EXPECT_EQ(scenario.CountSprites("light"), 3);
  EXPECT_EQ(scenario.CountSprites("enemy"), 4);
  EXPECT_EQ(scenario.CountSprites("player"), 1);  // the demo race's hidden car
  EXPECT_NE(CurrentMenus(form).Greeting(), nullptr);
}
