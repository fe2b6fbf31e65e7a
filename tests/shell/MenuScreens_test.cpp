// The menus as a player goes through them: the real game, headless, driven by keys, typing
// and clicks.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "race/MenuDecorations.h"
#include "race/RunningString.h"
#include "shell/ClearRecordsScreen.h"
#include "shell/HelpScreen.h"
#include "shell/Settings.h"
#include "tests/harness/ScreenParts.h"
#include "tests/shell/MenuPlayer.h"

namespace {

int CountSpritesNamed(const TForm1& form, const std::string& name) {
  int count = 0;
  for (int i = 0; i < form.KaltoSprite1.SpriteCount(); ++i) {
    if (form.KaltoSprite1.Sprites(i)->Name() == name) count += 1;
  }
  return count;
}

int CountOnPage(const MenuPage& page, const std::string& name) {
  int count = 0;
  for (const TSprite* sprite : {page.Title, page.Second, page.Picture, page.Panel}) {
    if (sprite && sprite->Name() == name) count += 1;
  }
  return count;
}

}  // namespace

// Each screen frees what it built in its own Leave: its GUI page, and its sprites, whichever
// screen comes next.
TEST(MenuScreens, EachMenuScreenFreesItsPageAndSpritesWhenLeft) {
  GameHarness game;
  ReachMainMenu(game);
  TForm1& form = game.Form();
  struct Visit {
    uint8_t Screen;
    uint8_t Next;
  };
  for (const Visit& visit :
       {Visit{ScrOptions, ScrMainMenu}, Visit{ScrHelp, ScrMainMenu},
        Visit{ScrRecords, ScrClearRecords}, Visit{ScrClearRecords, ScrRecords},
        Visit{ScrExitConfirm, ScrMainMenu}, Visit{ScrChooseTrack, ScrChooseCar},
        Visit{ScrChooseCar, ScrChooseTrack}, Visit{ScrMainMenu, ScrHelp}}) {
    form.GoTo(visit.Screen);
    game.StepFrames(3);
    const MenuPage& page = PageOf(form, visit.Screen);
    ASSERT_EQ(form.CurrentPage(), &page);
    ASSERT_NE(page.Gui, nullptr) << int{visit.Screen};
    ASSERT_NE(page.Title, nullptr) << int{visit.Screen};
    // Per name of the screen's sprites: how many of them the sprite engine holds, and how
    // many are the screen's own.
    std::vector<std::pair<std::string, int>> remaining;
    for (const TSprite* sprite : {page.Title, page.Second, page.Picture, page.Panel}) {
      if (sprite) {
        remaining.emplace_back(sprite->Name(), CountSpritesNamed(form, sprite->Name()) -
                                                   CountOnPage(page, sprite->Name()));
      }
    }

    form.GoTo(visit.Next);
    game.StepFrame();
    EXPECT_EQ(page.Gui, nullptr) << int{visit.Screen};
    EXPECT_EQ(page.Buttons, (std::array<TKaltoButton*, 7>{})) << int{visit.Screen};
    EXPECT_EQ(page.Edit, nullptr) << int{visit.Screen};
    for (const TSprite* sprite : {page.Title, page.Second, page.Picture, page.Panel}) {
      EXPECT_EQ(sprite, nullptr) << int{visit.Screen};
    }
    // What is left of each name: the others', and the next screen's own.
    for (const auto& [name, others] : remaining) {
      const MenuPage& next = PageOf(form, form.State.ScreenState);
      EXPECT_EQ(CountSpritesNamed(form, name), others + CountOnPage(next, name))
          << name << " of " << int{visit.Screen};
    }
  }
}

