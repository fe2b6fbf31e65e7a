#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "core/RaceTime.h"
#include "engine/graphics/KaltoSprite.h"
#include "race/QuadGeometry.h"
#include "race/RaceContext.h"

class TArrow;

// The race list's picture of a car kind.
const char* RaceCarPicture(int32_t carKind);

// A hidden point that a car carries 20 pixels ahead of or behind its centre; it reports
// whether it stands on a road part or a road paint.
class TGroundPoint : public TSprite {
 public:
  TGroundPoint(RaceContext& race, bool usesMenuImages, double angleOffset);
  void Move(int32_t moveCount) override;

  double AngleOffset;
  bool OnRoad = false;

 private:
  RaceContext& race_;
};

// The car model shared by the player's car and the computer cars: driving state, the
// constants of its catalogue car, its collision quadrilateral and its ground sensors.
// Speeds are pixels per frame, angles degrees (clockwise); the drawn Angle is Heading - 90
// and the car moves along MoveHeading. Subclasses run the building blocks below in their
// own order in Move.
class TCar : public TSprite {
 public:
  TCar(RaceContext& race, bool usesMenuImages, double startAngle, const std::string& name,
       int32_t carKind, double centreX, double centreY);
  void OnCollision(TSprite& other, int32_t x, int32_t y) override;

  // Reloads the catalogue constants of CarKind and stops the car.
  void ResetPhysics();
  void Accelerate();
  void Brake();  // continues into reverse down to MinSpeed
  // Left has a dead zone (0 <= Speed <= 0.2); right has none, and a standing car steered
  // right turns as if reversing.
  void TurnLeft();
  void TurnRight();
  // Recomputes Corners and puts the two ground sensors in front of and behind the centre.
  void UpdateShape();
  // How far along the course the car is: the distance to the nearest path point plus the
  // way from it toward the next one (negative when the car is short of it), and from that
  // and the laps, CourseTotal.
  void UpdateProgress();
  // 1 + the number of other cars whose CourseTotal is greater; ties rank this car ahead.
  void UpdatePlace();

  Vec2 Centre() const;

  int32_t CarKind;
  bool UsesMenuImages;
  double Speed = 0;
  double MaxSpeed = 0;
  double MinSpeed = -2.0;
  double AccelRate = 0;
  double BrakeRate = 0.025;
  double Throttle = 0;
  double Heading = 0;      // target heading, not wrapped
  double MoveHeading = 0;  // heading of the motion
  double SteerRate = 0;
  double FollowFactor = 0;
  double DriftTurnFactor = 0.5;
  double CoastRate = 0.011;
  double RollFriction = 0.005;
  double SkidFriction = 0.008;
  bool Drifting = false;
  Quad Corners{};
  TGroundPoint* FrontSensor = nullptr;
  TGroundPoint* RearSensor = nullptr;
  double SurfaceFactor = 0;  // 1.0 on the road, 0.3 off it
  TArrow* HeadingArrow = nullptr;
  TArrow* MoveArrow = nullptr;
  std::array<bool, race::kMaxOpponents + 1> ContactFlags{};
  int32_t Lap = 0;
  double Progress = 0;
  double CourseTotal = 0;  // laps and progress together, for the ranking
  int32_t Place = 0;
  RaceTime RaceClock;
  bool FinishArmed = true;

 protected:
  // Physics step, in the pieces the subclasses order differently.
  void ReadSurface();  // SurfaceFactor from the sensors' last verdicts
  void ApplyThrottle(double factor);
  void ApplyFriction();
  void LeaveSkidMarks();  // while drifting above speed 2, a pair every fifth frame
  void FollowHeading();   // MoveHeading catches up with Heading unless drifting
  void ClearDrift();
  // After a bump: both headings turn 1.5 degrees by the sign of the cross product of the
  // two cars' velocities (no turn when they are parallel).
  void TurnAwayFrom(const TCar& other);

  RaceContext& Race;

 private:
  std::array<double, 4> cornerAngles_;
  double skidRadius_;
  std::array<double, 2> skidAngles_;
  int32_t skidCounter_ = 0;
};
