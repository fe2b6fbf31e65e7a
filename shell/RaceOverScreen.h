#pragma once
#include <functional>

#include "shell/GameScreen.h"
#include "shell/MenuPage.h"
#include "shell/ScoreSending.h"

class TForm1;
class TKaltoButton;
struct RaceSession;

// The race-over screen (ScrRaceOver), over the finished race: the player's place, time,
// place bonus and score appear one after the other, the bonus is counted into the score a
// point a frame, and each unlock threshold it crosses opens the next tracks or car. Continue
// keeps a faster time as the track record, enters the score into the records and saves,
// then asks whether to send the score; either answer returns to the track selection. When
// this race completed the game, Continue goes straight on to the game-completed screen
// (answered() without a question), and the game-over screen after it asks about the score.
class RaceOverScreen : public GameScreen {
 public:
  // answered() runs once the send question is answered and, on "yes", the score is sent.
  RaceOverScreen(TForm1& form, RaceSession& session, std::function<void()> answered)
      : form_(form), session_(session), answered_(std::move(answered)), sending_(form) {}

  void Enter() override;
  void RunFrame() override;
  void Leave() override;
  MenuPage* Page() override { return &page_; }
  bool IsPanel() const override { return true; }

 private:
  void CountBonus();
  void CheckUnlocks();
  void DrawResults();
  void DrawUnlockMessage();
  void Continue();

  TForm1& form_;
  MenuPage page_;
  RaceSession& session_;
  std::function<void()> answered_;
  ScoreSending sending_;
  TKaltoButton* continueButton_ = nullptr;  // null once pressed
  TKaltoButton* yesButton_ = nullptr;
  TKaltoButton* noButton_ = nullptr;
};
