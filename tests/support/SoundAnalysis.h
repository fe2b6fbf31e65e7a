#pragma once
#include <cstddef>
#include <vector>

// Measurements of mono sound, for tests that judge what a player would hear.

// The fundamental in hertz of `frames` samples from `from` (the samples up to a period
// beyond them are read too): the shortest period between 30 and 250 Hz whose
// autocorrelation comes within 80 % of the best one. 0 when nothing repeats.
double Fundamental(const std::vector<float>& mono, int rate, size_t from, size_t frames = 4096);

// The energy in dB of the band between two frequencies in `frames` samples from `from`,
// summed over Goertzel filters 20 Hz apart.
double BandDb(const std::vector<float>& mono, int rate, size_t from, double lowHz, double highHz,
              size_t frames = 4096);
