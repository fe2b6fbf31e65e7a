#include "race/RoadRock.h"

#include <algorithm>
#include <cmath>

#include "race/GameConstants.h"
#include "race/GameProcedures.h"
#include "race/Opponent.h"
#include "race/Player.h"

namespace {

struct ObstacleLook {
  const char* Picture;  // null: no picture (a bare 10 x 10 box)
  int32_t RandomTiles;  // > 0: a random tile 0..RandomTiles-1
  bool RandomAngle;     // turned by a random whole angle -180..179
  const char* Name;
};

ObstacleLook LookOf(int32_t type) {
  switch (type) {
    case 1:
      return {"tree1", 0, true, "roadrock"};
    case 2:
      return {"tree2", 0, true, "roadrock"};
    case 3:
      return {"tree3", 0, true, "roadrock"};
    case 4:
      return {"tree4", 0, true, "roadrock"};
    case 5:
      return {"house", 0, true, "roadrock"};
    case 6:
      return {"elka1", 0, true, "roadrock"};
    case 7:
      return {"elka2", 0, true, "roadrock"};
    case 8:
      return {"rock1", 5, true, "roadrock"};
    case 9:
      return {"ark", 3, true, "roadrock"};
    case 10:
      return {"horwall", 0, false, "wall"};
    case 11:
      return {"vertwall", 0, false, "wall"};
    case 12:
      return {"koleso1", 0, true, "roadrock"};
    default:
      return {nullptr, 0, false, "roadrock"};
  }
}

constexpr float kScreenWidth = 800;
constexpr float kScreenHeight = 600;

bool CornerOnScreen(const TSprite& s) {
  return s.X() > 0 && s.X() < kScreenWidth && s.Y() > 0 && s.Y() < kScreenHeight;
}

}  // namespace

const char* ObstaclePicture(int32_t type) {
  return LookOf(type).Picture;
}

TRoadRock::TRoadRock(RaceContext& race, int32_t type, double centreX, double centreY)
    : TWorldSprite(race), ObstacleType(type) {
  const ObstacleLook look = LookOf(type);
  if (look.Picture) SetImage(race.CoursePicture(look.Picture));
  SetName(look.Name);
  SetZ(race::depth::Obstacle);
  OriginX = 0.5f;
  OriginY = 0.5f;
  SetPatternIndex(look.RandomTiles > 0 ? race.Random.Between(0, look.RandomTiles - 1) : 0);
  Angle = look.RandomAngle ? static_cast<float>(race.Random.Between(-180, 179)) : 0.0f;
  CentreOn(centreX, centreY);
  cornerAngles_ = BoxCornerAngles(Width() / 2.0, Height() / 2.0);
}

Vec2 TRoadRock::Centre() const {
  return {X() + Width() / 2.0, Y() + Height() / 2.0};
}

void TRoadRock::Move(int32_t) {
  FollowScroll();
  UpdateObstacleShape();
  // Walls are long: their corner may be off screen while they cross it.
  if (Name() == "wall" || CornerOnScreen(*this)) CollideCars();
  SenseForOpponents();
}

void TRoadRock::UpdateObstacleShape() {
  if (!offsetsValid_ || offsetsAngle_ != Angle) {
    const double halfW = Width() / 2.0;
    const double halfH = Height() / 2.0;
    cornerOffsets_ =
        TurnedCorners({0, 0}, std::sqrt(halfW * halfW + halfH * halfH), Angle, cornerAngles_);
    offsetsAngle_ = Angle;
    offsetsValid_ = true;
  }
  const Vec2 c = Centre();
  for (int k = 0; k < 4; ++k) Corners[k] = {c.X + cornerOffsets_[k].X, c.Y + cornerOffsets_[k].Y};
}

void TRoadRock::CollideCars() {
  const Vec2 centre = Centre();
  const size_t count = std::min(Race.Opponents.size(), OpponentHit.size());
  for (size_t i = 0; i < count; ++i) {
    const TOpponentCar& car = *Race.Opponents[i];
    if (CloserThan(centre, car.Centre(), race::kNearRadius)) {
      OpponentHit[i] = QuadsOverlap(Corners, car.Corners);
    }
  }
  for (size_t i = 0; i < count; ++i) {
    TOpponentCar& car = *Race.Opponents[i];
    // Computer cars driving off screen pass through obstacles.
    if (OpponentHit[i] && (!car.Driving || CornerOnScreen(car))) {
      ObstacleResponse(car, false);
    }
  }
  if (TPlayer* player = Race.Player) {
    if (CloserThan(centre, player->Centre(), race::kNearRadius)) {
      PlayerHit = QuadsOverlap(Corners, player->Corners);
    }
    if (PlayerHit) ObstacleResponse(*player, true);
  }
}

void TRoadRock::ObstacleResponse(TCar& car, bool isPlayer) {
  const Vec2 u = car.Speed != 0 ? Direction(car.MoveHeading) : Vec2{0, 0};
  const Vec2 n = UnitVector(car.Centre(), Centre());
  const Vec2 push{(std::fabs(u.X / 2) + 0.5) * 2 * n.X, (std::fabs(u.Y / 2) + 0.5) * 2 * n.Y};
  if (isPlayer) {
    Race.NoteImpact({RaceImpact::Against::Obstacle, std::fabs(car.Speed)});
    ShiftWorld(Race, push.X, push.Y);
  } else {
    car.SetX(static_cast<float>(car.X() - push.X));
    car.SetY(static_cast<float>(car.Y() - push.Y));
  }
  const double dot = n.X * u.X + n.Y * u.Y;
  const double cross = n.X * u.Y - n.Y * u.X;
  if (cross == 0) return;
  const double turn = (2 - 2 * cross) * 2;
  // Driving into the obstacle turns the car along it; backing into it turns it the other way.
  const double sign = (dot > 0) == (cross > 0) ? 1 : -1;
  car.MoveHeading += sign * turn;
  car.Heading += sign * turn;
  car.Speed *= dot > 0 ? (0.5 - dot) / 2 + 0.7 : (dot + 0.5) / 2 + 0.7;
}

void TRoadRock::SenseForOpponents() {
  const Vec2 centre = Centre();
  for (TOpponentCar* car : Race.Opponents) {
    if (!CloserThan(centre, car->Centre(), race::kNearRadius)) continue;
    for (ObstacleSensor& sensor : car->ObstacleSensors) {
      if (QuadsOverlap(Corners, SquareAround({sensor.X, sensor.Y}, 10))) sensor.Hit = true;
    }
  }
}
