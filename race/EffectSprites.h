#pragma once
#include "engine/graphics/KaltoSprite.h"
#include "race/RaceContext.h"

// A skid mark: left behind by a drifting car, it follows the scroll (but not ShiftWorld)
// and fades through its five tiles, then dies on its fifteenth move.
class TDim : public TSprite {
 public:
  TDim(RaceContext& race, bool usesMenuImages, double centreX, double centreY);
  void Move(int32_t moveCount) override;

 private:
  RaceContext& race_;
  int32_t counter_ = 1;
};

// A hidden arrow a car keeps to show its headings; it has no logic of its own.
class TArrow : public TSprite {
 public:
  TArrow(RaceContext& race, bool usesMenuImages, int32_t pattern, double x, double y);
};
