#include "tools/assetgen/sound/Composer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "tools/assetgen/sound/Instruments.h"
#include "tools/assetgen/sound/Synth.h"

namespace {

constexpr int kRowsPerBar = 16;
constexpr int kBars = 4;
constexpr int kRows = kRowsPerBar * kBars;
enum Channel {
  kKickCh,
  kSnareCh,
  kHatCh,
  kBassCh,
  kPadLowCh,
  kPadHighCh,
  kLeadCh,
  kBellCh,
  kChannels
};

// Where each instrument stands between left (0) and right (255): bass and kick in the
// middle, the melody a little left, the arpeggio and hats right, the snare a touch left.
constexpr struct {
  TuneInstrument Instrument;
  uint8_t Pan;
} kInstrumentPans[] = {{kBass, 128}, {kLead, 72},   {kPad, 128}, {kBell, 196},
                       {kKick, 128}, {kSnare, 100}, {kHat, 188}};
// The pad's two voices are spread wide with a panning command on each note.
constexpr uint8_t kPadLowPan = 36;
constexpr uint8_t kPadHighPan = 220;
constexpr uint8_t kSetPanning = 0x08;

const int kMajor[7] = {0, 2, 4, 5, 7, 9, 11};
const int kMinor[7] = {0, 2, 3, 5, 7, 8, 10};

// Semitones above the tonic of a scale step (7 steps an octave; negative steps go down).
int Semitones(ScaleKind scale, int step) {
  const int* degrees = scale == ScaleKind::Major ? kMajor : kMinor;
  const int octave = step >= 0 ? step / 7 : -((-step + 6) / 7);
  return degrees[step - octave * 7] + 12 * octave;
}

int FloorMod(int a, int n) {
  return ((a % n) + n) % n;
}

void Put(XmPattern& p, int row, int channel, int note, int instrument, int volume) {
  XmCell& c = p.At(row, channel);
  c.Note = static_cast<uint8_t>(note);
  c.Instrument = static_cast<uint8_t>(instrument);
  c.Volume = XmVolume(std::clamp(volume, 0, 64));
}

void KeyOff(XmPattern& p, int row, int channel) {
  p.At(row, channel).Note = kXmKeyOff;
}

class PatternComposer {
 public:
  PatternComposer(const TunePlan& tune, const SectionPlan& section)
      : tune_(tune), section_(section), pattern_(kRows, kChannels) {}

  XmPattern Compose() {
    if (section_.Groove != nullptr) Drums();
    Bass();
    if (section_.Pad) Pad();
    if (section_.Arp != ArpStyle::None) Arpeggio();
    if (section_.Lead) Melody();
    return pattern_;
  }

 private:
  int Note(int step, int octaveShift) const {
    return tune_.Tonic + 12 * octaveShift + Semitones(tune_.Scale, step);
  }
  int ChordRoot(int bar) const { return section_.Chords[bar]; }

  void Drums() {
    const DrumGroove& g = *section_.Groove;
    for (int row = 0; row < kRows; ++row) {
      const int s = row % kRowsPerBar;
      if (g.Kick[s] > 0) Put(pattern_, row, kKickCh, XmNote(4, 0), kKick, g.Kick[s]);
      if (g.Snare[s] > 0) Put(pattern_, row, kSnareCh, XmNote(4, 0), kSnare, g.Snare[s]);
      if (g.Hat[s] > 0) Put(pattern_, row, kHatCh, XmNote(4, 0), kHat, g.Hat[s]);
    }
    if (section_.Fill) {
      const int last = kRows - kRowsPerBar;
      for (int s = 10; s < 16; ++s) {
        if (s == 11) continue;
        Put(pattern_, last + s, kSnareCh, XmNote(4, 0), kSnare, 30 + 4 * (s - 10));
      }
    }
  }

