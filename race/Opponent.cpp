#include "race/Opponent.h"

#include <algorithm>

TOpponentCar::TOpponentCar(RaceContext& race, bool usesMenuImages, double startAngle,
                           int32_t opponentIndex, const std::string& name, int32_t carKind,
                           double centreX, double centreY)
    : TCar(race, usesMenuImages, startAngle, name, carKind, centreX, centreY),
      OpponentIndex(opponentIndex) {
  const int32_t last = std::min(race.Course.CheckpointCount - 1, kCheckpointNumbers - 1);
  for (int32_t n = 1; n <= last; ++n) passed_[n] = true;
}

void TOpponentCar::MarkPassed(int32_t checkpoint) {
  if (checkpoint >= 2 && checkpoint < kCheckpointNumbers) passed_[checkpoint] = true;
}

bool TOpponentCar::PassedCheckpoints(int32_t checkpointCount) const {
  const int32_t last = std::min(checkpointCount - 1, kCheckpointNumbers - 1);
  for (int32_t n = 2; n <= last; ++n) {
    if (!passed_[n]) return false;
  }
  return true;
}

void TOpponentCar::ClearPassed(int32_t checkpointCount) {
  const int32_t last = std::min(checkpointCount - 1, kCheckpointNumbers - 1);
  for (int32_t n = 2; n <= last; ++n) passed_[n] = false;
}