TEST(MenuScreens, FirstStartShowsTheSplashThenAsksForANameOfAtMostTwelveCharacters) {
  GameHarness game;
  ASSERT_FALSE(std::filesystem::exists(game.Roots().Save / "Config.cfg"));
  game.StepFrames(kSplashFrames - 1);
  EXPECT_EQ(game.State().ScreenState, ScrSplash);
  game.StepFrame();
  ASSERT_EQ(game.State().ScreenState, ScrEnterName);
  EXPECT_NE(CurrentMenus(game.Form()).Lamps()[0], nullptr)
      << "the menus' background starts with the splash's end";
  EXPECT_NE(CurrentMenus(game.Form()).Greeting(), nullptr);
  game.StepFrames(kSettleFrames);

  // An empty name is not taken, by key or by button.
  Press(game, vk::Enter);
  ClickButton(game, "b_ok");
  EXPECT_EQ(game.State().ScreenState, ScrEnterName);

  // Twelve characters at most: the Latin letters after them find the field full.
  game.TypeText("АБВГДЕЖЗИЙК1Zz23");
  game.StepFrame();
  TKaltoEdit& edit = *game.Form().CurrentPage()->Edit;
  const std::string twelve =
      "\xC0\xC1\xC2\xC3\xC4\xC5\xC6\xC7\xC8\xC9\xCA"
      "1";
  EXPECT_EQ(edit.Text, twelve) << "the twelfth character is the last one taken";
  Press(game, vk::Backspace);
  EXPECT_EQ(edit.Text, twelve.substr(0, 11)) << "one Backspace, one character";
  Press(game, vk::Backspace);
  const std::string name = twelve.substr(0, 10);
  EXPECT_EQ(edit.Text, name);

  Press(game, vk::Enter);
  ASSERT_EQ(game.State().ScreenState, ScrMainMenu);
  EXPECT_EQ(game.State().PlayerName, name);
  GameState saved;
  EXPECT_FALSE(LoadConfig(saved));
  EXPECT_EQ(saved.PlayerName, name) << "the name is saved at once";
  EXPECT_NE(CurrentMenus(game.Form()).Greeting()->Text.find(name + "!"), std::string::npos)
      << "the greeting names the player";
}

TEST(MenuScreens, ZOnTheMainMenuAddsTenToTheScoreAndEscapeAsksBeforeLeaving) {
  GameHarness game;
  ReachMainMenu(game);
  const int32_t score = game.State().Score;
  Press(game, vk::Z);
  EXPECT_EQ(game.State().Score, score + 10);

  Press(game, vk::Escape);
  ASSERT_EQ(game.State().ScreenState, ScrExitConfirm);
  game.StepFrames(kSettleFrames);
  Press(game, vk::Escape);
  EXPECT_EQ(game.State().ScreenState, ScrMainMenu) << "Escape on the question goes back";
  game.StepFrames(kSettleFrames);
  ClickButton(game, "b_exit");
  ASSERT_EQ(game.State().ScreenState, ScrExitConfirm);
  game.StepFrames(kSettleFrames);
  ClickButton(game, "b_no");
  EXPECT_EQ(game.State().ScreenState, ScrMainMenu);
}

TEST(MenuScreens, YesOnTheExitQuestionSavesBothFilesAndOpensTheExitPage) {
  for (const bool byKey : {true, false}) {
    GameHarness game;
    ReachMainMenu(game);
    Press(game, vk::Escape);
    game.StepFrames(kSettleFrames);
    std::filesystem::remove(game.Roots().Save / "Config.cfg");
    if (byKey) {
      Press(game, vk::Enter);
    } else {
      ClickButton(game, "b_yes");
    }
    EXPECT_EQ(game.State().ScreenState, ScrExit) << (byKey ? "Enter" : "b_yes");
    EXPECT_TRUE(std::filesystem::exists(game.Roots().Save / "Config.cfg"));
    EXPECT_TRUE(std::filesystem::exists(game.Roots().Save / "Configdat.cfg"));
    EXPECT_EQ(PageOf(game.Form(), ScrExitConfirm).Gui, nullptr);
  }
}

