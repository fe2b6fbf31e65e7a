#pragma once

class TForm1;

// Starts the race of the selected track and car from the car selection screen: the race
// music, the menus' demo race and lamps gone, the car screen left, the race pictures loaded
// on the first race (behind a loading frame), and the race screen entered.
void BeginRace(TForm1& form);
