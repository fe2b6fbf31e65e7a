#pragma once
#include <memory>

class MenuBackground;
class TForm1;

// Installs the screens of the race flow (the race, the quit panel, the pause, the race-over,
// game-completed and game-over screens), connects the race clock and the score report. The
// race ends the menus' background; every way back to the menus builds it again.
void RegisterRaceScreens(TForm1& form, const std::shared_ptr<MenuBackground>& menus);
