#pragma once
#include "shell/GameScreen.h"
#include "shell/MenuPage.h"

class TForm1;

// The pause (ScrPause): the race stands still under the pause panel until Escape, P or F1
// resumes it.
class PauseScreen : public GameScreen {
 public:
  explicit PauseScreen(TForm1& form) : form_(form) {}

  void Enter() override;
  void RunFrame() override;
  void Leave() override;
  MenuPage* Page() override { return &page_; }
  bool IsPanel() const override { return true; }

 private:
  TForm1& form_;
  MenuPage page_;
};
