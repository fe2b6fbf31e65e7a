#pragma once
#include "race/RaceContext.h"

// Sets every part of the race world a builder asks for to the game's own: check and
// finish lines.
void UseRaceWorldParts(RaceContext& race);