  void Bass() {
    for (int bar = 0; bar < kBars; ++bar) {
      const int root = FloorMod(ChordRoot(bar), 7);
      const int base = bar * kRowsPerBar;
      const int v = tune_.BassVolume;
      switch (section_.Bass) {
        case BassStyle::Syncopated: {
          const int steps[] = {0, 6, 8, 10, 14};
          const int tones[] = {root, root, root + 4, root, root + 7};
          const int volumes[] = {v, v - 8, v - 4, v - 10, v - 6};
          for (int i = 0; i < 5; ++i)
            Put(pattern_, base + steps[i], kBassCh, Note(tones[i], -1), kBass, volumes[i]);
          break;
        }
        case BassStyle::DrivingOctaves:
          for (int s = 0; s < kRowsPerBar; s += 2) {
            const bool up = (s / 2) % 2 == 1;
            Put(pattern_, base + s, kBassCh, Note(root + (up ? 7 : 0), -1), kBass, up ? v - 10 : v);
          }
          break;
        case BassStyle::Held:
          Put(pattern_, base, kBassCh, Note(root, -1), kBass, v);
          Put(pattern_, base + 10, kBassCh, Note(root + 4, -1), kBass, v - 10);
          break;
      }
    }
  }

  // The third and fifth of each chord an octave above the bass, kept within one octave so
  // that the voices move by small steps; a chord held over a bar line is not struck again.
  void Pad() {
    for (int bar = 0; bar < kBars; ++bar) {
      if (bar > 0 && ChordRoot(bar) == ChordRoot(bar - 1)) continue;
      const int row = bar * kRowsPerBar;
      // Both tones folded into the steps 2..8 above the tonic.
      const int third = 2 + FloorMod(ChordRoot(bar), 7);
      const int fifth = 2 + FloorMod(ChordRoot(bar) + 2, 7);
      Put(pattern_, row, kPadLowCh, Note(std::min(third, fifth), 0), kPad, tune_.PadVolume);
      Put(pattern_, row, kPadHighCh, Note(std::max(third, fifth), 0), kPad, tune_.PadVolume);
      pattern_.At(row, kPadLowCh).Effect = kSetPanning;
      pattern_.At(row, kPadLowCh).Param = kPadLowPan;
      pattern_.At(row, kPadHighCh).Effect = kSetPanning;
      pattern_.At(row, kPadHighCh).Param = kPadHighPan;
    }
  }

  void Arpeggio() {
    const int stride = section_.Arp == ArpStyle::Sixteenths ? 1 : 2;
    const int shape[] = {0, 2, 4, 7, 4, 2, 0, 4};  // chord steps above the root
    for (int row = 0, i = 0; row < kRows; row += stride, ++i) {
      const int root = FloorMod(ChordRoot(row / kRowsPerBar), 7);
      const int accent = row % 4 == 0 ? 0 : 6;
      Put(pattern_, row, kBellCh, Note(root + shape[i % 8], 1), kBell, tune_.ArpVolume - accent);
    }
  }

  // Two-bar motif and its answer: bars 1-2 state the motif, bar 3 repeats its first bar over
  // the new chord, bar 4 answers (closing on the root in a cadence).
  void Melody() {
    const MelodyStyle& style = tune_.Melody;
    const std::string motif = Rhythm(section_.MotifSeed, 8, true);
    const std::string answer = Rhythm(section_.MotifSeed * 7919u + 13u, 4, true);
    const std::string rhythm = motif + motif.substr(0, kRowsPerBar) + answer;
    std::vector<int> intervals = Intervals(section_.MotifSeed, 24);
    const std::vector<int> answerIntervals = Intervals(section_.MotifSeed * 31u + 5u, 12);

    const int centre = style.Centre + section_.RegisterShift;
    int step = centre;
    int onset = 0;
    for (int row = 0; row < kRows; ++row) {
      const char c = rhythm[static_cast<size_t>(row)];
      if (c == '.') {
        if (row == 0 || rhythm[static_cast<size_t>(row - 1)] != '.') KeyOff(pattern_, row, kLeadCh);
        continue;
      }
      if (c != 'x') continue;
      const int bar = row / kRowsPerBar;
      const int indexInMotif = onset % 24;
      const int interval = bar == 3 ? answerIntervals[static_cast<size_t>(onset % 12)]
                                    : intervals[static_cast<size_t>(indexInMotif)];
      // The repeated bar restarts the motif's first pitch and shape so it is heard as a repeat.
      if (bar == 2 && row == 2 * kRowsPerBar + FirstOnset(rhythm, 2)) {
        step = centre;
        onset = 0;
      }
      step += interval;
      if (step > centre + 5) step -= 2 * (step - centre - 5);
      if (step < centre - 4) step += 2 * (centre - 4 - step);
      const bool strong = row % 8 == 0;
      const bool closing = section_.Cadence && bar == 3 && IsLastOnset(rhythm, row);
      if (closing) {
        step = NearestChordTone(step, ChordRoot(bar), true);
      } else if (strong) {
        step = NearestChordTone(step, ChordRoot(bar), false);
      }
      Put(pattern_, row, kLeadCh, Note(step, 1), kLead, style.Volume - (strong ? 0 : 6));
      ++onset;
    }
  }

