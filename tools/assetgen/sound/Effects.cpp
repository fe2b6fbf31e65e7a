#include "tools/assetgen/sound/Effects.h"

#include <algorithm>
#include <cmath>

#include "tools/assetgen/sound/Synth.h"

namespace {

constexpr double kRate = kEffectRate;

std::vector<double> Silence(double seconds) {
  return std::vector<double>(static_cast<size_t>(seconds * kRate), 0.0);
}

// A decaying sine "tick" mixed in at `at` seconds.
void AddTick(std::vector<double>& out, double at, double hz, double decay, double level) {
  const size_t start = static_cast<size_t>(at * kRate);
  for (size_t i = start; i < out.size(); ++i) {
    const double t = static_cast<double>(i - start) / kRate;
    out[i] += level * std::exp(-t * decay) * std::sin(2.0 * kPi * hz * t);
  }
}

// A burst of filtered noise mixed in at `at` seconds.
void AddNoiseBurst(std::vector<double>& out, double at, double centreHz, double decay, double level,
                   uint32_t seed) {
  Rng rng(seed);
  Resonator band(centreHz, 2.0, kRate);
  const size_t start = static_cast<size_t>(at * kRate);
  for (size_t i = start; i < out.size(); ++i) {
    const double t = static_cast<double>(i - start) / kRate;
    out[i] += level * std::exp(-t * decay) * band(rng.Signed());
  }
}

// A beep with soft edges: a rounded square (odd harmonics rolling off) at hz.
std::vector<int16_t> Beep(double hz, double seconds) {
  std::vector<double> out = Silence(seconds);
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    double v = 0;
    for (int n = 1; n * hz < 6000.0; n += 2)
      v += std::sin(2.0 * kPi * n * hz * t) / (n * n * 0.5 + 0.5);
    out[i] = v;
  }
  FadeEnds(out, static_cast<int>(0.004 * kRate), static_cast<int>(0.06 * kRate));
  return NormalizeTo16(out, 0.7);
}

}  // namespace

std::vector<int16_t> MenuClick() {
  std::vector<double> out = Silence(0.09);
  AddNoiseBurst(out, 0.0, 4200.0, 260.0, 1.0, 0xC1u);
  AddTick(out, 0.0, 2300.0, 140.0, 0.6);
  AddNoiseBurst(out, 0.028, 3100.0, 300.0, 0.7, 0xC2u);
  AddTick(out, 0.028, 1700.0, 160.0, 0.45);
  FadeEnds(out, 8, static_cast<int>(0.01 * kRate));
  return NormalizeTo16(out, 0.8);
}

std::vector<int16_t> KeySwitch() {
  std::vector<double> out = Silence(0.11);
  AddNoiseBurst(out, 0.0, 1500.0, 220.0, 0.9, 0x5Bu);
  AddTick(out, 0.0, 1150.0, 90.0, 0.7);
  AddTick(out, 0.0, 160.0, 45.0, 0.5);
  FadeEnds(out, 8, static_cast<int>(0.02 * kRate));
  return NormalizeTo16(out, 0.8);
}

