#pragma once
#include <array>
#include <cstdint>

#include "shell/GameScreen.h"

class TForm1;
class TSprite;

// The car selection (ScrChooseCar): browse the five cars with wrap-around; an unlocked car
// shows its picture, its name and four bars (top speed, acceleration, steering, grip) and
// may be raced; a locked one is greyed, without bars, and "Недоступно".
class CarScreen : public GameScreen {
 public:
  explicit CarScreen(TForm1& form) : form_(form) {}

  void Enter() override;
  void RunFrame() override;
  void Leave() override;

  const std::array<TSprite*, 4>& Bars() const { return bars_; }

 private:
  void ShowSelectedCar();
  void Browse(int32_t step);
  bool SelectedCarUnlocked() const;

  TForm1& form_;
  std::array<TSprite*, 4> bars_{};
};
