#pragma once
#include "shell/MenuScreenBase.h"

// The first screen (ScrSplash): the logo and the game's name fade in over squares and cars
// running across, to the "begin" sound; after 485 frames the name entry follows. Leaving
// it starts the menus' background (lamps, demo race, greeting).
class SplashScreen : public MenuScreenBase {
 public:
  using MenuScreenBase::MenuScreenBase;

  void Enter() override;
  void RunFrame() override;
  void Leave() override;

 private:
};
