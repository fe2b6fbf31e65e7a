#include "tools/assetgen/sound/RaceEffects.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "tools/assetgen/sound/Effects.h"
#include "tools/assetgen/sound/Synth.h"

namespace {

constexpr double kRate = kEffectRate;
// Every loop lasts a second, so any partial on a whole number of hertz fits it whole.
constexpr double kLoopSeconds = 1.0;
constexpr double kLoopHz = 1.0 / kLoopSeconds;
constexpr size_t kLoopFrames = static_cast<size_t>(kLoopSeconds * kRate);

// A partial that fits the loop: its frequency is rounded to the loop's grid. A turning
// phasor stands in for a sine per sample; thousands of partials make the noises.
void AddLoopPartial(std::vector<double>& out, double hz, double level, double phase) {
  const double onGrid = std::max(1.0, std::round(hz / kLoopHz)) * kLoopHz;
  const double step = 2.0 * kPi * onGrid / kRate;
  const double turnCos = std::cos(step), turnSin = std::sin(step);
  double c = std::cos(phase), s = std::sin(phase);
  for (double& sample : out) {
    sample += level * s;
    const double nextC = c * turnCos - s * turnSin;
    s = s * turnCos + c * turnSin;
    c = nextC;
  }
}

// Noise that fits the loop: many partials of random phase and level between two frequencies.
void AddLoopNoise(std::vector<double>& out, double lowHz, double highHz, double level,
                  uint32_t seed) {
  Rng rng(seed);
  const int first = static_cast<int>(lowHz / kLoopHz);
  const int last = static_cast<int>(highHz / kLoopHz);
  // Every third hertz is enough to sound like noise.
  for (int k = first; k <= last; k += 3) {
    AddLoopPartial(out, k * kLoopHz, level * (0.3 + rng.Unit()), 2.0 * kPi * rng.Unit());
  }
}

// What sets one engine apart: how fast it fires, where its exhaust resonates, how fast its
// harmonics fall away and how unevenly it fires (a lumpy engine every other stroke).
struct EngineVoice {
  double IdleHz;     // firing rate at rest (flat out it fires kEngineTopRatio times as fast)
  double FormantHz;  // exhaust resonance
  double Rolloff;    // harmonic n has level Rolloff^n before the resonance
  double Lope;       // level swing at half the firing rate
  uint32_t Seed;
};

constexpr std::array<EngineVoice, kEngineModels> kEngines = {{
    {48, 420, 0.86, 0.30, 0xA1u},  // roadster: even, mid
    {40, 300, 0.82, 0.45, 0xA2u},  // turbo: deep and lumpy
    {56, 650, 0.88, 0.20, 0xA3u},  // volcano: high and smooth
    {64, 520, 0.90, 0.35, 0xA4u},  // hawk: bright rasp
    {32, 240, 0.80, 0.55, 0xA5u},  // beast: lowest, heaviest lope
}};

std::vector<double> Engine(const EngineVoice& voice, bool top) {
  std::vector<double> out(kLoopFrames, 0.0);
  Rng rng(voice.Seed + (top ? 0x100u : 0u));
  const double firing = top ? voice.IdleHz * kEngineTopRatio : voice.IdleHz;
  // Flat out the exhaust resonance moves up and the harmonics fall away more slowly.
  const double formant = top ? voice.FormantHz * 1.6 : voice.FormantHz;
  const double rolloff = top ? std::min(0.95, voice.Rolloff + 0.05) : voice.Rolloff;
  for (int n = 1; n * firing < 6000.0; ++n) {
    const double hz = n * firing;
    const double distance = (hz - formant) / (0.5 * formant);
    const double level = std::pow(rolloff, n - 1) * (1.0 + 2.5 * std::exp(-distance * distance));
    AddLoopPartial(out, hz, level, 2.0 * kPi * rng.Unit());
  }
  // The uneven firing: the level swings at half the firing rate, less so flat out.
  const double lope = top ? 0.3 * voice.Lope : voice.Lope;
  for (size_t i = 0; i < out.size(); ++i) {
    out[i] *= 1.0 + lope * std::sin(2.0 * kPi * 0.5 * firing * i / kRate);
  }
  // Intake and mechanical hiss, pulsing with each firing.
  std::vector<double> hiss(kLoopFrames, 0.0);
  AddLoopNoise(hiss, 900.0, top ? 4200.0 : 2600.0, 0.008, voice.Seed ^ 0x55u);
  for (size_t i = 0; i < out.size(); ++i) {
    out[i] += hiss[i] * (1.0 + std::sin(2.0 * kPi * firing * i / kRate));
  }
  return out;
}

// A one-shot sound starting at silence and dying away.
std::vector<double> OneShot(double seconds) {
  return std::vector<double>(static_cast<size_t>(seconds * kRate), 0.0);
}

}  // namespace

