#pragma once
#include "engine/graphics/KaltoSprite.h"
#include "race/RaceContext.h"

// Moving decorations of the menu screens, drawn from the menus' image list.

// A lamp that stays dark for its period (200..399 frames, fixed at creation), then
// brightens and dims over 255 frames each, and repeats.
class TLight : public TSprite {
 public:
  TLight(RaceContext& race, int32_t kind, double x, double y);
  void Move(int32_t moveCount) override;

  int32_t Period() const { return period_; }

 private:
  int32_t counter_ = 1;
  int32_t period_;
  int32_t direction_ = 1;
};

// A key icon of the help screen; it steps through its eight pictures every tenth frame.
class THelpButton : public TSprite {
 public:
  THelpButton(RaceContext& race, int32_t type, double centreX, double centreY);
  void Move(int32_t moveCount) override;

 private:
  int32_t counter_ = 1;
};

// A square (kind 0) that jumps 28 pixels every other frame, or a car (kind 1) that glides
// 2.5 pixels a frame, across the splash screen.
class TSplashSquare : public TSprite {
 public:
  TSplashSquare(RaceContext& race, int32_t kind, int32_t alpha, double x, double y);
  void Move(int32_t moveCount) override;

 private:
  int32_t kind_;
  int32_t counter_ = 1;
};
