#include "shell/MenuSprites.h"

#include <gtest/gtest.h>

#include <array>

#include "engine/graphics/KaltoImageList.h"
#include "race/MenuDecorations.h"
#include "race/RunningString.h"
#include "shell/MenuBackground.h"
#include "tests/harness/GameHarness.h"
#include "tests/harness/ScreenParts.h"

namespace {

TEST(MenuSprites, PictureSpriteShowsTheWholePictureOfItsList) {
  GameHarness game;
  TForm1& form = game.Form();
  auto* title = new TMenuScreen(form, -300, 40, 60, "scr_title", "title", 128, false);
  const TImageListItem* picture = form.KaltoImageList1.Find("scr_title");
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(title->Image(), picture);
  EXPECT_EQ(title->Width(), picture->PictureWidth());
  EXPECT_EQ(title->Height(), picture->PictureHeight());
  EXPECT_FLOAT_EQ(title->X(), -300);
  EXPECT_FLOAT_EQ(title->Y(), 40);
  EXPECT_EQ(title->Z(), 60);
  EXPECT_EQ(title->Alpha(), 128);
  EXPECT_FALSE(title->Visible);
  EXPECT_EQ(title->Name(), "title");
}

TEST(MenuSprites, CursorStepsEveryTenthMoveWrapsAfterEightPicturesAndSitsOnThePointer) {
  GameHarness game;
  // A pointer of its own: the screens move the game's pointer too.
  TCursor& cursor = *new TCursor(game.Form());
  EXPECT_EQ(cursor.Z(), 90000);
  EXPECT_EQ(cursor.Width(), cursor.Image()->TileWidth());

  std::vector<int32_t> patterns;
  for (int move = 0; move < 90; ++move) {
    cursor.Move(1);
    patterns.push_back(cursor.PatternIndex());
  }
  // The counter starts at 1: the first step comes on the tenth move, then every tenth.
  EXPECT_EQ(patterns[8], 0);
  EXPECT_EQ(patterns[9], 1);
  EXPECT_EQ(patterns[19], 2);
  EXPECT_EQ(patterns[69], 7);
  EXPECT_EQ(patterns[79], 0);

  game.MouseMove(123, 456);
  game.StepFrame();
  cursor.Move(1);
  EXPECT_FLOAT_EQ(cursor.X(), 123);
  EXPECT_FLOAT_EQ(cursor.Y(), 456);
}

TEST(MenuSprites, MenuBackgroundMakesThreeLampsAndTheMarqueeAndEndsThem) {
  GameHarness game;
  TForm1& form = game.Form();
  MenuBackground menus(form.Race, form.KaltoFont2);
  menus.Build();
  ASSERT_NE(menus.Lamps()[0], nullptr);
  EXPECT_FLOAT_EQ(menus.Lamps()[0]->X(), 728);
  EXPECT_FLOAT_EQ(menus.Lamps()[1]->X(), -8);
  EXPECT_FLOAT_EQ(menus.Lamps()[2]->Y(), 565);
  ASSERT_NE(menus.Greeting(), nullptr);
  EXPECT_NE(menus.Greeting()->Text.find(form.State.PlayerName), std::string::npos);
  const int spritesBuilt = form.KaltoSprite1.SpriteCount();
  EXPECT_FALSE(form.Race.Opponents.empty()) << "the demo race runs";

  menus.End();
  EXPECT_EQ(menus.Lamps(), (std::array<TLight*, 3>{}));
  EXPECT_EQ(menus.Greeting(), nullptr);
  EXPECT_TRUE(form.Race.Opponents.empty());
  EXPECT_LT(form.KaltoSprite1.SpriteCount(), spritesBuilt);
  for (int i = 0; i < form.KaltoSprite1.SpriteCount(); ++i) {
    const std::string& name = form.KaltoSprite1.Sprites(i)->Name();
    EXPECT_TRUE(name != "light" && name != "enemy") << name;
  }
}

}  // namespace
