#include "race/RaceStep.h"

#include "engine/graphics/KaltoSprite.h"
#include "race/GameProcedures.h"
#include "race/RaceClock.h"

void RunRaceStep(RaceContext& race) {
  race.StepImpacts.clear();
  race.Engine.MoveAll(0);
  MoveCourse(race);
  StepRaceClock(race);
  for (const std::function<void(RaceContext&)>& after : race.AfterStep) after(race);
}
