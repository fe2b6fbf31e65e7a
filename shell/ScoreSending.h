#pragma once
#include <cstdint>
#include <functional>

class TForm1;
class TKaltoButton;

// The send question's "yes": the score report runs on its own thread (TForm1::ScoreReport)
// while the screen keeps drawing and says that it is sending; Esc (the pad's B) or the
// screen's "no" cancels. The report's message, if any, is shown once it ends.
class ScoreSending {
 public:
  explicit ScoreSending(TForm1& form) : form_(form) {}

  // Starts sending the player's name, score and options text; `done` runs on the frame
  // the report ends or is cancelled.
  void Start(std::function<void()> done);
  bool Active() const { return static_cast<bool>(done_); }
  // Stops waiting for the report; `done` runs on the next Update.
  void Cancel();
  // The question's "yes" (button or key): hides the yes button and starts sending.
  void AnswerYes(TKaltoButton& yesButton, std::function<void()> done);
  // The question's "no" (button or key): cancels a report being sent, or else runs `done`.
  // True when `done` ran, that is when the screen was left.
  bool AnswerNo(const std::function<void()>& done);
  // Once a frame, after the screen drew (`done` may leave it): while Active, Esc cancels,
  // and once the report has ended its message is shown and `done` runs.
  void Update();
  // Two lines in white, from y down, centred on centreX: the score is being sent, and
  // how to cancel.
  void Draw(int32_t centreX, int32_t y) const;

 private:
  TForm1& form_;
  std::function<void()> done_;
};
