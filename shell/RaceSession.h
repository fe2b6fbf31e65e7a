#pragma once
#include <cstdint>

#include "shell/TimeTrial.h"

// What the race screens share besides the game-wide state record. One instance lives as
// long as the screens.
struct RaceSession {
  // The start signal was given: set at the green light and never cleared until the race is
  // left, so the quit panel and the pause restart the race clock for cars still racing
  // after the player's finish.
  bool Started = false;
  // The place bonus as the race-over screen opened (the count-up lowers PlaceBonus).
  int32_t BonusAtFinish = 0;
  // This race-over screen applied the last unlock step: its answers lead to the
  // game-completed screen instead of the track selection.
  bool GameCompleted = false;
  // Set by the send answers; the game-over screen draws nothing while it is set.
  bool StopGameOverFrames = false;
  // The time trial being driven, when the race is one.
  TimeTrialRun Trial;
};
