#pragma once

// The levels (linear amplitude on the mix) the race's sounds are played at. The music's
// RMS sits near -19 dBFS; the engine flat out peaks near -12 dBFS and the hardest bump near
// -7 dBFS, so everything together stays below full scale.
namespace race_sound_level {
// The player's engine flat out (the idle level plus the rise with the revs).
constexpr double kEngineIdle = 0.18;
constexpr double kEngineRise = 0.14;
constexpr double kEngineFlatOut = kEngineIdle + kEngineRise;
// A bump at the hardest; softer bumps are quieter, down to kSoftestImpact.
constexpr double kLoudestImpact = 0.45;
constexpr double kSoftestImpact = 0.15;
constexpr double kSqueal = 0.25;
constexpr double kGrass = 0.35;
// A computer car right beside the player.
constexpr double kNearestRival = 0.08;
}  // namespace race_sound_level
