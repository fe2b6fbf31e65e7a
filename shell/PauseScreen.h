#pragma once
#include "shell/GameScreen.h"

class TForm1;
struct RaceSession;

// The pause (ScrPause): the race stands still under the pause panel until Escape, P or F1
// resumes it.
class PauseScreen : public GameScreen {
 public:
  PauseScreen(TForm1& form, RaceSession& session) : form_(form), session_(session) {}

  void Enter() override;
  void RunFrame() override;
  void Leave() override;

 private:
  TForm1& form_;
  RaceSession& session_;
};
