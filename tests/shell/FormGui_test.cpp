// The main window's GUI: active from the start, it gets the player's mouse and typing
// while the window's key tables still see every key press.
#include <gtest/gtest.h>

#include "shell/Unit_pr.h"
#include "tests/harness/GameHarness.h"

TEST(FormGui, TheGuiHoldsTheWindowsInputFromTheStart) {
  GameHarness game;
  TKaltoGUI& gui = game.Form().KaltoGUI1;
  EXPECT_TRUE(gui.Hooked);
  EXPECT_EQ(game.Form().MainWindow.GetInputHook(), &gui);

  TKaltoGUIList& page = gui.CreatePage("GUI2");
  TKaltoButton& button = page.CreateButton();
  button.SetX(300);
  button.SetY(200);
  button.SetWidth(200);
  button.SetHeight(50);
  int clicks = 0;
  button.OnClick = [&clicks](TKaltoGUIComponent&) { ++clicks; };
  TKaltoEdit& edit = page.CreateEdit();
  edit.SetX(300);
  edit.SetY(400);
  edit.SetWidth(200);
  edit.SetHeight(30);

  game.Click(400, 225);
  game.StepFrame();
  EXPECT_EQ(clicks, 1);
  game.Click(400, 415);
  game.StepFrame();
  EXPECT_EQ(gui.Pointer.FocusId, edit.Id);
  game.KeyDown(vk::Home);
  game.StepFrame();
  EXPECT_EQ(game.State().KeyHeld[vk::Home], 1);  // the window still saw the key press
  game.KeyUp(vk::Home);

  gui.FreePage(&page);
  game.Click(400, 225);
  game.StepFrame();
  EXPECT_EQ(clicks, 1);
}
