#pragma once
#include "shell/MenuScreenBase.h"

// The name entry (ScrEnterName): the player types a name of up to 12 characters; OK (or
// Enter) with a non-empty name stores and saves it and opens the main menu.
class NameEntryScreen : public MenuScreenBase {
 public:
  using MenuScreenBase::MenuScreenBase;

  void Enter() override;
  void RunFrame() override;
  void Leave() override;

 private:
  void Confirm();
};
