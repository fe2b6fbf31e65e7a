#pragma once
#include <cstdint>

// Deterministic pseudo-random numbers for scattering details; the same seed gives the same
// picture on every run and every machine.
class Rng {
 public:
  explicit Rng(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}
  uint64_t next();
  double uniform(double low = 0, double high = 1);
  int below(int count);

 private:
  uint64_t state_;
};

// Smooth value noise in 0..1 that repeats every `period` units on both axes, so textures
// built from it wrap seamlessly when period divides the picture size.
class TileableNoise {
 public:
  TileableNoise(uint32_t seed, int period) : seed_(seed), period_(period) {}
  double at(double x, double y) const;
  // Sum of `octaves` layers, each at double frequency and half weight; the period scales
  // with the frequency, so the sum keeps wrapping at the base period.
  double fractal(double x, double y, int octaves) const;

 private:
  double lattice(int x, int y, int period) const;
  double at(double x, double y, int period) const;

  uint32_t seed_;
  int period_;
};
