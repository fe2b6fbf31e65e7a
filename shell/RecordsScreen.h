#pragma once
#include "shell/MenuScreenBase.h"

// The local records (ScrRecords): ten rows of place, name and score, with buttons to clear
// them (through the clear question), to open the world table in the browser, and back.
class RecordsScreen : public MenuScreenBase {
 public:
  using MenuScreenBase::MenuScreenBase;

  void Enter() override;
  void RunFrame() override;
  void Leave() override;

 private:
  void DrawTable();
};
