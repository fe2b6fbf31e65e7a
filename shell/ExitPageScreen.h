#pragma once
#include "shell/GameScreen.h"

class TForm1;

// The last screen (ScrExit): the exit page runs with the system pointer until its exit
// button closes the window after the countdown; without a usable page the window closes at
// once. It has nothing to tear down: the game ends here.
class ExitPageScreen : public GameScreen {
 public:
  explicit ExitPageScreen(TForm1& form) : form_(form) {}

  void Enter() override;
  void RunFrame() override;
  void Leave() override {}

 private:
  TForm1& form_;
};
