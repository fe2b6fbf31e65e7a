#include "tools/assetgen/sound/Instruments.h"

#include <algorithm>
#include <cmath>

#include "tools/assetgen/sound/Synth.h"

namespace {

constexpr double kC4PlaybackRate = 8363.0;  // XM plays C-4 at this rate with no tuning

void SetTuning(XmSample& sample, double semitones) {
  int relative = static_cast<int>(std::lround(semitones));
  int finetune = static_cast<int>(std::lround((semitones - relative) * 128.0));
  finetune = std::clamp(finetune, -128, 127);
  sample.RelativeNote = static_cast<int8_t>(relative);
  sample.Finetune = static_cast<int8_t>(finetune);
}

// Harmonic amplitudes of a band-limited saw with a brightness factor (higher is darker).
double SawHarmonic(int n, double darkness) {
  return std::exp(-darkness * (n - 1)) / n;
}

// Periodic additive tone: `cycles` whole cycles of `period` samples, harmonics from `amp`,
// the amplitudes blended from `start` to `end` brightness over the first `blendCycles`.
template <typename Amplitude>
std::vector<double> AdditiveTone(int period, int cycles, int harmonics, int blendCycles,
                                 Amplitude amp) {
  std::vector<double> out(static_cast<size_t>(period * cycles));
  const int blendFrames = period * blendCycles;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = blendFrames > 0 ? std::min(1.0, static_cast<double>(i) / blendFrames) : 1.0;
    const double phase = 2.0 * kPi * static_cast<double>(i % period) / period;
    double v = 0;
    for (int n = 1; n <= harmonics; ++n) v += amp(n, t) * std::sin(n * phase);
    out[i] = v;
  }
  return out;
}

XmInstrument Pitched(const char* name, std::vector<double> wave, int loopStart, double toneHz,
                     double peak) {
  XmInstrument ins;
  ins.Name = name;
  ins.Sample.Name = name;
  ins.Sample.Data = NormalizeTo16(wave, peak);
  ins.Sample.LoopStart = loopStart;
  ins.Sample.LoopLength = static_cast<int>(wave.size()) - loopStart;
  TuneSample(ins.Sample, toneHz);
  return ins;
}

XmInstrument Drum(const char* name, std::vector<double> wave, double peak) {
  FadeEnds(wave, 0, 64);
  XmInstrument ins;
  ins.Name = name;
  ins.Sample.Name = name;
  ins.Sample.Data = NormalizeTo16(wave, peak);
  SetTuning(ins.Sample, 12.0 * std::log2(kInstrumentRate / kC4PlaybackRate));
  return ins;
}

}  // namespace

void TuneSample(XmSample& sample, double sampleHz) {
  // Note n plays at 8363 * 2^((n - 49 + t) / 12) frames per second; the tone then sounds at
  // sampleHz times that over the sample's own rate, which must equal 440 * 2^((n - 58) / 12).
  SetTuning(sample, 12.0 * std::log2(440.0 * kInstrumentRate / (kC4PlaybackRate * sampleHz)) - 9.0);
}

XmInstrument MakeBass() {
  constexpr int kPeriod = 256;  // 86.1 Hz, about F-2
  auto wave = AdditiveTone(kPeriod, 40, 24, 24, [](int n, double t) {
    return SawHarmonic(n, 0.18 + 0.22 * t) * (n == 1 ? 1.6 : 1.0);
  });
  XmInstrument ins = Pitched("bass", std::move(wave), kPeriod * 24, kInstrumentRate / kPeriod, 0.9);
  ins.VolumeEnvelope.Points = {{0, 64}, {6, 52}, {40, 36}, {60, 34}};
  ins.VolumeEnvelope.SustainPoint = 3;
  ins.Fadeout = 2048;
  return ins;
}

