#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tools/assetgen/sound/Instruments.h"
#include "tools/assetgen/sound/XmModule.h"

// Turns a tune plan (key, tempo, sections with their chords and arrangement) into a module.
// Every pattern is four bars of sixteen rows; a row is a sixteenth note.

enum class ScaleKind { Major, Minor };

// Volumes (0..64) per sixteenth of a bar; 0 is no hit.
struct DrumGroove {
  int Kick[16];
  int Snare[16];
  int Hat[16];
};

enum class BassStyle { Syncopated, DrivingOctaves, Held };
enum class ArpStyle { None, Eighths, Sixteenths };

// How the melody moves: its rhythm cells (one beat each, 'x' a new note, '-' hold, '.' rest)
// with weights, and where it sits.
struct MelodyStyle {
  std::vector<std::pair<std::string, int>> Cells;
  std::string PhraseEnd;  // the cell closing each two-bar phrase
  int Centre = 4;         // scale steps above the tonic an octave up
  int Volume = 44;
};

struct SectionPlan {
  int Chords[4];  // scale degree (0 = tonic) per bar
  const DrumGroove* Groove = nullptr;
  BassStyle Bass = BassStyle::Syncopated;
  ArpStyle Arp = ArpStyle::None;
  bool Pad = true;
  bool Lead = true;
  uint32_t MotifSeed = 1;  // equal seeds give the same motif: sections repeat their tune
  int RegisterShift = 0;   // scale steps added to the melody's centre
  bool Cadence = false;    // the phrase closes on the chord's root
  bool Fill = false;       // a snare fill leads into the next pattern
  double Level = 1.0;      // scales the section's note volumes: quieter and louder sections
};

struct TunePlan {
  std::string Name;
  // The voices that give the tune its colour: the melody's and the arpeggio's.
  XmInstrument (*LeadVoice)() = MakeLead;
  XmInstrument (*ArpVoice)() = MakeBell;
  // Every note volume is scaled by this: sets the tune's level in the game's mix.
  double Gain = 1.0;
  int Tempo = 125;
  int Speed = 6;
  int Tonic = 49;  // XM note of the tonic in the bass's upper octave
  ScaleKind Scale = ScaleKind::Major;
  MelodyStyle Melody;
  int ArpVolume = 28;
  int PadVolume = 24;
  int BassVolume = 48;
  std::vector<SectionPlan> Sections;  // one pattern each
  std::vector<int> Order;             // indices into Sections
};

// Instrument numbers in every tune (kLead and kBell play the tune's own lead and arpeggio
// voices).
enum TuneInstrument { kBass = 1, kLead, kPad, kBell, kKick, kSnare, kHat };

XmModule ComposeTune(const TunePlan& plan);