TEST(MenuScreens, OptionsCancelPutsMusicBackOnAndApplySwitchesToFullScreen) {
  GameHarness game;
  ReachMainMenu(game);
  ClickButton(game, "b_opt");
  ASSERT_EQ(game.State().ScreenState, ScrOptions);
  game.StepFrames(kSettleFrames);
  TForm1& form = game.Form();
  // The toggles in the order full screen, music, sound: slots 3, 4 and 5.
  TKaltoButton& music = *form.CurrentPage()->Buttons[4];
  game.Click(music.X + 10, music.Y + 10);
  game.StepFrame();
  EXPECT_FALSE(game.State().MusicOn);
  EXPECT_EQ(music.Slots[slNormal].Image, form.KaltoImageList1.Find("b_off"));
  ClickButton(game, "b_cancel");
  ASSERT_EQ(game.State().ScreenState, ScrMainMenu);
  EXPECT_TRUE(game.State().MusicOn) << "Cancel turns the music back on";
  GameState saved;
  EXPECT_FALSE(LoadConfig(saved));
  EXPECT_TRUE(saved.MusicOn) << "the cancelled choice is not what was saved";

  // Escape is Cancel.
  game.StepFrames(kSettleFrames);
  ClickButton(game, "b_opt");
  game.StepFrames(kSettleFrames);
  game.Click(form.CurrentPage()->Buttons[5]->X + 10, form.CurrentPage()->Buttons[5]->Y + 10);
  game.StepFrame();
  EXPECT_FALSE(game.State().SoundOn);
  Press(game, vk::Escape);
  EXPECT_EQ(game.State().ScreenState, ScrMainMenu);
  EXPECT_TRUE(game.State().SoundOn);

  game.StepFrames(kSettleFrames);
  ClickButton(game, "b_opt");
  game.StepFrames(kSettleFrames);
  TKaltoButton& fullScreen = *form.CurrentPage()->Buttons[3];
  game.Click(fullScreen.X + 10, fullScreen.Y + 10);
  game.StepFrame();
  EXPECT_TRUE(game.State().FullScreenWanted);
  EXPECT_FALSE(game.State().FullScreenActive) << "switched on Apply only";
  ClickButton(game, "b_apply");
  ASSERT_EQ(game.State().ScreenState, ScrMainMenu);
  EXPECT_TRUE(game.State().FullScreenActive);
}

TEST(MenuScreens, HelpPagesGoForwardAndBackWithTheKeyIconsOnlyOnPageTwo) {
  GameHarness game;
  ReachMainMenu(game);
  ClickButton(game, "b_help");
  ASSERT_EQ(game.State().ScreenState, ScrHelp);
  game.StepFrames(kSettleFrames);
  auto& help = dynamic_cast<HelpScreen&>(*game.Form().ScreenOf(ScrHelp));
  auto iconsShown = [&help] {
    int shown = 0;
    for (THelpButton* icon : help.KeyIcons()) shown += icon->Visible ? 1 : 0;
    return shown;
  };
  struct Step {
    const char* Button;
    int32_t Page;
    int IconsShown;
    const char* Picture;
  };
  const Step steps[] = {{"b_prev", 1, 0, "scr_help"},  {"b_next", 2, 8, "scr_help2"},
                        {"b_next", 3, 0, "scr_help3"}, {"b_next", 3, 0, "scr_help3"},
                        {"b_prev", 2, 8, "scr_help2"}, {"b_prev", 1, 0, "scr_help"}};
  EXPECT_EQ(iconsShown(), 0);
  for (const Step& step : steps) {
    ClickButton(game, step.Button);
    EXPECT_EQ(help.HelpPage(), step.Page) << step.Button;
    EXPECT_EQ(iconsShown(), step.IconsShown) << "page " << step.Page;
    EXPECT_EQ(game.Form().CurrentPage()->Title->Image(),
              game.Form().KaltoImageList1.Find(step.Picture));
  }
  Press(game, vk::Escape);
  EXPECT_EQ(game.State().ScreenState, ScrMainMenu);
}

