#pragma once
// Drives the real game through its menus the way a player does, for the menu tests.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "engine/gui/KaltoButton.h"
#include "shell/Unit_pr.h"
#include "tests/harness/GameHarness.h"
#include "tests/harness/ScreenParts.h"

// Frames after a screen opens by which every button has come to rest.
constexpr int kSettleFrames = 60;
constexpr int kSplashFrames = 485;

// The button of the current page showing that picture in its normal slot, or null.
inline TKaltoButton* ButtonShowing(TForm1& form, const std::string& picture) {
  TKaltoGUIList* gui = CurrentGui(form);
  if (!gui) return nullptr;
  for (auto& widget : gui->Widgets) {
    auto* button = dynamic_cast<TKaltoButton*>(widget.get());
    if (button && button->Name == picture) return button;
  }
  return nullptr;
}

// Clicks the middle of the button once it rests, and runs the frame that handles it.
inline void ClickButton(GameHarness& game, const std::string& picture) {
  TKaltoButton* button = ButtonShowing(game.Form(), picture);
  ASSERT_NE(button, nullptr) << picture;
  ASSERT_TRUE(button->Visible) << picture;
  game.MouseMove(button->X + button->Width / 2, button->Y + button->Height / 2);
  game.StepFrame();
  game.Click(button->X + button->Width / 2, button->Y + button->Height / 2);
  game.StepFrame();
}

inline void Press(GameHarness& game, int key) {
  game.PressKey(key);
  game.StepFrame();
}

// From the start to the name entry.
inline void RunSplash(GameHarness& game) {
  game.StepFrames(kSplashFrames);
  ASSERT_EQ(game.State().ScreenState, ScrEnterName);
}

// From the start to the main menu with a name typed in.
// The name is UTF-8 ("Аня" unless given).
inline void ReachMainMenu(GameHarness& game, const std::string& name = "\u0410\u043d\u044f") {
  RunSplash(game);
  game.TypeText(name);
  game.StepFrame();
  Press(game, vk::Enter);
  ASSERT_EQ(game.State().ScreenState, ScrMainMenu);
  game.StepFrames(kSettleFrames);
}

// The records screen opens from the race's end; the tests open it from the main menu.
inline void OpenRecords(GameHarness& game) {
  game.Form().GoTo(ScrRecords);
  game.StepFrame();
  ASSERT_EQ(game.State().ScreenState, ScrRecords);
}

// With BK_SHOT_DIR set, renders a frame and saves it there as <name>.png, to be looked at.
inline void SaveShot(GameHarness& game, const std::string& name) {
  const char* folder = std::getenv("BK_SHOT_DIR");
  if (!folder) return;
  std::filesystem::create_directories(folder);
  ASSERT_TRUE(GameHarness::SaveFrame(game.RenderFrame(),
                                     (std::filesystem::path(folder) / (name + ".png")).string()));
}
