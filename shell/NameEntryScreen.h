#pragma once
#include "shell/GameScreen.h"

class TForm1;

// The name entry (ScrEnterName): the player types a name of up to 12 characters; OK (or
// Enter) with a non-empty name stores and saves it and opens the main menu.
class NameEntryScreen : public GameScreen {
 public:
  explicit NameEntryScreen(TForm1& form) : form_(form) {}

  void Enter() override;
  void RunFrame() override;
  void Leave() override;

 private:
  void Confirm();

  TForm1& form_;
};
