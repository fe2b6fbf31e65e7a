#pragma once
#include <array>

#include "race/Car.h"
#include "race/StallClock.h"

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
  // Starts with checkpoints 1..K - 1 of the loaded course passed, so the first finish
  // crossing counts.
  TOpponentCar(RaceContext& race, bool usesMenuImages, double startAngle, int32_t opponentIndex,
               const std::string& name, int32_t carKind, double centreX, double centreY);

  // The checkpoint numbers a car can remember; the shipped tracks number theirs well below.
  static constexpr int32_t kCheckpointNumbers = 64;

  // Remembers a checkpoint reached this lap; numbers below 2 or beyond the flags mark nothing.
  void MarkPassed(int32_t checkpoint);
  // Whether checkpoints 2..checkpointCount - 1 (as far as the flags reach) were all reached.
  bool PassedCheckpoints(int32_t checkpointCount) const;
  // Forgets checkpoints 2..checkpointCount - 1 for the next lap.
  void ClearPassed(int32_t checkpointCount);

  int32_t OpponentIndex;
  bool Driving = false;
  std::array<ObstacleSensor, 2> ObstacleSensors{};  // left, right
  // How long the car has gone without getting further; its driver keeps it.
  StallClock Stall;

 private:
  std::array<bool, kCheckpointNumbers> passed_{};
};
