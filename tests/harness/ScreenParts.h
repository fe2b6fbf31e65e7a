#pragma once
// What the screen now showing owns, as the tests look at it.
#include <stdexcept>

#include "shell/GameScreen.h"
#include "shell/MenuBackground.h"
#include "shell/MenuPage.h"
#include "shell/Unit_pr.h"

// The menus' background behind the screen now showing; outside the menus the test fails.
inline const MenuBackground& CurrentMenus(const TForm1& form) {
  const GameScreen* screen = form.ScreenOf(form.State.ScreenState);
  const MenuBackground* menus = screen ? screen->Background() : nullptr;
  if (!menus) throw std::logic_error("no menu screen shows");
  return *menus;
}

// The page of the screen installed for the state; without one the test fails.
inline const MenuPage& PageOf(const TForm1& form, uint8_t state) {
  GameScreen* screen = form.ScreenOf(state);
  const MenuPage* page = screen ? screen->Page() : nullptr;
  if (!page) throw std::logic_error("the screen has no page");
  return *page;
}

// The GUI page of the screen now showing, or null when it has none.
inline TKaltoGUIList* CurrentGui(const TForm1& form) {
  const MenuPage* page = form.CurrentPage();
  return page ? page->Gui : nullptr;
}
