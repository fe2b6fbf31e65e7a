#pragma once
#include "shell/MenuScreenBase.h"

// The question whether to leave the game (ScrExitConfirm). Yes (or Enter) saves both files
// and goes to the exit page; no (or Escape) returns to the main menu.
class ExitQuestionScreen : public MenuScreenBase {
 public:
  using MenuScreenBase::MenuScreenBase;

  void Enter() override;
  void RunFrame() override;
  void Leave() override;

 private:
  void Yes();
};