  static int FirstOnset(const std::string& rhythm, int bar) {
    for (int s = 0; s < kRowsPerBar; ++s) {
      if (rhythm[static_cast<size_t>(bar * kRowsPerBar + s)] == 'x') return s;
    }
    return -1;
  }

  static bool IsLastOnset(const std::string& rhythm, int row) {
    return rhythm.find('x', static_cast<size_t>(row) + 1) == std::string::npos;
  }

  // The chord tone (root, third or fifth of the chord on `degree`) nearest to `step`; with
  // rootOnly, the nearest root.
  static int NearestChordTone(int step, int degree, bool rootOnly) {
    int best = step;
    int bestDistance = 1000;
    for (int candidate = step - 7; candidate <= step + 7; ++candidate) {
      const int relative = FloorMod(candidate - degree, 7);
      const bool tone =
          rootOnly ? relative == 0 : (relative == 0 || relative == 2 || relative == 4);
      if (tone && std::abs(candidate - step) < bestDistance) {
        best = candidate;
        bestDistance = std::abs(candidate - step);
      }
    }
    return best;
  }

  std::string Rhythm(uint32_t seed, int beats, bool closePhrase) const {
    const MelodyStyle& style = tune_.Melody;
    Rng rng(seed * 2654435761u + 1u);
    int total = 0;
    for (const auto& cell : style.Cells) total += cell.second;
    std::string out;
    for (int beat = 0; beat < beats; ++beat) {
      if (closePhrase && beat == beats - 1) {
        out += style.PhraseEnd;
        continue;
      }
      int pick = rng.Below(total);
      for (const auto& cell : style.Cells) {
        if (pick < cell.second) {
          out += cell.first;
          break;
        }
        pick -= cell.second;
      }
    }
    if (out[0] != 'x') out[0] = 'x';  // a phrase starts on its downbeat
    return out;
  }

  static std::vector<int> Intervals(uint32_t seed, int count) {
    static const int kSteps[] = {1, -1, 2, -2, 1, -1, 3, -3, 0, 2, -1, 4};
    Rng rng(seed * 40503u + 7u);
    std::vector<int> out(static_cast<size_t>(count));
    for (int& v : out) v = kSteps[rng.Below(12)];
    return out;
  }

  const TunePlan& tune_;
  const SectionPlan& section_;
  XmPattern pattern_;
};

}  // namespace

XmModule ComposeTune(const TunePlan& plan) {
  XmModule m;
  m.Name = plan.Name;
  m.Channels = kChannels;
  m.Speed = plan.Speed;
  m.Tempo = plan.Tempo;
  for (int index : plan.Order) m.Order.push_back(static_cast<uint8_t>(index));
  for (const SectionPlan& section : plan.Sections) {
    m.Patterns.push_back(PatternComposer(plan, section).Compose());
  }
  for (size_t section = 0; section < plan.Sections.size(); ++section) {
    const double gain = plan.Gain * plan.Sections[section].Level;
    for (XmCell& cell : m.Patterns[section].Cells) {
      if (cell.Volume < 0x10) continue;
      const int volume = static_cast<int>(std::lround((cell.Volume - 0x10) * gain));
      cell.Volume = XmVolume(std::clamp(volume, 0, 64));
    }
  }
  m.Instruments = {MakeBass(), plan.LeadVoice(), MakePad(), plan.ArpVoice(),
                   MakeKick(), MakeSnare(),      MakeHat()};
  for (const auto& place : kInstrumentPans) {
    m.Instruments[static_cast<size_t>(place.Instrument - 1)].Sample.Panning = place.Pan;
  }
  return m;
}
