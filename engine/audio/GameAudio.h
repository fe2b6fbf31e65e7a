#pragma once

class TKaltoSound3D;

// Fills the sound component with the game's configuration: the one stereo path all effects
// share, the six effects and the three looping music modules.
void ConfigureGameAudio(TKaltoSound3D& sound);
