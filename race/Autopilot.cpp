#include "race/Autopilot.h"

#include <cmath>

#include "core/GameState.h"
#include "race/Player.h"

namespace {

constexpr double kTargetReach = 160;
constexpr double kSteerDeadZone = 3;  // degrees
constexpr double kSharpTurn = 50;
constexpr double kCorneringSpeed = 4;

// The angle from a to b, brought into -180..180.
double AngleBetween(double a, double b) {
  double d = std::fmod(b - a, 360.0);
  if (d > 180) d -= 360;
  if (d < -180) d += 360;
  return d;
}

}  // namespace

void Autopilot::Hold(int key, bool down) {
  auto& held = race_.State.KeyHeld;
  if (down) {
    held[key] = 1;
  } else if (held[key]) {
    race_.State.KeyReleased[key] = 1;  // the car reads the release and lets go
  }
}

AutopilotControls Autopilot::Decide() {
  AutopilotControls controls;
  TPlayer* player = race_.Player;
  const RaceCourse& course = race_.Course;
  if (!player || course.PointCount < 1) return controls;
  const Vec2 m = player->Centre();
  if (target_ < 1 || target_ > course.PointCount) target_ = 1;
  const PathPoint* t = &course.Points[target_];
  if (std::fabs(t->X - m.X) < kTargetReach && std::fabs(t->Y - m.Y) < kTargetReach) {
    target_ = target_ == course.PointCount ? 1 : target_ + 1;
    t = &course.Points[target_];
  }
  const double bearing = std::atan2(t->Y - m.Y, t->X - m.X) * kDegreesPerRadian;
  const double off = AngleBetween(player->Heading, bearing);
  const bool brake = std::fabs(off) > kSharpTurn && player->Speed > kCorneringSpeed;
  controls.Throttle = !brake;
  controls.Brake = brake;
  controls.Right = off > kSteerDeadZone;
  controls.Left = off < -kSteerDeadZone;
  return controls;
}

void Autopilot::PressKeys() {
  if (!race_.Player || race_.Course.PointCount < 1) return;
  const AutopilotControls controls = Decide();
  Hold(vk::Up, controls.Throttle);
  Hold(vk::Down, controls.Brake);
  Hold(vk::Right, controls.Right);
  Hold(vk::Left, controls.Left);
}
