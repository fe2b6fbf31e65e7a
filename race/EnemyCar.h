#pragma once
#include "race/Opponent.h"

class TArrow;
struct DriverTuning;

// A computer-driven car. It drives from path point to path point, eases off when its target
// lies far off its heading, and steers away from obstacles its front sensors touch and
// from cars ahead of it. Unlike the player it moves itself on screen.
class TEnemyCar : public TOpponentCar {
 public:
  TEnemyCar(RaceContext& race, bool usesMenuImages, double startAngle, int32_t opponentIndex,
            const std::string& name, int32_t carKind, double centreX, double centreY);
  void Move(int32_t moveCount) override;

  // The driver's decisions of one frame: steering toward the target, the next target, the
  // speed, then the avoidance and obstacle overrides.
  void Drive();
  // Asks to steer away from a car in front of the middle sensor.
  void SenseCars();
  // Bumps off every other car whose shape overlaps this one.
  void CollideWithCars();
  // Steps away from the other car, slows by 5 % and turns a little.
  void BumpFrom(const TCar& other);

  int32_t TargetPoint = 1;
  TArrow* TargetArrow = nullptr;  // its Angle holds the bearing to the target
  bool PlayerContact = false;
  ObstacleSensor CarSensor;  // straight ahead, for other cars
  bool SteerRightRequest = false;
  bool SteerLeftRequest = false;

 private:
  // The driving figures of the race's difficulty.
  const DriverTuning& Tuning() const;
  void Coast();
  void MoveArrows();
  void UpdateSensors();

  double obstacleSensorDistance_;
  double carSensorDistance_;
};
