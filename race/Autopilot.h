#pragma once
#include <cstdint>

#include "race/QuadGeometry.h"
#include "race/RaceContext.h"
#include "race/StallClock.h"

// What the autopilot wants held for the coming frame.
struct AutopilotControls {
  bool Throttle = false;  // Up
  bool Brake = false;     // Down
  bool Left = false;
  bool Right = false;
  bool Rescue = false;  // R, tapped
};

// Drives the player's car round the course through the key tables only, as a player at the
// keyboard would. It keeps track of where on the path the car is (so a push off the line
// never loses it), steers for a point a little ahead on the path, eases off before bends
// in proportion to how sharp they are, backs out when it is stuck against scenery, and
// asks to be put back on the course when it has got no further for a long while.
class Autopilot {
 public:
  explicit Autopilot(RaceContext& race) : race_(race) {}
  // Decides the controls for the coming frame; call once a frame, before the move pass.
  AutopilotControls Decide();
  // Decides and sets the keys straight in the key tables.
  void PressKeys();

 private:
  void Hold(int key, bool down);
  // Follows the car along the path: the index of the path point it is nearest.
  void TrackPlace(Vec2 car);
  // The point `ahead` pixels further along the path than the car's place on it.
  Vec2 PointAhead(Vec2 car, double ahead) const;
  // The largest turn from the car's heading to the path's direction within `distance`.
  double SharpestTurnWithin(Vec2 car, double distance) const;

  RaceContext& race_;
  int32_t place_ = 0;  // 0: not placed yet
  int32_t slowFrames_ = 0;
  int32_t reverseFrames_ = 0;
  double reverseSteer_ = 0;
  StallClock stall_;
};
