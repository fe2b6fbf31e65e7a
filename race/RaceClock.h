#pragma once
#include "race/RaceContext.h"

// One hundredth of race time, as the race clock ticks it: the player's lap time while its
// lap timing runs, the player's race time, then every computer car's race time.
void AdvanceRaceClocks(RaceContext& race);
