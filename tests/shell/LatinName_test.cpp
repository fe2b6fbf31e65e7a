// A name typed with a Latin keyboard layout: the letters the game can draw are kept as
// typed and carried into the greeting, the saved files and the records table; a character
// it cannot draw is refused visibly, the field shaking, never dropped in silence.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/GamePaths.h"
#include "race/RunningString.h"
#include "shell/RecordsTable.h"
#include "shell/Settings.h"
#include "tests/harness/ScreenParts.h"
#include "tests/shell/MenuPlayer.h"

namespace {

TEST(LatinName, AlexUmlautIsRefusedAtTheUmlautAndAlex2IsKeptEverywhere) {
  GameHarness game;
  RunSplash(game);
  game.StepFrames(90);  // the field has slid in
  TKaltoEdit& field = *game.Form().CurrentPage()->Edit;
  game.TypeText("Alex \u00dc");  // Ü has no Windows-1251 code
  game.StepFrame();
  EXPECT_EQ(field.Text, "Alex ");
  EXPECT_GT(field.ShakeFrames, 0) << "the refusal is seen";
  const std::filesystem::path shots = std::filesystem::current_path() / ".." / "scenes";
  std::filesystem::create_directories(shots);
  EXPECT_TRUE(GameHarness::SaveFrame(game.RenderFrame(), (shots / "name_refused.png").string()));
  game.StepFrames(TKaltoEdit::kShakeFrames);
  EXPECT_EQ(field.ShakeFrames, 0);

  game.TypeText("2");
  game.StepFrame();
  EXPECT_EQ(field.Text, "Alex 2");
  EXPECT_EQ(field.ShakeFrames, 0) << "a drawable character is taken quietly";
  Press(game, vk::Enter);
  ASSERT_EQ(game.State().ScreenState, ScrMainMenu);
  ASSERT_NE(CurrentMenus(game.Form()).Greeting(), nullptr);
  EXPECT_NE(CurrentMenus(game.Form()).Greeting()->Text.find(", Alex 2!"), std::string::npos)
      << "greeting";

  // Into the records table as the race-over screen enters a score, and saved.
  EnterScore(game.State().Records, game.State().PlayerName, 1000000);
  game.Form().SaveConfigFile();
  game.Form().GoTo(ScrRecords);
  game.StepFrame();
  EXPECT_TRUE(
      GameHarness::SaveFrame(game.RenderFrame(), (shots / "records_latin_name.png").string()));

  const GameRoots previous = CurrentGameRoots();
  SetGameRoots(game.Roots());
  GameState saved;
  EXPECT_FALSE(LoadConfig(saved));
  SetGameRoots(previous);
  EXPECT_EQ(saved.PlayerName, "Alex 2");
  EXPECT_EQ(saved.Records[0].Name, "Alex 2");
}

}  // namespace
