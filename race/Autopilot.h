#pragma once
#include <cstdint>

#include "race/RaceContext.h"

// What the autopilot wants held for the coming frame.
struct AutopilotControls {
  bool Throttle = false;  // Up
  bool Brake = false;     // Down
  bool Left = false;
  bool Right = false;
};

// Drives the player's car round the course through the key tables only, as a player at the
// keyboard would: it steers for the next path point, keeps the throttle down and brakes for
// sharp turns at speed.
class Autopilot {
 public:
  explicit Autopilot(RaceContext& race) : race_(race) {}
  // Decides the controls for the coming frame (and moves on to the next path point when
  // the current one is reached); call once a frame, before the move pass.
  AutopilotControls Decide();
  // Decides and sets the keys straight in the key tables.
  void PressKeys();

 private:
  void Hold(int key, bool down);

  RaceContext& race_;
  int32_t target_ = 1;
};
