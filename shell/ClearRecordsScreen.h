#pragma once
#include <cstdint>

#include "shell/GameScreen.h"

class TForm1;

// The question whether to keep the records table (ScrClearRecords), over the records panel:
// "b_yes" keeps the table, "b_no" resets it; both return to the records. Left and Right move
// the keyboard focus (shown as the button's hover picture), Enter presses the focused button.
class ClearRecordsScreen : public GameScreen {
 public:
  explicit ClearRecordsScreen(TForm1& form) : form_(form) {}

  void Enter() override;
  void RunFrame() override;
  void Leave() override;

  int32_t FocusIndex() const { return focus_; }

 private:
  void BackToRecords();
  void MoveFocus(int32_t step);

  TForm1& form_;
  int32_t focus_ = 0;
};
