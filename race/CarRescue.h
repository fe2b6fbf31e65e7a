#pragma once
#include "race/RaceContext.h"

class TCar;
class TEnemyCar;

// Putting a car that left the course back on it: on the road at a point it already passed,
// facing along the course, standing still.

// Steps a computer car may go without getting further along the course before it is put
// back (3 s).
constexpr int64_t kStalledStepsBeforeRescue = 270;

// The heading (degrees, as TCar::Heading) of the course's path at the segment nearest to
// the point; 0 for a course without a path.
double CourseHeadingAt(const RaceCourse& course, Vec2 point);

// Stops the car and turns it to the heading, its shape and sensors following at once.
void StandStill(TCar& car, double heading);

// Puts the player's car back at the last check line it passed in order (the finish line
// when it passed none since crossing it). Refused (false, nothing changes) while the
// player may not drive: during the start lights, after the finish and in the demo race.
bool RescuePlayer(RaceContext& race);

// Puts a computer car back at the path point it reached last, facing its next target.
void RescueOpponent(RaceContext& race, TEnemyCar& car);
