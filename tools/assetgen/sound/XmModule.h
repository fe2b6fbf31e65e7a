#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// An extended module (.xm) as the composer builds it and XmWriter stores it.

constexpr uint8_t kXmKeyOff = 97;

// XM note number of an octave and semitone: C-0 is 1, C-4 is 49, A-4 is 58.
constexpr int XmNote(int octave, int semitone) {
  return octave * 12 + semitone + 1;
}

struct XmCell {
  uint8_t Note = 0;        // 0 none, 1..96 a note, kXmKeyOff
  uint8_t Instrument = 0;  // 1-based, 0 none
  uint8_t Volume = 0;      // volume column byte; 0x10 + v sets volume v (0..64)
  uint8_t Effect = 0;
  uint8_t Param = 0;
};

inline uint8_t XmVolume(int volume) {
  return static_cast<uint8_t>(0x10 + volume);
}

struct XmPattern {
  int Rows = 64;
  int Channels = 8;
  std::vector<XmCell> Cells;  // row by row

  XmPattern(int rows, int channels)
      : Rows(rows), Channels(channels), Cells(static_cast<size_t>(rows * channels)) {}
  XmCell& At(int row, int channel) { return Cells[static_cast<size_t>(row * Channels + channel)]; }
  const XmCell& At(int row, int channel) const {
    return Cells[static_cast<size_t>(row * Channels + channel)];
  }
};

struct XmEnvelope {
  std::vector<std::pair<uint16_t, uint16_t>> Points;  // (tick, value 0..64), up to 12
  int SustainPoint = -1;                              // -1: none
};

struct XmSample {
  std::string Name;
  std::vector<int16_t> Data;
  int LoopStart = 0;   // frames
  int LoopLength = 0;  // frames; 0: no loop
  uint8_t Volume = 64;
  int8_t Finetune = 0;      // 1/128 semitones
  int8_t RelativeNote = 0;  // semitones
  uint8_t Panning = 128;
};

struct XmInstrument {
  std::string Name;
  XmSample Sample;
  XmEnvelope VolumeEnvelope;
  uint16_t Fadeout = 0;  // volume lost per tick after key-off, out of 32768
  uint8_t VibratoType = 0, VibratoSweep = 0, VibratoDepth = 0, VibratoRate = 0;
};

struct XmModule {
  std::string Name;
  int Channels = 8;
  int Speed = 6;    // ticks per row
  int Tempo = 125;  // beats per minute: a row lasts Speed * 2.5 / Tempo seconds
  int RestartPosition = 0;
  std::vector<uint8_t> Order;
  std::vector<XmPattern> Patterns;
  std::vector<XmInstrument> Instruments;
};
