#pragma once
#include "shell/GameScreen.h"

class TForm1;
class TKaltoButton;

// The question whether to leave the race (ScrQuitRace), over the frozen race: the panel and
// its two buttons slide in from the left. "No" or Escape resumes the race; "yes" or Enter
// returns to the main menu with the demo race behind it.
class QuitRaceScreen : public GameScreen {
 public:
  explicit QuitRaceScreen(TForm1& form) : form_(form) {}

  void Enter() override;
  void RunFrame() override;
  void Leave() override;
  bool IsPanel() const override { return true; }

 private:
  void Resume();
  void Quit();

  TForm1& form_;
  TKaltoButton* resumeButton_ = nullptr;
  TKaltoButton* quitButton_ = nullptr;
};