// Cranking: the starter turns the engine with a wobble at the compression rate; then the
// engine fires, revs twice and settles to idle. Each firing is a pulse into two exhaust
// resonances, so the pitch follows the firing rate.
std::vector<int16_t> EngineStart() {
  constexpr double kCrankEnd = 0.75;
  std::vector<double> out = Silence(2.8);
  Rng rng(0xE5u);
  Resonator low(110.0, 3.0, kRate), mid(420.0, 4.0, kRate);
  OnePoleLowPass rumble(900.0, kRate);
  double firingPhase = 0;
  double starterPhase = 0;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    double v = 0;
    if (t < kCrankEnd + 0.05) {  // starter motor whine, pulsing with each compression
      // Each compression stroke slows the starter (pitch dips) and loads it (louder).
      const double wobble = 0.55 + 0.45 * std::sin(2.0 * kPi * 9.0 * t);
      starterPhase += 2.0 * kPi * 310.0 * (1.12 - 0.18 * wobble) / kRate;
      const double fadeOut = std::clamp((kCrankEnd + 0.05 - t) / 0.05, 0.0, 1.0);
      v += 0.25 * wobble * fadeOut * (std::sin(starterPhase) + 0.4 * std::sin(3.0 * starterPhase));
      v += 0.15 * wobble * fadeOut * rumble(rng.Signed());
    }
    if (t >= kCrankEnd) {
      const double s = t - kCrankEnd;
      // Firing rate in Hz: catch, first rev, dip, second rev, idle.
      double rate = 22.0;
      if (s < 0.15)
        rate = 14.0 + 60.0 * s;
      else if (s < 0.55)
        rate = 23.0 + 62.0 * std::sin(kPi * (s - 0.15) / 0.8);
      else if (s < 0.8)
        rate = 85.0 - 40.0 * (s - 0.55) / 0.25;
      else if (s < 1.3)
        rate = 45.0 + 50.0 * std::sin(kPi * (s - 0.8) / 1.0);
      else
        rate = std::max(24.0, 95.0 - 90.0 * (s - 1.3));
      const double before = firingPhase;
      firingPhase += rate / kRate;
      const double pulse = std::floor(firingPhase) > std::floor(before) ? 1.0 : 0.0;
      const double excitation = pulse * 6.0 + 0.04 * rng.Signed();
      const double load = 0.6 + 0.4 * std::min(1.0, rate / 85.0);
      v += load * std::tanh(2.5 * (low(excitation) * 1.4 + mid(excitation) * 0.6));
    }
    out[i] = v;
  }
  FadeEnds(out, 64, static_cast<int>(0.35 * kRate));
  return NormalizeTo16(out, 0.85);
}

// Tonic, third, fifth as a quick triplet, then the octave held over the full chord.
std::vector<int16_t> FinishFanfare() {
  std::vector<double> out = Silence(2.2);
  struct NoteAt {
    double Start, Length, Hz;
  };
  const NoteAt notes[] = {{0.00, 0.16, 523.25}, {0.16, 0.16, 659.26}, {0.32, 0.16, 783.99},
                          {0.48, 1.60, 1046.5}, {0.48, 1.60, 659.26}, {0.48, 1.60, 783.99},
                          {0.48, 1.60, 523.25}};
  for (const NoteAt& n : notes) {
    const size_t start = static_cast<size_t>(n.Start * kRate);
    const size_t length = static_cast<size_t>((n.Length + 0.12) * kRate);
    const bool held = n.Length > 1.0;
    double phase = 0;  // integrated, so the vibrato bends the pitch by a fixed amount
    for (size_t k = 0; k < length && start + k < out.size(); ++k) {
      const double t = static_cast<double>(k) / kRate;
      const double attack = std::min(1.0, t / 0.025);
      const double release = t > n.Length ? std::exp(-(t - n.Length) * 30.0) : 1.0;
      const double swell = held ? 0.85 + 0.15 * std::min(1.0, t / 0.4) : 1.0;
      const double vibrato =
          held ? 0.006 * std::sin(2.0 * kPi * 5.5 * t) * std::min(1.0, t / 0.5) : 0.0;
      phase += 2.0 * kPi * n.Hz * (1.0 + vibrato) / kRate;
      // Brass: bright saw harmonics opening with the attack.
      double v = 0;
      for (int h = 1; h * n.Hz < 8000.0; ++h) {
        v += std::sin(h * phase) / h * std::exp(-(h - 1) * (0.5 - 0.3 * attack));
      }
      out[start + k] += v * attack * release * swell * (held ? 0.45 : 0.8);
    }
  }
  FadeEnds(out, 16, static_cast<int>(0.3 * kRate));
  return NormalizeTo16(out, 0.85);
}

std::vector<int16_t> StartLightBeep() {
  return Beep(587.33, 0.3);
}

std::vector<int16_t> StartGoBeep() {
  return Beep(1174.66, 0.6);
}
