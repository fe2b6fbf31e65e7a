#include "race/Car.h"

#include <algorithm>
#include <cmath>

#include "race/EffectSprites.h"
#include "race/GameConstants.h"
#include "race/Opponent.h"
#include "race/Player.h"
#include "race/RoadShape.h"

namespace {

constexpr double kSensorDistance = 20;

// Whether the point lies in the sprite's unturned box by the angle-sum test. Points well
// inside or well outside are decided from the box alone: seen from a point farther than
// 2.5 % of (width + height) outside the box, the box subtends less than 177.5 degrees, so
// the angle sum stays below 355; inside or on the edge it is 360.
bool PointOnSpriteBox(Vec2 p, const TSprite& s) {
  const double left = s.X();
  const double top = s.Y();
  const double right = left + s.Width();
  const double bottom = top + s.Height();
  if (s.Width() > 0 && s.Height() > 0) {
    if (p.X >= left && p.X <= right && p.Y >= top && p.Y <= bottom) return true;
    const double margin = 0.025 * (s.Width() + s.Height());
    if (p.X < left - margin || p.X > right + margin || p.Y < top - margin ||
        p.Y > bottom + margin) {
      return false;
    }
  }
  return PointInQuad(p, {{{left, top}, {left, bottom}, {right, bottom}, {right, top}}});
}

}  // namespace

const char* RaceCarPicture(int32_t carKind) {
  return race::kCars[static_cast<size_t>(std::clamp(carKind, 0, race::kCarCount - 1))].RacePicture;
}

// ---- TGroundPoint -----------------------------------------------------------------------

TGroundPoint::TGroundPoint(RaceContext& race, bool usesMenuImages, double angleOffset)
    : TSprite(race.Engine), AngleOffset(angleOffset), race_(race) {
  SetImage(race.Picture(usesMenuImages, "groundpoint"));
  SetName("groundpoint");
  Visible = false;
  OriginX = 0.5f;
  OriginY = 0.5f;
  SetZ(race::depth::GroundPoint);
}

void TGroundPoint::Move(int32_t) {
  const Vec2 p{X(), Y()};
  const std::vector<RoadSurfacePiece>& surface = *race_.RoadSurface;
  OnRoad = std::any_of(surface.begin(), surface.end(), [p](const RoadSurfacePiece& s) {
    return PointOnSpriteBox(p, *s.Sprite) &&
           (s.ShapedKind == 0 ||
            RoadPartCovers(s.ShapedKind, s.Variant, p.X - s.Sprite->X(), p.Y - s.Sprite->Y()));
  });
}

// ---- TCar -------------------------------------------------------------------------------

TCar::TCar(RaceContext& race, bool usesMenuImages, double startAngle, const std::string& name,
           int32_t carKind, double centreX, double centreY)
    : TSprite(race.Engine),
      CarKind(std::clamp(carKind, 0, race::kCarCount - 1)),
      UsesMenuImages(usesMenuImages),
      Race(race) {
  const race::CarConstants& car = race::kCars[static_cast<size_t>(CarKind)];
  SetImage(race.Picture(usesMenuImages, usesMenuImages ? car.MenuPicture : car.RacePicture));
  const double w = Width();
  const double h = Height();
  skidRadius_ = std::sqrt((w / 2) * (w / 2) + (h / 2) * (h / 2)) * 2 / 3;
  const double b = std::atan(h / w) * kDegreesPerRadian;
  skidAngles_ = {360 - b, 180 + b};
  SetName(name);
  SetPatternIndex(0);
  SetX(static_cast<float>(centreX - w / 2));
  SetY(static_cast<float>(centreY - h / 2));
  cornerAngles_ = BoxCornerAngles(w / 2 - race::kCarShapeInset, h / 2 - race::kCarShapeInset);
  SetZ(race::depth::Car);
  ResetPhysics();
  OriginX = 0.5f;
  OriginY = 0.5f;
  const double arrowX = X() + w / 2 - 35;
  const double arrowY = Y() + h / 2 - 5;
  HeadingArrow = new TArrow(race, usesMenuImages, 0, arrowX, arrowY);
  MoveArrow = new TArrow(race, usesMenuImages, 1, arrowX, arrowY);
  Heading = startAngle;
  MoveHeading = startAngle;
  Angle = static_cast<float>(Heading - 90);
  FrontSensor = new TGroundPoint(race, usesMenuImages, 90);
  RearSensor = new TGroundPoint(race, usesMenuImages, -90);
}

