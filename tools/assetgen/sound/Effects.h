#pragma once
#include <cstdint>
#include <vector>

// The game's synthesised sound effects, as mono samples at kEffectRate.
constexpr int kEffectRate = 44100;

std::vector<int16_t> MenuClick();       // "Lighter 03.wav": a light double click
std::vector<int16_t> KeySwitch();       // "Switch 04.wav": a toggle switch
std::vector<int16_t> EngineStart();     // "Car Start 01.wav": starter, ignition, two revs
std::vector<int16_t> FinishFanfare();   // "finish.wav": a short brass fanfare
std::vector<int16_t> StartLightBeep();  // "svet1.wav": red and yellow light
std::vector<int16_t> StartGoBeep();     // "svet2.wav": green light, an octave higher
