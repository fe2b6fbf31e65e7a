#include "race/RaceStep.h"

#include "core/GameState.h"
#include "engine/graphics/KaltoSprite.h"
#include "race/CarRescue.h"
#include "race/GameProcedures.h"
#include "race/RaceClock.h"

void RunRaceStep(RaceContext& race) {
  race.StepImpacts.clear();
  if (!race.DemoRace && race.State.KeyReleased[vk::R]) {
    race.State.KeyReleased[vk::R] = 0;
    race.State.KeyHeld[vk::R] = 0;
    RescuePlayer(race);
  }
  race.Engine.MoveAll(0);
  MoveCourse(race);
  StepRaceClock(race);
  for (const std::function<void(RaceContext&)>& after : race.AfterStep) after(race);
}
