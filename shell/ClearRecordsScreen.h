#pragma once
#include <cstdint>

#include "shell/MenuScreenBase.h"

// The question whether to keep the records table (ScrClearRecords), over the records panel:
// "b_yes" keeps the table, "b_no" resets it; both return to the records. The focus starts on
// "b_yes"; Left and Right move it round the two (it is the GUI's focus, shown as the
// button's hover picture), Enter presses the focused button, Y and N answer.
class ClearRecordsScreen : public MenuScreenBase {
 public:
  using MenuScreenBase::MenuScreenBase;

  void Enter() override;
  void RunFrame() override;
  void Leave() override;

  // The focused button's index (0: "b_yes", 1: "b_no"), -1 when the pointer took the hover.
  int32_t FocusIndex() const;

 private:
  void BackToRecords();
  void MoveFocus(int32_t step);
};
