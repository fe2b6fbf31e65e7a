#pragma once
#include "shell/GameScreen.h"

class TForm1;

// The question whether to leave the game (ScrExitConfirm). Yes (or Enter) saves both files
// and goes to the exit page; no (or Escape) returns to the main menu.
class ExitQuestionScreen : public GameScreen {
 public:
  explicit ExitQuestionScreen(TForm1& form) : form_(form) {}

  void Enter() override;
  void RunFrame() override;
  void Leave() override;

 private:
  void Yes();

  TForm1& form_;
};
