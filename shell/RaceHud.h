#pragma once
#include <string>

#include "core/RaceTime.h"

class TForm1;

// A race time as the race screens write it: minutes, then two-digit seconds and hundredths,
// separated by colons ("1:05:09").
std::string FormatRaceTime(const RaceTime& time);

// The race's texts at the top right in KaltoFont1: lap, place, race time and best lap of
// the player's car (in a time trial, its own texts). Nothing while there is no race.
void DrawRaceHud(TForm1& form);
