#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The best lap of a time trial as a ghost: where the car was, which way it pointed and which
// of its pictures showed, at every race step of the lap. Positions are measured from the
// course's first path point, which scrolls with the world, so a ghost replays in any race
// on its track.

struct GhostFrame {
  float X = 0;
  float Y = 0;
  float Heading = 0;    // degrees, as TCar::Heading
  uint8_t Pattern = 0;  // the car picture's pattern (straight, turning)
};

struct GhostLap {
  int32_t Track = 0;    // catalogue index
  int32_t CarKind = 0;  // whose picture the ghost shows
  int32_t LapHundredths = 0;
  std::vector<GhostFrame> Frames;  // one per race step, from the crossing that began the lap
};

// A ghost never holds more steps than this (20 minutes); longer laps are not kept.
constexpr size_t kGhostFrameLimit = 90 * 60 * 20;

// The bytes of a ghost file: a header (magic "BKGHOST", version, track, car, lap time,
// frame count), the frames little-endian, and a checksum over everything before it.
std::string EncodeGhostLap(const GhostLap& lap);

struct GhostDecodeResult {
  std::optional<GhostLap> Lap;
  std::string Problem;  // why the bytes are no ghost of the track, when Lap is empty
};

// Reads a ghost file's bytes. Anything but a whole, undamaged ghost of the expected track
// (a foreign file, another track's ghost, a cut or altered file, impossible values) gives
// no lap and the reason in words.
GhostDecodeResult DecodeGhostLap(std::string_view bytes, int32_t expectedTrack);
