#include "race/Autopilot.h"

#include <algorithm>
#include <cmath>

#include "core/GameState.h"
#include "race/Player.h"

namespace {

constexpr double kSteerDeadZone = 2;   // degrees
constexpr double kLostDistance = 400;  // farther from its place than this: search the lap
constexpr int32_t kPlaceWindowBack = 2;
constexpr int32_t kPlaceWindowAhead = 5;
// Steering aims this far ahead on the path, plus a little more per pixel a frame of speed.
constexpr double kAimAhead = 150;
constexpr double kAimPerSpeed = 10;
// Bends are looked for this far ahead, plus the distance the car covers braking.
constexpr double kBendLookAhead = 80;
constexpr double kBendLookPerSpeed = 25;
// Speeds the car takes bends of at least these turns at.
struct BendSpeed {
  double Turn;
  double Speed;
};
constexpr BendSpeed kBendSpeeds[] = {{100, 5.0}, {70, 6.0}, {45, 7.5}};
// Stuck: slower than this for this many frames with the throttle down; then it reverses.
constexpr double kStuckSpeed = 0.6;
constexpr int32_t kStuckFrames = 40;
constexpr int32_t kReverseFrames = 45;
// No further along the course for this long (4 s), backing out included: the rescue key.
constexpr int64_t kHopelessSteps = 360;

// The angle from a to b, brought into -180..180.
double AngleBetween(double a, double b) {
  double d = std::fmod(b - a, 360.0);
  if (d > 180) d -= 360;
  if (d < -180) d += 360;
  return d;
}

double Bearing(Vec2 from, Vec2 to) {
  return std::atan2(to.Y - from.Y, to.X - from.X) * kDegreesPerRadian;
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

void Autopilot::TrackPlace(Vec2 car) {
  const RaceCourse& course = race_.Course;
  const int32_t n = course.PointCount;
  auto distance = [&](int32_t i) {
    return std::hypot(course.Points[i].X - car.X, course.Points[i].Y - car.Y);
  };
  auto wrap = [n](int32_t i) { return ((i - 1) % n + n) % n + 1; };
  int32_t best = place_ >= 1 && place_ <= n ? place_ : 1;
  if (place_ >= 1 && place_ <= n && distance(place_) < kLostDistance) {
    for (int32_t k = -kPlaceWindowBack; k <= kPlaceWindowAhead; ++k) {
      if (distance(wrap(place_ + k)) < distance(best)) best = wrap(place_ + k);
    }
  } else {
    for (int32_t i = 1; i <= n; ++i) {
      if (distance(i) < distance(best)) best = i;
    }
  }
  place_ = best;
}

Vec2 Autopilot::PointAhead(Vec2 car, double ahead) const {
  const RaceCourse& course = race_.Course;
  const int32_t n = course.PointCount;
  int32_t i = place_;
  Vec2 from{course.Points[i].X, course.Points[i].Y};
  // Start from the car's foot on the segment leaving its place, or the place itself.
  const PathPoint& next = course.Points[i == n ? 1 : i + 1];
  const Vec2 seg{next.X - from.X, next.Y - from.Y};
  const double len2 = seg.X * seg.X + seg.Y * seg.Y;
  if (len2 > 0) {
    const double t = ((car.X - from.X) * seg.X + (car.Y - from.Y) * seg.Y) / len2;
    if (t > 0 && t < 1) from = {from.X + seg.X * t, from.Y + seg.Y * t};
  }
  for (int32_t steps = 0; steps < n; ++steps) {
    i = i == n ? 1 : i + 1;
    const Vec2 to{course.Points[i].X, course.Points[i].Y};
    const double len = std::hypot(to.X - from.X, to.Y - from.Y);
    if (len >= ahead && len > 0) {
      return {from.X + (to.X - from.X) * ahead / len, from.Y + (to.Y - from.Y) * ahead / len};
    }
    ahead -= len;
    from = to;
  }
  return from;
}

double Autopilot::SharpestTurnWithin(Vec2 car, double distance) const {
  const RaceCourse& course = race_.Course;
  const int32_t n = course.PointCount;
  const double heading = race_.Player->Heading;
  double sharpest = 0;
  int32_t i = place_;
  Vec2 from = car;
  for (int32_t steps = 0; steps < n && distance > 0; ++steps) {
    i = i == n ? 1 : i + 1;
    const Vec2 to{course.Points[i].X, course.Points[i].Y};
    const int32_t j = i == n ? 1 : i + 1;
    const Vec2 after{course.Points[j].X, course.Points[j].Y};
    sharpest = std::max(sharpest, std::fabs(AngleBetween(heading, Bearing(to, after))));
    distance -= std::hypot(to.X - from.X, to.Y - from.Y);
    from = to;
  }
  return sharpest;
}

AutopilotControls Autopilot::Decide() {
  AutopilotControls controls;
  TPlayer* player = race_.Player;
  if (!player || race_.Course.PointCount < 2) return controls;
  const Vec2 car = player->Centre();
  TrackPlace(car);
  const double speed = player->Speed;
  stall_.Step(player->Progress, race_.Course.LapLength(), player->ControlsEnabled);
  if (stall_.StalledSteps() >= kHopelessSteps) {
    stall_.Restart();
    reverseFrames_ = 0;
    slowFrames_ = 0;
    controls.Rescue = true;
    return controls;
  }
  const Vec2 aim = PointAhead(car, kAimAhead + kAimPerSpeed * std::max(speed, 0.0));
  const double off = AngleBetween(player->Heading, Bearing(car, aim));

  if (reverseFrames_ > 0) {
    --reverseFrames_;
    controls.Brake = true;
    controls.Right = reverseSteer_ > 0;
    controls.Left = reverseSteer_ < 0;
    return controls;
  }
  slowFrames_ = speed < kStuckSpeed ? slowFrames_ + 1 : 0;
  if (slowFrames_ > kStuckFrames) {
    // Wedged against scenery: back out turning the tail toward the way on.
    slowFrames_ = 0;
    reverseFrames_ = kReverseFrames;
    reverseSteer_ = off;
  }

  const double turn = SharpestTurnWithin(car, kBendLookAhead + kBendLookPerSpeed * speed);
  double wanted = player->MaxSpeed;
  for (const BendSpeed& b : kBendSpeeds) {
    if (turn >= b.Turn) {
      wanted = std::min(wanted, b.Speed);
      break;
    }
  }
  controls.Throttle = speed < wanted;
  controls.Brake = speed > wanted + 0.5;
  controls.Right = off > kSteerDeadZone;
  controls.Left = off < -kSteerDeadZone;
  return controls;
}

void Autopilot::PressKeys() {
  const AutopilotControls controls = Decide();
  Hold(vk::Up, controls.Throttle);
  Hold(vk::Down, controls.Brake);
  Hold(vk::Right, controls.Right);
  Hold(vk::Left, controls.Left);
  if (controls.Rescue) race_.State.KeyReleased[vk::R] = 1;
}
