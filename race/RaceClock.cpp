#include "race/RaceClock.h"

#include "race/Opponent.h"
#include "race/Player.h"

namespace {

constexpr int64_t kHundredthsPerSecond = 100;
constexpr int64_t kStepsPerSecond = 90;

int64_t HundredthsAt(int64_t steps) {
  return steps * kHundredthsPerSecond / kStepsPerSecond;
}

void TickHundredth(RaceContext& race) {
  if (TPlayer* player = race.Player) {
    if (player->LapTimerRunning) player->LapTime.Advance();
    player->RaceClock.Advance();
  }
  for (TOpponentCar* car : race.Opponents) car->RaceClock.Advance();
}

}  // namespace

void StepRaceClock(RaceContext& race) {
  if (!race.ClockRunning) return;
  const int64_t before = HundredthsAt(race.ClockSteps);
  race.ClockSteps += 1;
  for (int64_t t = before; t < HundredthsAt(race.ClockSteps); ++t) TickHundredth(race);
}

void ResetRaceClock(RaceContext& race) {
  race.ClockRunning = false;
  race.ClockSteps = 0;
}
