#include "race/RaceClock.h"

#include "race/Opponent.h"
#include "race/Player.h"

void AdvanceRaceClocks(RaceContext& race) {
  if (TPlayer* player = race.Player) {
    if (player->LapTimerRunning) player->LapTime.Advance();
    player->RaceClock.Advance();
  }
  for (TOpponentCar* car : race.Opponents) car->RaceClock.Advance();
}
