#pragma once

class TKaltoSound3D;

// Fills the sound component with the game's configuration: the one stereo path the menu
// effects share, every effect (the race's sounds play on paths of their own) and the three
// looping music modules.
void ConfigureGameAudio(TKaltoSound3D& sound);
