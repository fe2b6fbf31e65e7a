#pragma once

class TForm1;

// Starts the race of the selected track and car from a selection screen (the car screen,
// or the track screen for a time trial): the race music, the race pictures loaded on the
// first race (behind a loading frame), and the race screen entered in place of the selection
// screen (the race ends the menus' background).
void BeginRace(TForm1& form);
