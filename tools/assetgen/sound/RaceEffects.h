#pragma once
#include <cstdint>
#include <vector>

// The sounds of a race, as mono samples at kEffectRate. The loops hold a whole number of
// cycles of every partial they are made of, so they repeat without a seam.

// Five engines, one per car model (0..4), each with its own firing rate and tone. The idle
// loop is the engine at rest; the top loop the same engine flat out, brighter and firing
// kEngineTopRatio times as fast (more than an octave higher). The game cross-fades the two
// and bends their pitch with the speed, relying on that ratio.
constexpr int kEngineModels = 5;
constexpr double kEngineTopRatio = 9.0 / 4.0;
std::vector<int16_t> EngineIdleLoop(int model);
std::vector<int16_t> EngineTopLoop(int model);

std::vector<int16_t> TyreSquealLoop();   // a wavering screech of rubber on tarmac
std::vector<int16_t> GrassRumbleLoop();  // low rumble with clatter of wheels on rough ground
std::vector<int16_t> ImpactThud();       // a dull knock of two karts bumping
std::vector<int16_t> ImpactCrunch();     // a hard hit on a tree, a rock or a wall
