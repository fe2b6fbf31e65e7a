#pragma once
#include <functional>

#include "shell/GameScreen.h"
#include "shell/MenuPage.h"
#include "shell/ScoreSending.h"

class TForm1;
class TKaltoButton;
class TSprite;
struct RaceSession;

// The game-over screen (ScrGameOver), after the game-completed picture: the final score is
// shown for 200 frames, then the player confirms the name (Enter) and answers whether to
// send the score. Both answers return to the track selection.
class GameOverScreen : public GameScreen {
 public:
  // answered() runs once the send question is answered and, on "yes", the score is sent.
  GameOverScreen(TForm1& form, RaceSession& session, std::function<void()> answered)
      : form_(form), session_(session), answered_(std::move(answered)), sending_(form) {}

  void Enter() override;
  void RunFrame() override;
  void Leave() override;
  MenuPage* Page() override { return &page_; }

  static constexpr int kWaitFrames = 200;

 private:
  enum class Phase { Waiting, Name, Question };

  void RunNamePhase();
  bool RunQuestionKeys();
  void BlinkCaret();
  void ConfirmName();

  TForm1& form_;
  MenuPage page_;
  RaceSession& session_;
  std::function<void()> answered_;
  ScoreSending sending_;
  Phase phase_ = Phase::Waiting;
  TKaltoButton* yesButton_ = nullptr;
  TKaltoButton* noButton_ = nullptr;
  TSprite* backdrop_ = nullptr;
};
