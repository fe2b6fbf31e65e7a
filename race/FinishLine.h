#pragma once
#include <array>

#include "race/QuadGeometry.h"
#include "race/WorldSprite.h"

// The invisible trigger across the start line that counts laps. Every car's first crossing
// only starts its count; a car finishes on the crossing at which its Lap already equals the
// race's laps, and takes the next row of the results table.
class TFinishLine : public TWorldSprite {
 public:
  TFinishLine(RaceContext& race, double angle, double x, double centreY);
  void Move(int32_t moveCount) override;

  Quad Corners{};

 private:
  void CountLaps();
  void CountOpponentLaps();
  void CountPlayerLap();
  // Writes the next results row, if the table has one left, and moves on to the next.
  int32_t TakeFinishRow(int32_t id, const RaceTime& time);

  std::array<double, 4> cornerAngles_;
};
