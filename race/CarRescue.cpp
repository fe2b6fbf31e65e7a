#include "race/CarRescue.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/GameState.h"
#include "race/CheckLine.h"
#include "race/EnemyCar.h"
#include "race/FinishLine.h"
#include "race/GameProcedures.h"
#include "race/Player.h"
#include "race/RoadRock.h"

namespace {

double HeadingFromTo(Vec2 from, Vec2 to) {
  return std::atan2(to.Y - from.Y, to.X - from.X) * kDegreesPerRadian;
}

double DistanceToSegment(Vec2 p, Vec2 a, Vec2 b) {
  const double dx = b.X - a.X;
  const double dy = b.Y - a.Y;
  const double lengthSquared = dx * dx + dy * dy;
  double t = lengthSquared > 0 ? ((p.X - a.X) * dx + (p.Y - a.Y) * dy) / lengthSquared : 0;
  t = std::clamp(t, 0.0, 1.0);
  return DistanceBetween(p, {a.X + t * dx, a.Y + t * dy});
}

Vec2 PointOf(const PathPoint& p) {
  return {p.X, p.Y};
}

// Where the player's car goes back to, in the world as it stands after the last step.
// Sprites below the cars in the list move before the player: they still owe the player's
// last scroll and push, which are added here.
bool PlayerRescuePoint(const RaceContext& race, Vec2& point) {
  const TPlayer& player = *race.Player;
  const int32_t lines = race.Course.CheckLineCount;
  const bool finishWasLast = player.NextCheckLine == 0 && (!player.FinishArmed || player.Lap == 0);
  const int32_t wanted = lines > 0 ? (player.NextCheckLine + lines - 1) % lines : -1;
  for (int i = 0; i < race.Engine.SpriteCount(); ++i) {
    TSprite* sprite = race.Engine.Sprites(i);
    if (finishWasLast || lines == 0) {
      if (dynamic_cast<TFinishLine*>(sprite)) {
        point = {sprite->X() + sprite->Width() / 2.0, sprite->Y() + sprite->Height() / 2.0};
        return true;
      }
    } else if (auto* line = dynamic_cast<TCheckLine*>(sprite); line && line->Index == wanted) {
      const Vec2 owed{race.Scroll().X + race.Push().X, race.Scroll().Y + race.Push().Y};
      point = {line->X() + line->Width() / 2.0 + owed.X, line->Y() + line->Height() / 2.0 + owed.Y};
      return true;
    }
  }
  return false;
}

// Contacts are only re-examined for things near each other, so a car carried away while it
// touched a car or an obstacle would keep bouncing off it from afar: its contacts end here.
// `opponent` is the car's place in the race's list, or -1 for the player.
void ForgetContacts(RaceContext& race, TCar& car, int opponent) {
  car.ContactFlags.fill(false);
  const auto slot = static_cast<size_t>(opponent);
  for (int i = 0; i < race.Engine.SpriteCount(); ++i) {
    auto* rock = dynamic_cast<TRoadRock*>(race.Engine.Sprites(i));
    if (!rock) continue;
    if (opponent < 0) {
      rock->PlayerHit = false;
    } else if (slot < rock->OpponentHit.size()) {
      rock->OpponentHit[slot] = false;
    }
  }
  if (opponent < 0) return;
  if (race.Player && slot < race.Player->ContactFlags.size()) {
    race.Player->ContactFlags[slot] = false;
  }
  for (TOpponentCar* other : race.Opponents) {
    if (slot < other->ContactFlags.size()) other->ContactFlags[slot] = false;
  }
}

}  // namespace

double CourseHeadingAt(const RaceCourse& course, Vec2 point) {
  const int32_t n = course.PointCount;
  if (n < 2) return 0;
  double nearest = std::numeric_limits<double>::max();
  double heading = 0;
  for (int32_t i = 1; i <= n; ++i) {
    const Vec2 a = PointOf(course.Points[i]);
    const Vec2 b = PointOf(course.Points[i == n ? 1 : i + 1]);
    const double d = DistanceToSegment(point, a, b);
    if (d < nearest) {
      nearest = d;
      heading = HeadingFromTo(a, b);
    }
  }
  return heading;
}

void StandStill(TCar& car, double heading) {
  car.Speed = 0;
  car.Throttle = 0;
  car.Drifting = false;
  car.Heading = heading;
  car.MoveHeading = heading;
  car.Angle = static_cast<float>(heading - 90);
  car.UpdateShape();
}

bool RescuePlayer(RaceContext& race) {
  TPlayer* player = race.Player;
  if (!player || race.DemoRace || !player->ControlsEnabled || race.State.RaceFinished) {
    return false;
  }
  Vec2 point;
  if (!PlayerRescuePoint(race, point)) return false;
  const Vec2 centre = player->Centre();
  ShiftWorld(race, centre.X - point.X, centre.Y - point.Y);
  StandStill(*player, CourseHeadingAt(race.Course, centre));
  ForgetContacts(race, *player, -1);
  return true;
}

void RescueOpponent(RaceContext& race, TEnemyCar& car) {
  const RaceCourse& course = race.Course;
  if (course.PointCount < 2) return;
  const int32_t target = std::clamp(car.TargetPoint, 1, course.PointCount);
  const int32_t reached = target == 1 ? course.PointCount : target - 1;
  const Vec2 from = PointOf(course.Points[reached]);
  car.SetX(static_cast<float>(from.X - car.Width() / 2.0));
  car.SetY(static_cast<float>(from.Y - car.Height() / 2.0));
  StandStill(car, HeadingFromTo(from, PointOf(course.Points[target])));
  car.Stall.Restart();
  const auto place = std::find(race.Opponents.begin(), race.Opponents.end(), &car);
  if (place != race.Opponents.end()) {
    ForgetContacts(race, car, static_cast<int>(place - race.Opponents.begin()));
  }
}
