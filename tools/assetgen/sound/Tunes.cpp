#include "tools/assetgen/sound/Tunes.h"

#include "tools/assetgen/sound/Instruments.h"

namespace {

// Steps:                      0   1   2   3   4   5   6   7   8   9  10  11  12  13  14  15
const DrumGroove kPopGroove = {{64, 0, 0, 0, 0, 0, 0, 0, 60, 0, 50, 0, 0, 0, 0, 0},
                               {0, 0, 0, 0, 52, 0, 0, 0, 0, 0, 0, 0, 52, 0, 0, 0},
                               {30, 0, 18, 0, 30, 0, 18, 0, 30, 0, 18, 0, 30, 0, 18, 22}};

const DrumGroove kDriveGroove = {{64, 0, 0, 0, 64, 0, 0, 0, 64, 0, 0, 0, 64, 0, 0, 40},
                                 {0, 0, 0, 0, 56, 0, 0, 0, 0, 0, 0, 0, 56, 0, 0, 0},
                                 {22, 14, 32, 14, 22, 14, 32, 14, 22, 14, 32, 14, 22, 14, 32, 18}};

const DrumGroove kBreakGroove = {{64, 0, 0, 0, 0, 0, 0, 0, 64, 0, 0, 0, 0, 0, 0, 0},
                                 {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                                 {0, 0, 28, 0, 0, 0, 28, 0, 0, 0, 28, 0, 0, 0, 28, 0}};

const DrumGroove kSoftGroove = {{50, 0, 0, 0, 0, 0, 0, 0, 0, 0, 40, 0, 0, 0, 0, 0},
                                {0, 0, 0, 0, 0, 0, 0, 0, 30, 0, 0, 0, 0, 0, 0, 0},
                                {16, 0, 10, 0, 16, 0, 10, 0, 16, 0, 10, 0, 16, 0, 10, 0}};

SectionPlan Section(std::initializer_list<int> chords, const DrumGroove& groove, BassStyle bass,
                    ArpStyle arp, uint32_t motif) {
  SectionPlan s;
  int bar = 0;
  for (int c : chords) s.Chords[bar++] = c;
  s.Groove = &groove;
  s.Bass = bass;
  s.Arp = arp;
  s.MotifSeed = motif;
  return s;
}

}  // namespace

TunePlan MenuTune() {
  TunePlan t;
  t.Name = "Brindle Karts - Menu";
  t.LeadVoice = MakeOrgan;
  t.ArpVoice = MakeBell;
  t.Gain = 1.2;
  t.Tempo = 112;
  t.Tonic = XmNote(3, 5);  // F major
  t.Scale = ScaleKind::Major;
  t.Melody.Cells = {{"x---", 3}, {"x-x-", 4}, {"x--x", 2}, {"--x-", 2}, {"x-xx", 1}};
  t.Melody.PhraseEnd = "x-..";
  t.Melody.Centre = 4;
  t.Melody.Volume = 42;
  // Verse I-vi-IV-V twice, chorus IV-V-iii-vi, closing on V so the loop falls back to I.
  SectionPlan verse = Section({0, 5, 3, 4}, kPopGroove, BassStyle::Syncopated, ArpStyle::None, 11);
  SectionPlan verseEnd = verse;
  verseEnd.Cadence = true;
  verseEnd.Fill = true;
  SectionPlan chorus =
      Section({3, 4, 2, 5}, kPopGroove, BassStyle::Syncopated, ArpStyle::Eighths, 23);
  chorus.RegisterShift = 2;
  SectionPlan chorusEnd =
      Section({3, 4, 0, 0}, kPopGroove, BassStyle::Syncopated, ArpStyle::Eighths, 23);
  chorusEnd.RegisterShift = 2;
  chorusEnd.Cadence = true;
  chorusEnd.Fill = true;
  SectionPlan turnaround =
      Section({3, 4, 3, 4}, kPopGroove, BassStyle::Syncopated, ArpStyle::Eighths, 29);
  turnaround.RegisterShift = 1;
  turnaround.Fill = true;
  // A hushed verse between the choruses: soft drums, held bass, bells, no melody.
  SectionPlan interlude =
      Section({0, 5, 3, 4}, kSoftGroove, BassStyle::Held, ArpStyle::Eighths, 11);
  interlude.Lead = false;
  interlude.Level = 0.75;
  t.Sections = {verse, verseEnd, chorus, chorusEnd, turnaround, interlude};
  t.Order = {0, 1, 2, 3, 5, 0, 1, 2, 4};
  return t;
}

TunePlan RaceTune() {
  TunePlan t;
  t.Name = "Brindle Karts - Race";
  t.LeadVoice = MakeLead;
  t.ArpVoice = MakePluck;
  t.Tempo = 148;
  t.Tonic = XmNote(3, 9);  // A minor
  t.Scale = ScaleKind::Minor;
  t.Melody.Cells = {{"x-x-", 4}, {"x---", 3}, {"x-xx", 2}, {"--x-", 2}, {"x--x", 3}};
  t.Melody.PhraseEnd = "x--.";
  t.Melody.Centre = 2;
  t.Melody.Volume = 40;
  t.ArpVolume = 28;
  t.BassVolume = 52;
  // i-VI-III-VII riff, a lifted iv-VI-VII-i chorus, a half-time break.
  SectionPlan riff =
      Section({0, 5, 2, 6}, kDriveGroove, BassStyle::DrivingOctaves, ArpStyle::Sixteenths, 5);
  SectionPlan riffEnd = riff;
  riffEnd.Fill = true;
  SectionPlan chorus =
      Section({3, 5, 6, 0}, kDriveGroove, BassStyle::DrivingOctaves, ArpStyle::Sixteenths, 9);
  chorus.RegisterShift = 2;
  SectionPlan chorusEnd =
      Section({5, 6, 0, 6}, kDriveGroove, BassStyle::DrivingOctaves, ArpStyle::Sixteenths, 9);
  chorusEnd.RegisterShift = 2;
  chorusEnd.Fill = true;
  SectionPlan breakdown =
      Section({0, 0, 5, 6}, kBreakGroove, BassStyle::Held, ArpStyle::Eighths, 17);
  breakdown.Lead = false;  // the melody rests while the drums and the bass thin out
  breakdown.Fill = true;
  t.Sections = {riff, riffEnd, chorus, chorusEnd, breakdown};
  t.Order = {0, 1, 2, 3, 4, 1, 2, 3};
  return t;
}

TunePlan RaceOverTune() {
  TunePlan t;
  t.Name = "Brindle Karts - Results";
  t.LeadVoice = MakeFlute;
  t.ArpVoice = MakeBell;
  t.Gain = 1.45;
  t.Tempo = 80;
  t.Tonic = XmNote(3, 7);  // G major
  t.Scale = ScaleKind::Major;
  t.Melody.Cells = {{"x---", 6}, {"x-x-", 2}, {"----", 2}, {"--x-", 1}};
  t.Melody.PhraseEnd = "x---";
  t.Melody.Centre = 2;
  t.Melody.Volume = 36;
  t.ArpVolume = 26;
  t.PadVolume = 26;
  t.BassVolume = 44;
  // I-V-vi-IV, then a ii-flavoured bridge resting on V before the loop.
  SectionPlan theme = Section({0, 4, 5, 3}, kSoftGroove, BassStyle::Held, ArpStyle::Eighths, 3);
  SectionPlan themeEnd = theme;
  themeEnd.Cadence = true;
  SectionPlan bridge = Section({3, 0, 1, 4}, kSoftGroove, BassStyle::Held, ArpStyle::Eighths, 7);
  bridge.RegisterShift = 2;
  SectionPlan bridgeEnd = Section({5, 3, 1, 4}, kSoftGroove, BassStyle::Held, ArpStyle::Eighths, 7);
  bridgeEnd.RegisterShift = 1;
  bridgeEnd.Fill = true;  // leads back into the theme at the loop
  // The theme alone over the pad and the bass, without drums or arpeggio.
  SectionPlan hush = theme;
  hush.Groove = nullptr;
  hush.Arp = ArpStyle::None;
  hush.Level = 0.7;
  t.Sections = {theme, themeEnd, bridge, bridgeEnd, hush};
  t.Order = {0, 1, 4, 2, 3, 0, 3};
  return t;
}