XmInstrument MakeLead() {
  constexpr int kPeriod = 64;  // 344.5 Hz, about F-4
  auto wave = AdditiveTone(kPeriod, 120, 14, 60, [](int n, double t) {
    // A 30 % pulse: harmonic n has amplitude sin(pi n d) / n.
    const double pulse = std::abs(std::sin(kPi * n * 0.3)) / n;
    return pulse * std::exp(-(0.08 + 0.12 * t) * (n - 1));
  });
  XmInstrument ins = Pitched("lead", std::move(wave), kPeriod * 60, kInstrumentRate / kPeriod, 0.9);
  ins.VolumeEnvelope.Points = {{0, 0}, {2, 64}, {10, 50}, {30, 44}};
  ins.VolumeEnvelope.SustainPoint = 3;
  ins.Fadeout = 1400;
  ins.VibratoType = 0;  // sine
  ins.VibratoSweep = 40;
  ins.VibratoDepth = 6;
  ins.VibratoRate = 10;
  return ins;
}

XmInstrument MakePad() {
  // One second holding three saws at 261, 262 and 260 Hz: whole cycles each, so the loop is
  // seamless and the voices beat slowly against each other.
  const int frames = static_cast<int>(kInstrumentRate);
  std::vector<double> wave(static_cast<size_t>(frames));
  const double voices[] = {261.0, 262.0, 260.0};
  for (double hz : voices) {
    for (int n = 1; n * hz < 4000.0; ++n) {
      const double amp = std::pow(n, -1.5);
      const double offset = n * 0.7 * hz;  // spread starting phases
      for (int i = 0; i < frames; ++i) {
        wave[static_cast<size_t>(i)] +=
            amp * std::sin(2.0 * kPi * n * hz * i / kInstrumentRate + offset);
      }
    }
  }
  XmInstrument ins = Pitched("pad", std::move(wave), 0, 261.0, 0.85);
  ins.VolumeEnvelope.Points = {{0, 0}, {24, 48}, {48, 44}};
  ins.VolumeEnvelope.SustainPoint = 2;
  ins.Fadeout = 600;
  return ins;
}

XmInstrument MakeBell() {
  constexpr int kPeriod = 32;  // 689 Hz
  const double hz = kInstrumentRate / kPeriod;
  const int frames = static_cast<int>(0.9 * kInstrumentRate);
  std::vector<double> wave(static_cast<size_t>(frames));
  for (int i = 0; i < frames; ++i) {
    const double t = i / kInstrumentRate;
    const double index = 2.2 * std::exp(-t * 9.0);
    const double modulator = std::sin(2.0 * kPi * 2.0 * hz * t);
    wave[static_cast<size_t>(i)] =
        std::exp(-t * 5.0) * std::sin(2.0 * kPi * hz * t + index * modulator);
  }
  FadeEnds(wave, 8, 256);
  XmInstrument ins;
  ins.Name = "bell";
  ins.Sample.Name = "bell";
  ins.Sample.Data = NormalizeTo16(wave, 0.85);
  TuneSample(ins.Sample, hz);
  return ins;
}

XmInstrument MakeKick() {
  const int frames = static_cast<int>(0.35 * kInstrumentRate);
  std::vector<double> wave(static_cast<size_t>(frames));
  double phase = 0;
  for (int i = 0; i < frames; ++i) {
    const double t = i / kInstrumentRate;
    const double hz = 45.0 + 110.0 * std::exp(-t * 28.0);
    phase += 2.0 * kPi * hz / kInstrumentRate;
    const double click = std::exp(-t * 600.0) * 0.6;
    wave[static_cast<size_t>(i)] = std::exp(-t * 9.0) * std::sin(phase) + click;
  }
  return Drum("kick", std::move(wave), 0.95);
}

XmInstrument MakeSnare() {
  const int frames = static_cast<int>(0.25 * kInstrumentRate);
  std::vector<double> wave(static_cast<size_t>(frames));
  Rng rng(0x5AA5E1u);
  OnePoleLowPass lowPass(7000.0, kInstrumentRate);
  double previous = 0;
  for (int i = 0; i < frames; ++i) {
    const double t = i / kInstrumentRate;
    const double noise = lowPass(rng.Signed());
    const double bright = noise - 0.6 * previous;  // tilt towards the highs
    previous = noise;
    const double tone = std::sin(2.0 * kPi * 190.0 * t) * std::exp(-t * 35.0);
    wave[static_cast<size_t>(i)] = bright * std::exp(-t * 16.0) * 1.3 + tone * 0.8;
  }
  return Drum("snare", std::move(wave), 0.9);
}

