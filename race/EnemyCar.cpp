#include "race/EnemyCar.h"

#include <algorithm>
#include <cmath>

#include "core/GameState.h"
#include "race/CarRescue.h"
#include "race/EffectSprites.h"
#include "race/GameConstants.h"
#include "race/Player.h"

// How a computer car drives at each difficulty; Normal is the driver as it always was.
struct DriverTuning {
  double AccelerationFactor;  // scales the car's throttle
  double TargetReach;         // a target this near on both axes counts as reached
  double BrakeSpeed;          // above this speed (plus the sine of the miss) a turn brakes
  double TopSpeedFactor;      // scales the car's top speed
};

namespace {

constexpr DriverTuning kTunings[kDifficultyCount] = {
    {1.0, 160, 1.6, 1},   // Easy: brakes earlier, accelerates less
    {1.2, 160, 2, 1},     // Normal
    {1.3, 190, 2, 1.05},  // Hard: cuts the corners, accelerates harder, a little faster
};
constexpr double kStraightEnough = 20;  // degrees between bearing and heading
constexpr int32_t kArmingCheckpoint = 3;
// Sensor directions, added to the drawn Angle (Heading - 90).
constexpr double kLeftSensorAngle = 70;
constexpr double kRightSensorAngle = 110;
constexpr double kCarSensorAngle = 90;

// Rounds to the nearest integer, ties to even.
double Nint(double v) {
  return std::nearbyint(v);
}

bool Aligned(double target, double own) {
  const double t = Nint(target);
  return t == Nint(own) || t == Nint(own + 1) || t == Nint(own - 1);
}

// Positive when the point lies clockwise of (to the right of) the heading.
double SideOf(double headingDegrees, Vec2 from, Vec2 to) {
  const Vec2 v = UnitVector(from, to);
  const Vec2 d = Direction(headingDegrees);
  return d.X * v.Y - d.Y * v.X;
}

}  // namespace

TEnemyCar::TEnemyCar(RaceContext& race, bool usesMenuImages, double startAngle,
                     int32_t opponentIndex, const std::string& name, int32_t carKind,
                     double centreX, double centreY)
    : TOpponentCar(race, usesMenuImages, startAngle, opponentIndex, name, carKind, centreX,
                   centreY),
      obstacleSensorDistance_(Height() / 2.0 + 60),
      carSensorDistance_(Height() / 2.0 + 35) {
  MaxSpeed *= Tuning().TopSpeedFactor;
  TargetArrow = new TArrow(race, usesMenuImages, 2, X() + Width() / 2.0, Y() + Height() / 2.0 - 5);
}

void TEnemyCar::Move(int32_t) {
  const Vec2 scroll = Race.Scroll();
  const Vec2 push = Race.Push();
  SetX(static_cast<float>(X() + scroll.X));
  SetY(static_cast<float>(Y() + scroll.Y));
  SetX(static_cast<float>(X() + push.X));
  SetY(static_cast<float>(Y() + push.Y));
  SenseCars();
  if (Driving) {
    Drive();
  } else {
    Coast();
  }
  UpdateProgress();
  Stall.Step(Progress, Race.Course.LapLength(), Driving);
  if (Stall.StalledSteps() >= kStalledStepsBeforeRescue) {
    RescueOpponent(Race, *this);
    UpdateProgress();
  }
  UpdatePlace();
  if (Race.DemoRace) {
    SurfaceFactor = 0.5;  // the demo course has no road parts
  } else {
    ReadSurface();
  }
  const Vec2 heading = Direction(MoveHeading);
  SetX(static_cast<float>(X() + heading.X * Speed));
  SetY(static_cast<float>(Y() + heading.Y * Speed));
  ApplyThrottle(Tuning().AccelerationFactor);
  ApplyFriction();
  Angle = static_cast<float>(Heading - 90);
  LeaveSkidMarks();
  FollowHeading();
  ClearDrift();
  MoveArrows();
  UpdateShape();
  UpdateSensors();
  CollideWithCars();
}

const DriverTuning& TEnemyCar::Tuning() const {
  return kTunings[static_cast<int>(Race.State.DriverDifficulty)];
}

// Rolls toward the start: eases off away from path point 1 and creeps on near it.
void TEnemyCar::Coast() {
  SetPatternIndex(0);
  const PathPoint& first = Race.Course.Points[1];
  if (DistanceBetween({X(), Y()}, {first.X, first.Y}) > race::kIdleReach) {
    if (Speed > CoastRate / 2) {
      Throttle = -CoastRate / 2;
    } else if (Speed < -CoastRate / 2) {
      Throttle = CoastRate / 2;
    }
  } else {
    Throttle = 0.01;
  }
}