void TCar::OnCollision(TSprite&, int32_t, int32_t) {}

void TCar::ResetPhysics() {
  const CarInfo& car = Race.Cars.Cars[CarKind];
  Speed = 0;
  MaxSpeed = car.MaxSpeed;
  MinSpeed = -2.0;
  AccelRate = car.Acceleration;
  BrakeRate = 0.025;
  SteerRate = car.SteeringRate;
  FollowFactor = car.HeadingFollow;
  DriftTurnFactor = 0.5;
  CoastRate = 0.011;
  RollFriction = 0.005;
  SkidFriction = 0.008;
  Throttle = 0;
}

void TCar::Accelerate() {
  if (Speed < MaxSpeed) Throttle = AccelRate;
  if (Speed > MaxSpeed) Speed = MaxSpeed;
}

void TCar::Brake() {
  if (Speed > MinSpeed) Throttle = -BrakeRate;
  if (Speed < MinSpeed) Speed = MinSpeed;
}

// Turning swings Heading at once; MoveHeading lags behind. A lag of 25..70 degrees makes the
// car drift (the motion follows at half rate); beyond 70 it is dragged along at full rate.
void TCar::TurnLeft() {
  SetPatternIndex(1);
  if (Speed < 0) {
    Heading += SteerRate;
    const double lag = MoveHeading - Heading;
    if (lag > 70) {
      MoveHeading += SteerRate;
    } else if (lag > 25) {
      MoveHeading += SteerRate * DriftTurnFactor;
      Drifting = true;
    }
  } else if (Speed > 0.2) {
    Heading -= SteerRate;
    const double lag = MoveHeading - Heading;
    if (lag > 70) {
      MoveHeading -= SteerRate;
    } else if (lag > 25) {
      MoveHeading -= SteerRate * DriftTurnFactor;
      Drifting = true;
    }
  }
}

void TCar::TurnRight() {
  SetPatternIndex(2);
  if (Speed > 0) {
    Heading += SteerRate;
    const double lag = Heading - MoveHeading;
    if (lag > 70) {
      MoveHeading += SteerRate;
    } else if (lag > 25) {
      MoveHeading += SteerRate * DriftTurnFactor;
      Drifting = true;
    }
  } else {
    Heading -= SteerRate;
    const double lag = Heading - MoveHeading;
    if (lag > 70) {
      MoveHeading -= SteerRate;
    } else if (lag > 25) {
      MoveHeading -= SteerRate * DriftTurnFactor;
      Drifting = true;
    }
  }
}

Vec2 TCar::Centre() const {
  return {X() + Width() / 2.0, Y() + Height() / 2.0};
}

void TCar::UpdateShape() {
  const double halfW = Width() / 2.0 - race::kCarShapeInset;
  const double halfH = Height() / 2.0 - race::kCarShapeInset;
  const Vec2 c = Centre();
  Corners = TurnedCorners(c, std::sqrt(halfW * halfW + halfH * halfH), Angle, cornerAngles_);
  for (TGroundPoint* sensor : {FrontSensor, RearSensor}) {
    const double a = (Angle + sensor->AngleOffset) * kRadiansPerDegree;
    sensor->SetX(static_cast<float>(c.X + kSensorDistance * std::cos(a)));
    sensor->SetY(static_cast<float>(c.Y + kSensorDistance * std::sin(a)));
  }
}

void TCar::ReadSurface() {
  SurfaceFactor = (FrontSensor->OnRoad || RearSensor->OnRoad) ? 1.0 : 0.3;
}

void TCar::ApplyThrottle(double factor) {
  Speed += Throttle * factor * SurfaceFactor;
}

