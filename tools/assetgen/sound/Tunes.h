#pragma once
#include "tools/assetgen/sound/Composer.h"

// The game's three tunes.
TunePlan MenuTune();      // "1.xm": menus, relaxed and catchy
TunePlan RaceTune();      // "2.xm": races, driving and energetic
TunePlan RaceOverTune();  // "3.xm": after a race, calm
