#include "tools/assetgen/pictures/Noise.h"

#include <cmath>

uint64_t Rng::next() {
  uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

double Rng::uniform(double low, double high) {
  return low + (high - low) * static_cast<double>(next() >> 11) / 9007199254740992.0;
}

int Rng::below(int count) {
  return static_cast<int>(next() % static_cast<uint64_t>(count));
}

namespace {
int wrap(int value, int period) {
  return ((value % period) + period) % period;
}
double smooth(double t) {
  return t * t * t * (t * (t * 6 - 15) + 10);
}
}  // namespace

double TileableNoise::lattice(int x, int y, int period) const {
  uint32_t h = static_cast<uint32_t>(wrap(x, period)) * 374761393u +
               static_cast<uint32_t>(wrap(y, period)) * 668265263u + seed_ * 2246822519u +
               static_cast<uint32_t>(period) * 3266489917u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return (h & 0xFFFFFF) / 16777215.0;
}

double TileableNoise::at(double x, double y, int period) const {
  const double fx = std::floor(x), fy = std::floor(y);
  const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
  const double tx = smooth(x - fx), ty = smooth(y - fy);
  const double top = lattice(ix, iy, period) * (1 - tx) + lattice(ix + 1, iy, period) * tx;
  const double bottom =
      lattice(ix, iy + 1, period) * (1 - tx) + lattice(ix + 1, iy + 1, period) * tx;
  return top * (1 - ty) + bottom * ty;
}

double TileableNoise::at(double x, double y) const {
  return at(x, y, period_);
}

double TileableNoise::fractal(double x, double y, int octaves) const {
  double sum = 0, weight = 1, total = 0;
  int period = period_;
  for (int i = 0; i < octaves; ++i) {
    sum += at(x, y, period) * weight;
    total += weight;
    x *= 2;
    y *= 2;
    period *= 2;
    weight /= 2;
  }
  return sum / total;
}
