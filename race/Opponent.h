#pragma once
#include <array>

#include "race/Car.h"

// A point ahead of a computer car that obstacles mark when they cover it.
struct ObstacleSensor {
  double X = 0;
  double Y = 0;
  bool Hit = false;
};

// The side of a computer car that the rest of the world reads and writes: whether it is
// driving, and the two front sensors (20 degrees left and right of its heading) that
// obstacles mark. Its driver derives from it and moves the sensors with the car.
class TOpponentCar : public TCar {
 public:
  TOpponentCar(RaceContext& race, bool usesMenuImages, double startAngle, int32_t opponentIndex,
               const std::string& name, int32_t carKind, double centreX, double centreY)
      : TCar(race, usesMenuImages, startAngle, name, carKind, centreX, centreY),
        OpponentIndex(opponentIndex) {}

  int32_t OpponentIndex;
  bool Driving = false;
  std::array<ObstacleSensor, 2> ObstacleSensors{};  // left, right
};