TEST(MenuScreens, TheClearQuestionResetsTheTableOnlyThroughNo) {
  struct Case {
    const char* Name;
    std::vector<int> Keys;  // pressed on the question, or
    const char* Click;      // clicked
    bool Cleared;
    int32_t FocusAfterKeys;
  };
  const Case cases[] = {
      {"b_yes clicked", {}, "b_yes", false, 0},
      {"b_no clicked", {}, "b_no", true, 0},
      {"Enter on the first focus", {vk::Enter}, nullptr, false, 0},
      {"Right, Enter", {vk::Right, vk::Enter}, nullptr, true, 1},
      {"Left wraps to the last", {vk::Left, vk::Enter}, nullptr, true, 1},
      {"Right twice wraps to the first", {vk::Right, vk::Right, vk::Enter}, nullptr, false, 0},
      {"Escape", {vk::Escape}, nullptr, false, 0},
      {"Y keeps", {'Y'}, nullptr, false, 0},
      {"N resets", {'N'}, nullptr, true, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    GameHarness game;
    ReachMainMenu(game);
    OpenRecords(game);
    game.State().Records[0].Name = "Winner";
    ClickButton(game, "b_clrhiscr");
    ASSERT_EQ(game.State().ScreenState, ScrClearRecords);
    auto& question = dynamic_cast<ClearRecordsScreen&>(*game.Form().ScreenOf(ScrClearRecords));
    for (int key : c.Keys) {
      if (key == vk::Enter || key == vk::Escape) {
        EXPECT_EQ(question.FocusIndex(), c.FocusAfterKeys);
        // The focus is the hover: the focused button shows its hover picture.
        EXPECT_EQ(
            game.Form().KaltoGUI1.Pointer.HoverId,
            game.Form().CurrentPage()->Buttons[static_cast<size_t>(c.FocusAfterKeys + 1)]->Id);
      }
      Press(game, key);
    }
    if (c.Click) ClickButton(game, c.Click);
    EXPECT_EQ(game.State().ScreenState, ScrRecords) << "back to the records";
    EXPECT_EQ(game.State().Records[0].Name == "Winner", !c.Cleared);
    EXPECT_NE(ButtonShowing(game.Form(), "b_clrhiscr"), nullptr) << "the records page is back";
  }
}

TEST(MenuScreens, RecordsGoBackToTheMainMenu) {
  for (const bool byKey : {true, false}) {
    GameHarness game;
    ReachMainMenu(game);
    OpenRecords(game);
    if (byKey) {
      Press(game, vk::Escape);
    } else {
      ClickButton(game, "b_back");
    }
    EXPECT_EQ(game.State().ScreenState, ScrMainMenu);
  }
}

// The lamps glow over the records table and its clear question as over the other menus: the
// corner lamp's square changes between a frame with it dark and one with it lit.
TEST(MenuScreens, TheLampsShowOnTheRecordsAndTheClearQuestion) {
  GameHarness game;
  ReachMainMenu(game);
  OpenRecords(game);
  auto lampPixels = [&game] {
    TLight& lamp = *CurrentMenus(game.Form()).Lamps()[0];
    lamp.SetAlpha(0);
    const PixelImage dark = game.RenderFrame();
    lamp.SetAlpha(255);
    const PixelImage lit = game.RenderFrame();
    int changed = 0;
    for (int y = 0; y < 40; ++y) {
      for (int x = 736; x < 784; ++x) {
        const uint8_t* a = dark.Pixel(x, y);
        const uint8_t* b = lit.Pixel(x, y);
        changed += std::abs(a[0] - b[0]) + std::abs(a[1] - b[1]) + std::abs(a[2] - b[2]) > 60;
      }
    }
    return changed;
  };
  EXPECT_GT(lampPixels(), 100) << "records";
  ClickButton(game, "b_clrhiscr");
  ASSERT_EQ(game.State().ScreenState, ScrClearRecords);
  EXPECT_GT(lampPixels(), 100) << "clear question";
}

TEST(MenuScreens, AWholeTripFromTheSplashToARaceStartByMouse) {
  GameHarness game;
  ReachMainMenu(game);
  ClickButton(game, "b_stgame");
  ASSERT_EQ(game.State().ScreenState, ScrChooseTrack);
  game.StepFrames(kSettleFrames);
  ClickButton(game, "bc_next");
  ClickButton(game, "bc_race");
  ASSERT_EQ(game.State().ScreenState, ScrChooseCar);
  game.StepFrames(kSettleFrames);
  ClickButton(game, "bc_next");
  ClickButton(game, "bc_race");
  game.StepFrames(3);
  EXPECT_EQ(game.State().ScreenState, ScrRace);
  EXPECT_EQ(game.State().SelectedTrack, 1);
  EXPECT_EQ(game.State().SelectedCar, 1);
  EXPECT_EQ(PageOf(game.Form(), ScrChooseCar).Gui, nullptr) << "the car screen was left";
}
