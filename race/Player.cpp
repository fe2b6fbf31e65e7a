#include "race/Player.h"

#include <algorithm>
#include <cmath>

#include "core/GameState.h"
#include "race/Opponent.h"

TPlayer::TPlayer(RaceContext& race, bool usesMenuImages, double startAngle, const std::string& name,
                 int32_t carKind, double centreX, double centreY)
    : TCar(race, usesMenuImages, startAngle, name, carKind, centreX, centreY) {}

void TPlayer::ApplyControls() {
  auto& held = Race.State.KeyHeld;
  auto& released = Race.State.KeyReleased;
  const bool moving = Speed > 0.1 || Speed < -0.1;

  if (held[vk::Up]) {
    Accelerate();
  } else if (held[vk::Down]) {
    Brake();
  }
  if (held[vk::Right] && moving) {
    TurnRight();
  } else if (held[vk::Left] && moving) {
    TurnLeft();
  } else {
    SetPatternIndex(0);
  }
  if (held[vk::Space] || held[vk::Control]) {
    Drifting = true;
    if (Speed > CoastRate) {
      Throttle = -CoastRate;
    } else if (Speed < -CoastRate) {
      Throttle = CoastRate;
    }
  }
  for (int key : {vk::Up, vk::Down}) {
    if (!released[key]) continue;
    released[key] = 0;
    held[key] = 0;
    Throttle = 0;
  }
  for (int key : {vk::Right, vk::Left, vk::Space, vk::Control}) {
    if (!released[key]) continue;
    released[key] = 0;
    held[key] = 0;
  }
}

void TPlayer::Move(int32_t) {
  if (ControlsEnabled) {
    ApplyControls();
  } else {
    SetPatternIndex(0);
    Throttle = 0;
    if (Speed > CoastRate) {
      Speed -= CoastRate;
    } else if (Speed < -CoastRate) {
      Speed += CoastRate;
    }
  }
  UpdateProgress();
  if (RankingActive) UpdatePlace();
  ReadSurface();
  const Vec2 heading = Direction(MoveHeading);
  ScrollX = -heading.X * Speed;
  ScrollY = -heading.Y * Speed;

  ApplyThrottle(1);
  ApplyFriction();
  LeaveSkidMarks();  // before the new Angle: the marks use last frame's
  Angle = static_cast<float>(Heading - 90);
  FollowHeading();
  ClearDrift();
  UpdateShape();

  // Every world object has applied last frame's push once by now.
  PushX = 0;
  PushY = 0;
  CollideWithOpponents();
}

void TPlayer::CollideWithOpponents() {
  const Vec2 centre = Centre();
  const size_t count = std::min(Race.Opponents.size(), ContactFlags.size());
  for (size_t i = 0; i < count; ++i) {
    const TOpponentCar& other = *Race.Opponents[i];
    if (CloserThan(centre, other.Centre(), race::kNearRadius)) {
      ContactFlags[i] = QuadsOverlap(Corners, other.Corners);
    }
  }
  for (size_t i = 0; i < count; ++i) {
    if (ContactFlags[i]) BumpFrom(*Race.Opponents[i]);
  }
}

void TPlayer::BumpFrom(const TCar& other) {
  const Vec2 n = UnitVector(other.Centre(), Centre());
  const Vec2 u = other.Speed != 0 ? Direction(other.MoveHeading) : Vec2{0, 0};
  const Vec2 mine = Direction(MoveHeading);
  const Vec2 closing{mine.X * Speed - u.X * other.Speed, mine.Y * Speed - u.Y * other.Speed};
  Race.NoteImpact({RaceImpact::Against::Car, std::hypot(closing.X, closing.Y)});
  PushX -= (std::fabs(u.X / 2) + 0.5) * 2 * n.X;
  PushY -= (std::fabs(u.Y / 2) + 0.5) * 2 * n.Y;
  Speed *= 0.99;
  TurnAwayFrom(other);
}
