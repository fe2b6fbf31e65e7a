#pragma once
#include <array>
#include <cstdint>

#include "shell/MenuScreenBase.h"

class TSprite;

// The car selection (ScrChooseCar): browse the five cars with wrap-around; an unlocked car
// shows its picture, its name and four bars (top speed, acceleration, steering, grip) and
// may be raced; a locked one is greyed, without bars, and "Недоступно".
class CarScreen : public MenuScreenBase {
 public:
  using MenuScreenBase::MenuScreenBase;

  void Enter() override;
  void RunFrame() override;
  void Leave() override;

  const std::array<TSprite*, 4>& Bars() const { return bars_; }

 private:
  void ShowSelectedCar();
  void Browse(int32_t step);
  bool SelectedCarUnlocked() const;

  std::array<TSprite*, 4> bars_{};
};
