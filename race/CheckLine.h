#pragma once
#include <array>

#include "race/QuadGeometry.h"
#include "race/WorldSprite.h"

// A line across the road that the player must cross in index order before a finish
// crossing counts. Only the next line to cross is shown, pulsing, and the radar points at
// it. Crossing line 2, in any order, arms the finish line again.
class TCheckLine : public TWorldSprite {
 public:
  TCheckLine(RaceContext& race, int32_t index, double centreX, double centreY);
  void Move(int32_t moveCount) override;

  int32_t Index;
  Quad Corners{};

 private:
  void CheckPlayerCrossing();
  void Pulse();

  std::array<double, 4> cornerAngles_;
  int32_t pulseDirection_ = 1;
};
