#include <gtest/gtest.h>

#include "shell/Unit_pr.h"
#include "tests/harness/GameHarness.h"
#include "tests/support/ScopedEnvironment.h"

namespace {

bool Playing(TForm1& form, const char* module) {
  const TModListItem* item = form.Sound3D.FindModule(module);
  return item->Loaded() && item->Stream()->IsPlaying();
}

}  // namespace

TEST(FormAudio, TheMenuMusicStartsWithTheGameAndStopsAtOnceWhenMusicIsOff) {
  GameHarness game;
  EXPECT_TRUE(Playing(game.Form(), "menumusic"));
  EXPECT_FALSE(game.Form().Sound3D.FindModule("gamemusic")->Loaded());

  game.State().MusicOn = false;
  game.Form().FormShow();
  EXPECT_TRUE(game.Form().Sound3D.FindModule("menumusic")->Loaded());
  EXPECT_FALSE(Playing(game.Form(), "menumusic"));
}

TEST(FormAudio, WithoutAnAudioDeviceTheGameRunsItsFramesSilently) {
  const ScopedEnvironmentVariable noDevice("SDL_AUDIODRIVER", "no-such-driver");
  testing::internal::CaptureStderr();
  {
    GameHarness game;
    EXPECT_FALSE(game.Form().Sound3D.HasDevice());
    game.Form().Sound3D.FindSound("begin")->Play();
    game.StepFrames(90);
    EXPECT_EQ(game.FramesRun(), 90);
    EXPECT_TRUE(Playing(game.Form(), "menumusic"));  // streams on, heard by nobody
  }
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}