void TEnemyCar::Drive() {
  bool accelerate = false;
  bool brake = false;
  bool left = false;
  bool right = false;
  TargetArrow->SetX(static_cast<float>(X() + Width() / 2.0));
  TargetArrow->SetY(static_cast<float>(Y() + Height() / 2.0 - 5));
  RaceCourse& course = Race.Course;
  if (course.PointCount < 1) return;
  const PathPoint& target = course.Points[std::clamp(TargetPoint, 1, course.PointCount)];
  const Vec2 t{target.X, target.Y};
  const Vec2 m = Centre();

  const bool aligned = Aligned(t.X, m.X) || Aligned(t.Y, m.Y);
  Vec2 u;
  if (!aligned) {
    double h = std::fmod(Nint(Heading), 360.0);
    if (h < 0) h = Heading + 360;
    u = UnitVector(t, m);
    const double k = u.X * std::sin(h * kRadiansPerDegree) - std::cos(h * kRadiansPerDegree) * u.Y;
    if (k > 0.01) {
      right = true;
    } else if (k < -0.01) {
      left = true;
    } else {
      SetPatternIndex(0);
    }
  }

  const DriverTuning& tuning = Tuning();
  if (std::fabs(t.X - m.X) < tuning.TargetReach && std::fabs(t.Y - m.Y) < tuning.TargetReach) {
    TargetPoint = TargetPoint >= course.PointCount ? 1 : TargetPoint + 1;
    const int32_t checkpoint = course.Points[TargetPoint].Checkpoint;
    if (checkpoint == kArmingCheckpoint) FinishArmed = true;
    MarkPassed(checkpoint);
  }

  if (!aligned) {
    const double slope = std::atan(u.Y / u.X) * kDegreesPerRadian;
    if (t.X > m.X) {
      TargetArrow->Angle = static_cast<float>(slope);
    } else if (t.Y > m.Y) {
      TargetArrow->Angle = static_cast<float>(slope + 180);
    } else if (t.Y < m.Y) {
      TargetArrow->Angle = static_cast<float>(slope - 180);
    }
  }

  const double b = std::fmod(Nint(TargetArrow->Angle), 360.0);
  const double g = std::fmod(Nint(HeadingArrow->Angle), 360.0);
  const double e = std::fabs(b - g);
  if (e > kStraightEnough && std::fabs(b + 360 - g) > kStraightEnough &&
      std::fabs(b - 360 - g) > kStraightEnough &&
      Speed > std::sin(e * kRadiansPerDegree) + tuning.BrakeSpeed) {
    brake = true;
  } else {
    Accelerate();
    accelerate = true;
  }

  if (SteerRightRequest) {
    right = true;
    left = false;
  }
  if (SteerLeftRequest) {
    left = true;
    right = false;
  }
  SteerRightRequest = false;
  SteerLeftRequest = false;

  ObstacleSensor& leftSensor = ObstacleSensors[0];
  ObstacleSensor& rightSensor = ObstacleSensors[1];
  if (leftSensor.Hit) {
    right = true;
    left = false;
    leftSensor.Hit = false;
    if (Speed > 4) {
      brake = true;
      accelerate = false;
    }
  }
  if (rightSensor.Hit) {
    left = true;
    right = false;
    rightSensor.Hit = false;
    if (Speed > 4) {
      brake = true;
      accelerate = false;
    }
  }

  if (accelerate) Accelerate();
  if (brake) Brake();
  if (left) TurnLeft();
  if (right) TurnRight();
}

void TEnemyCar::SenseCars() {
  const Vec2 centre = Centre();
  const Quad nearSquare = SquareAround({CarSensor.X, CarSensor.Y}, 15);
  for (const TOpponentCar* other : Race.Opponents) {
    if (other == this || !QuadsOverlap(other->Corners, nearSquare)) continue;
    const double k = SideOf(MoveHeading, centre, other->Centre());
    if (k > 0) {
      SteerLeftRequest = true;
      SteerRightRequest = false;
    } else if (k < 0) {
      SteerRightRequest = true;
      SteerLeftRequest = false;
    }
  }
  const TPlayer* player = Race.Player;
  if (player && QuadsOverlap(player->Corners, SquareAround({CarSensor.X, CarSensor.Y}, 25))) {
    if (SideOf(MoveHeading, centre, player->Centre()) > 0) {
      SteerLeftRequest = true;
    } else {
      SteerRightRequest = true;
    }
  }
}

void TEnemyCar::CollideWithCars() {
  const Vec2 centre = Centre();
  const size_t count = std::min(Race.Opponents.size(), ContactFlags.size());
  for (size_t i = 0; i < count; ++i) {
    const TOpponentCar* other = Race.Opponents[i];
    if (other != this && CloserThan(centre, other->Centre(), race::kNearRadius)) {
      ContactFlags[i] = QuadsOverlap(Corners, other->Corners);
    }
  }
  for (size_t i = 0; i < count; ++i) {
    if (ContactFlags[i] && Race.Opponents[i] != this) BumpFrom(*Race.Opponents[i]);
  }
  if (const TPlayer* player = Race.Player) {
    PlayerContact = QuadsOverlap(player->Corners, Corners);
    if (PlayerContact) BumpFrom(*player);
  }
}

void TEnemyCar::BumpFrom(const TCar& other) {
  const Vec2 n = UnitVector(other.Centre(), Centre());
  const Vec2 u = Speed != 0 ? Direction(MoveHeading) : Vec2{0, 0};
  SetX(static_cast<float>(X() + (std::fabs(u.X / 2) + 0.5) * 2 * n.X));
  SetY(static_cast<float>(Y() + (std::fabs(u.Y / 2) + 0.5) * 2 * n.Y));
  Speed *= 0.95;
  TurnAwayFrom(other);
}

void TEnemyCar::MoveArrows() {
  const float x = static_cast<float>(X() + Width() / 2.0);
  const float y = static_cast<float>(Y() + Height() / 2.0 - 5);
  for (TArrow* arrow : {HeadingArrow, MoveArrow}) {
    arrow->SetX(x);
    arrow->SetY(y);
  }
  HeadingArrow->Angle = static_cast<float>(Heading);
  MoveArrow->Angle = static_cast<float>(MoveHeading);
}

void TEnemyCar::UpdateSensors() {
  const Vec2 c = Centre();
  auto place = [&](ObstacleSensor& sensor, double distance, double angle) {
    const Vec2 d = Direction(Angle + angle);
    sensor.X = c.X + distance * d.X;
    sensor.Y = c.Y + distance * d.Y;
  };
  place(ObstacleSensors[0], obstacleSensorDistance_, kLeftSensorAngle);
  place(ObstacleSensors[1], obstacleSensorDistance_, kRightSensorAngle);
  place(CarSensor, carSensorDistance_, kCarSensorAngle);
}
