#pragma once
#include <cmath>
#include <cstdint>
#include <vector>

// Small deterministic building blocks for synthesised sounds. Everything is computed from
// fixed seeds, so the generated files are the same on every build.

constexpr double kPi = 3.14159265358979323846;

// A xorshift generator: the same sequence everywhere, unlike the standard distributions.
class Rng {
 public:
  explicit Rng(uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}
  uint32_t Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
  }
  // Uniform in [0, 1).
  double Unit() { return (Next() >> 8) * (1.0 / 16777216.0); }
  // Uniform in [-1, 1).
  double Signed() { return 2.0 * Unit() - 1.0; }
  // Uniform integer in [0, n).
  int Below(int n) { return static_cast<int>(Unit() * n); }

 private:
  uint32_t state_;
};

// One-pole low-pass filter with a cut-off in Hz.
class OnePoleLowPass {
 public:
  OnePoleLowPass(double cutoffHz, double sampleRate)
      : a_(1.0 - std::exp(-2.0 * kPi * cutoffHz / sampleRate)) {}
  double operator()(double x) { return y_ += a_ * (x - y_); }

 private:
  double a_;
  double y_ = 0;
};

// Band-pass resonator (two-pole), peak gain about 1 at its centre frequency.
class Resonator {
 public:
  Resonator(double centreHz, double q, double sampleRate);
  double operator()(double x);

 private:
  double b0_, a1_, a2_;
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// Scales the samples so the loudest reaches `peak` (0..1 of full scale) and converts them
// to 16-bit.
std::vector<int16_t> NormalizeTo16(const std::vector<double>& samples, double peak);

// A short linear fade at both ends, so a one-shot sound starts and ends without a click.
void FadeEnds(std::vector<double>& samples, int fadeInFrames, int fadeOutFrames);
