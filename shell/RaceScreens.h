#pragma once

class TForm1;

// Installs the screens of the race flow (the race, the quit panel, the pause, the race-over,
// game-completed and game-over screens), connects the race clock and the score report.
void RegisterRaceScreens(TForm1& form);
