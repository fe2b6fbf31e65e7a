#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "core/RaceTime.h"
#include "engine/graphics/KaltoSprite.h"
#include "race/GhostLap.h"
#include "race/RaceContext.h"

// The ghost on the course: the best lap's car, see-through. It is no car of the race: it
// collides with nothing, and nothing senses or ranks it.
class TGhostCar : public TSprite {
 public:
  TGhostCar(RaceContext& race, int32_t carKind);

  int32_t CarKind;
};

// Watches the player's laps in a time trial: records every step of the lap being driven,
// keeps the fastest lap as the best (the ghost), and replays the best lap beside the car,
// step for step from each crossing of the finish line. Hook AfterStep after every race step.
class GhostRecorder {
 public:
  GhostRecorder(int32_t track, std::optional<GhostLap> best);

  void AfterStep(RaceContext& race);
  const std::optional<GhostLap>& Best() const { return best_; }
  // True once after each lap that became the best.
  bool TakeNewBest();
  // The ghost sprite while there is one (it belongs to the race's sprite engine).
  const TGhostCar* Ghost() const { return ghost_; }
  // The last lap driven in full, when there is one.
  std::optional<RaceTime> LastLap() const { return lastLap_; }

 private:
  void FinishLap(int32_t carKind);
  void ShowGhost(RaceContext& race);

  int32_t track_;
  std::optional<GhostLap> best_;
  bool newBest_ = false;
  int32_t lap_ = 0;
  std::vector<GhostFrame> lapFrames_;
  RaceTime lapTime_;
  std::optional<RaceTime> lastLap_;
  TGhostCar* ghost_ = nullptr;
};

// A time as hundredths of a second, and back.
int32_t TotalHundredths(const RaceTime& t);
RaceTime FromHundredths(int32_t hundredths);
