#pragma once
#include "race/RaceContext.h"

// One race step of the race clock: while it runs, the hundredths that fall into this step
// (100 per 90 steps) are ticked one by one, each as the clock always ticks: the player's lap
// time while its lap timing runs, the player's race time, then every computer car's.
void StepRaceClock(RaceContext& race);
// The clock stopped at zero steps, for a race about to start.
void ResetRaceClock(RaceContext& race);
