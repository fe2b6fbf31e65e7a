#pragma once
#include "race/RaceContext.h"

// One fixed step (1/90 s) of the race world, the same for the race screen, the menus' demo
// race, the headless runner and every tool: a released rescue key (R) puts the player's car
// back on the course when it may drive (the demo race leaves the key to the menus), every sprite
// moves once (cars, obstacles, check lines, effects), the course follows the player's scroll, the
// race clock runs, then the AfterStep hooks, which see the step's bumps in StepImpacts. Drawing is
// no part of it.
void RunRaceStep(RaceContext& race);