XmInstrument MakeHat() {
  const int frames = static_cast<int>(0.09 * kInstrumentRate);
  std::vector<double> wave(static_cast<size_t>(frames));
  Rng rng(0x4A7u);
  double previous = 0;
  for (int i = 0; i < frames; ++i) {
    const double t = i / kInstrumentRate;
    const double noise = rng.Signed();
    wave[static_cast<size_t>(i)] = (noise - previous) * std::exp(-t * 45.0);  // high-passed
    previous = noise;
  }
  return Drum("hat", std::move(wave), 0.7);
}

XmInstrument MakeOrgan() {
  constexpr int kPeriod = 64;  // 344.5 Hz
  // Drawbars: the fundamental with its octave, twelfth, second octave and a little of the
  // higher footages, so it is hollow and bright at once.
  auto wave = AdditiveTone(kPeriod, 40, 8, 0, [](int n, double) {
    switch (n) {
      case 1:
        return 1.0;
      case 2:
        return 0.7;
      case 3:
        return 0.55;
      case 4:
        return 0.4;
      case 6:
        return 0.2;
      case 8:
        return 0.15;
      default:
        return 0.0;
    }
  });
  XmInstrument ins = Pitched("organ", std::move(wave), 0, kInstrumentRate / kPeriod, 0.85);
  ins.VolumeEnvelope.Points = {{0, 0}, {1, 64}, {20, 56}};
  ins.VolumeEnvelope.SustainPoint = 2;
  ins.Fadeout = 3000;
  ins.VibratoType = 0;  // a slow rotary-speaker wobble
  ins.VibratoDepth = 3;
  ins.VibratoRate = 6;
  return ins;
}

// A plucked string: a burst of noise circulating in a delay line that averages each pass,
// so the high partials die first.
XmInstrument MakePluck() {
  constexpr int kDelay = 64;
  const int frames = static_cast<int>(0.7 * kInstrumentRate);
  std::vector<double> line(kDelay);
  Rng rng(0x91u);
  for (double& v : line) v = rng.Signed();
  std::vector<double> wave(static_cast<size_t>(frames));
  for (int i = 0; i < frames; ++i) {
    const size_t at = static_cast<size_t>(i % kDelay);
    const double next = line[(at + 1) % kDelay];
    wave[static_cast<size_t>(i)] = line[at];
    line[at] = 0.996 * 0.5 * (line[at] + next);
  }
  FadeEnds(wave, 4, 512);
  XmInstrument ins;
  ins.Name = "pluck";
  ins.Sample.Name = "pluck";
  ins.Sample.Data = NormalizeTo16(wave, 0.85);
  // Averaging each frame with the one after it shortens the loop by half a frame.
  TuneSample(ins.Sample, kInstrumentRate / (kDelay - 0.5));
  return ins;
}

XmInstrument MakeFlute() {
  constexpr int kPeriod = 64;
  // Nearly a sine: a soft octave and twelfth; a breathy chiff of noise before the tone
  // settles, then the loop of whole cycles.
  constexpr int kChiffCycles = 12;
  auto wave = AdditiveTone(kPeriod, 60, 3, 0, [](int n, double) {
    return n == 1 ? 1.0 : n == 2 ? 0.22 : 0.08;
  });
  Rng rng(0xF1u);
  Resonator breath(1400.0, 1.5, kInstrumentRate);
  const int chiffFrames = kPeriod * kChiffCycles;
  for (int i = 0; i < chiffFrames; ++i) {
    const double fade = 1.0 - static_cast<double>(i) / chiffFrames;
    wave[static_cast<size_t>(i)] += 0.8 * fade * breath(rng.Signed());
  }
  XmInstrument ins =
      Pitched("flute", std::move(wave), chiffFrames, kInstrumentRate / kPeriod, 0.85);
  ins.VolumeEnvelope.Points = {{0, 0}, {4, 60}, {30, 52}};
  ins.VolumeEnvelope.SustainPoint = 2;
  ins.Fadeout = 1200;
  ins.VibratoType = 0;
  ins.VibratoSweep = 60;
  ins.VibratoDepth = 5;
  ins.VibratoRate = 9;
  return ins;
}
