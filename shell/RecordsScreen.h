#pragma once
#include "shell/GameScreen.h"

class TForm1;

// The local records (ScrRecords): ten rows of place, name and score, with buttons to clear
// them (through the clear question), to open the world table in the browser, and back.
class RecordsScreen : public GameScreen {
 public:
  explicit RecordsScreen(TForm1& form) : form_(form) {}

  void Enter() override;
  void RunFrame() override;
  void Leave() override;

 private:
  void DrawTable();

  TForm1& form_;
};
