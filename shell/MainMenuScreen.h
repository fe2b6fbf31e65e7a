#pragma once
#include <cstdint>

#include "shell/MenuScreenBase.h"

// The main menu (ScrMainMenu): start, options, help, more games and exit sliding up into a
// column, and the logo button. Escape asks whether to leave; Z adds 10 to the score.
class MainMenuScreen : public MenuScreenBase {
 public:
  using MenuScreenBase::MenuScreenBase;

  void Enter() override;
  void RunFrame() override;
  void Leave() override;

 private:
  void GoToWithClick(uint8_t next);
};
