#pragma once
#include <cstdint>

#include "race/RaceContext.h"

// Drives the player's car round the course through the key tables only, as a player at the
// keyboard would: it steers for the next path point, keeps the throttle down and brakes for
// sharp turns at speed.
class Autopilot {
 public:
  explicit Autopilot(RaceContext& race) : race_(race) {}
  // Sets the keys for the coming frame; call before the move pass.
  void PressKeys();

 private:
  void Hold(int key, bool down);

  RaceContext& race_;
  int32_t target_ = 1;
};