void TCar::ApplyFriction() {
  if (Speed == 0) return;
  Speed -= Speed * RollFriction;
  if (Drifting) {
    // Drifting backwards stops the car at once.
    const double s = Speed - Speed * SkidFriction;
    Speed = s > 0 ? s : 0;
  }
}

void TCar::LeaveSkidMarks() {
  if (!Drifting || Speed <= 2.0) return;
  if (skidCounter_ % 5 == 0) {
    const Vec2 c = Centre();
    for (double skidAngle : skidAngles_) {
      const double a = (Angle + skidAngle) * kRadiansPerDegree;
      new TDim(Race, UsesMenuImages, c.X + skidRadius_ * std::cos(a),
               c.Y + skidRadius_ * std::sin(a));
    }
    skidCounter_ = 0;
  }
  skidCounter_ += 1;
}

void TCar::FollowHeading() {
  if (Drifting) return;
  const double lag = MoveHeading - Heading;
  const double step = std::fabs(lag) > 5 ? SteerRate * FollowFactor : 1.1;
  if (lag > 0) {
    MoveHeading -= step;
  } else if (lag < 0) {
    MoveHeading += step;
  }
}

void TCar::ClearDrift() {
  if (Speed < 0.1 || Speed > 0.1 || std::fabs(Heading - MoveHeading) < 0.1) Drifting = false;
}

void TCar::UpdateProgress() {
  const RaceCourse& course = Race.Course;
  const int32_t n = course.PointCount;
  if (n < 1) return;
  const Vec2 m = Centre();
  int32_t nearest = 1;
  double nearestDistance = 6000000;
  for (int32_t i = 1; i <= n; ++i) {
    const double d = DistanceBetween(m, {course.Points[i].X, course.Points[i].Y});
    if (d < nearestDistance) {
      nearestDistance = d;
      nearest = i;
    }
  }
  const Vec2 p{course.Points[nearest].X, course.Points[nearest].Y};
  const int32_t next = nearest == n ? 1 : nearest + 1;
  const Vec2 q{course.Points[next].X, course.Points[next].Y};
  auto between = [](double v, double a, double b) {
    return v >= std::min(a, b) && v <= std::max(a, b);
  };
  Vec2 foot;
  bool onSegment;
  if (std::fabs(q.X - p.X) < 0.01) {
    foot = {p.X, m.Y};
    onSegment = between(m.Y, p.Y, q.Y);
  } else if (std::fabs(q.Y - p.Y) < 0.01) {
    foot = {m.X, p.Y};
    onSegment = between(m.X, p.X, q.X);
  } else {
    const Vec2 d{q.X - p.X, q.Y - p.Y};
    const double t = ((m.X - p.X) * d.X + (m.Y - p.Y) * d.Y) / (d.X * d.X + d.Y * d.Y);
    foot = {p.X + t * d.X, p.Y + t * d.Y};
    onSegment = between(foot.X, p.X, q.X) && between(foot.Y, p.Y, q.Y);
  }
  Progress = (onSegment ? 1 : -1) * DistanceBetween(foot, p) / 10 + course.Distance[nearest];
  CourseTotal = (Lap + 1) * course.LapLength() + Progress;
}

void TCar::UpdatePlace() {
  int32_t ahead = 0;
  if (Race.Player && Race.Player != this && Race.Player->CourseTotal > CourseTotal) ++ahead;
  for (const TOpponentCar* other : Race.Opponents) {
    if (other != this && other->CourseTotal > CourseTotal) ++ahead;
  }
  Place = 1 + ahead;
}

void TCar::TurnAwayFrom(const TCar& other) {
  const Vec2 d = Direction(MoveHeading);
  const Vec2 e = Direction(other.MoveHeading);
  const Vec2 mine{Speed * d.X, Speed * d.Y};
  const Vec2 theirs{other.Speed * e.X, other.Speed * e.Y};
  const double k = mine.X * theirs.Y - mine.Y * theirs.X;
  if (k > 0) {
    MoveHeading += 1.5;
    Heading += 1.5;
  } else if (k < 0) {
    MoveHeading -= 1.5;
    Heading -= 1.5;
  }
}
