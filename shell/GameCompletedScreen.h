#pragma once
#include "shell/GameScreen.h"
#include "shell/MenuPage.h"

class TForm1;

// The game-completed picture (ScrGameCompleted), shown for 551 frames after the race that
// applied the last unlock step; then the game-over screen asks for the name.
class GameCompletedScreen : public GameScreen {
 public:
  explicit GameCompletedScreen(TForm1& form) : form_(form) {}

  void Enter() override;
  void RunFrame() override;
  void Leave() override;
  MenuPage* Page() override { return &page_; }

  static constexpr int kShownFrames = 551;

 private:
  TForm1& form_;
  MenuPage page_;
};
