#pragma once
#include <cstdint>

#include "shell/GameScreen.h"

class TForm1;

// The main menu (ScrMainMenu): start, options, help, more games and exit sliding up into a
// column, and the logo button. Escape asks whether to leave; Z adds 10 to the score.
class MainMenuScreen : public GameScreen {
 public:
  explicit MainMenuScreen(TForm1& form) : form_(form) {}

  void Enter() override;
  void RunFrame() override;
  void Leave() override;

 private:
  void GoToWithClick(uint8_t next);

  TForm1& form_;
};