std::vector<int16_t> EngineIdleLoop(int model) {
  return NormalizeTo16(Engine(kEngines.at(model), false), 0.8);
}

std::vector<int16_t> EngineTopLoop(int model) {
  return NormalizeTo16(Engine(kEngines.at(model), true), 0.8);
}

// Rubber squeal: a tone near 1.9 kHz with its octave, wavering at 6 Hz and drifting at 2 Hz,
// over a band of hiss.
std::vector<int16_t> TyreSquealLoop() {
  std::vector<double> out(kLoopFrames, 0.0);
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double phase = 2.0 * kPi * 1900.0 * t + 3.0 * std::sin(2.0 * kPi * 6.0 * t) +
                         8.0 * std::sin(2.0 * kPi * 2.0 * t);
    const double swell = 0.8 + 0.2 * std::sin(2.0 * kPi * 4.0 * t);
    out[i] = swell * (std::sin(phase) + 0.35 * std::sin(2.0 * phase + 0.7));
  }
  AddLoopNoise(out, 1200.0, 4500.0, 0.012, 0x5Cu);
  return NormalizeTo16(out, 0.7);
}

// Wheels on grass: a low rumble (40-250 Hz) with a clatter of earth and stones above it,
// beating at a few hertz as the ground rises and falls.
std::vector<int16_t> GrassRumbleLoop() {
  std::vector<double> out(kLoopFrames, 0.0);
  AddLoopNoise(out, 40.0, 250.0, 0.12, 0x6Au);
  std::vector<double> clatter(kLoopFrames, 0.0);
  AddLoopNoise(clatter, 400.0, 1400.0, 0.02, 0x6Bu);
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    out[i] += clatter[i] * (0.6 + 0.4 * std::sin(2.0 * kPi * 8.0 * t));
    out[i] *= 0.75 + 0.25 * std::sin(2.0 * kPi * 4.0 * t);
  }
  return NormalizeTo16(out, 0.7);
}

// Two karts bumping: a low knock falling from 110 to 60 Hz over a short dull thump of noise.
std::vector<int16_t> ImpactThud() {
  std::vector<double> out = OneShot(0.35);
  Rng rng(0x7Du);
  OnePoleLowPass dull(500.0, kRate);
  double phase = 0;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    phase += 2.0 * kPi * (60.0 + 50.0 * std::exp(-t * 25.0)) / kRate;
    out[i] = std::exp(-t * 14.0) * std::sin(phase) + 0.8 * std::exp(-t * 40.0) * dull(rng.Signed());
  }
  FadeEnds(out, 16, static_cast<int>(0.05 * kRate));
  return NormalizeTo16(out, 0.9);
}

// A hard hit: a deep thump under a cluster of cracks (splintering wood, scraping stone)
// that tail off over half a second.
std::vector<int16_t> ImpactCrunch() {
  std::vector<double> out = OneShot(0.55);
  Rng rng(0xC7u);
  double phase = 0;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    phase += 2.0 * kPi * (55.0 + 45.0 * std::exp(-t * 20.0)) / kRate;
    out[i] = 0.9 * std::exp(-t * 12.0) * std::sin(phase);
  }
  // Cracks: each a short burst of band noise, later ones softer and lower.
  double at = 0.0;
  for (int crack = 0; crack < 9; ++crack) {
    Resonator band(2600.0 - 170.0 * crack + 400.0 * rng.Signed(), 3.0, kRate);
    const double level = 1.4 * std::exp(-crack * 0.35);
    const size_t start = static_cast<size_t>(at * kRate);
    for (size_t i = start; i < out.size(); ++i) {
      const double t = static_cast<double>(i - start) / kRate;
      out[i] += level * std::exp(-t * 70.0) * band(rng.Signed());
    }
    at += 0.012 + 0.03 * rng.Unit();
  }
  FadeEnds(out, 16, static_cast<int>(0.08 * kRate));
  return NormalizeTo16(out, 0.95);
}
