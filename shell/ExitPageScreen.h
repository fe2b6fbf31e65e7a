#pragma once
#include "shell/GameScreen.h"

class TForm1;
class TShareScreen;

// The last screen (ScrExit): the exit page runs with the system pointer until its exit
// button closes the window after the countdown; without a usable page the window closes at
// once. It has nothing to tear down: the game ends here. Keys and the pad work it too: the
// arrows move the hover round its buttons, Enter runs the hovered one; the pointer takes the
// hover back when it moves.
class ExitPageScreen : public GameScreen {
 public:
  explicit ExitPageScreen(TForm1& form) : form_(form) {}

  void Enter() override;
  void RunFrame() override;
  void Leave() override {}

 private:
  // True when a key closed the game (no frame follows).
  bool TakeKeys(TShareScreen& page);

  TForm1& form_;
  int pointerX_ = -1;  // where the pointer was when it last set the hover
  int pointerY_ = -1;
};
