#pragma once
#include "race/RaceContext.h"

// Sets every part of the race world a builder asks for to the game's own: computer cars,
// check and finish lines, and the instruments.
void UseRaceWorldParts(RaceContext& race);
