#include "race/GhostLap.h"

#include <cmath>
#include <cstring>

#include "race/GameConstants.h"

namespace {

constexpr char kMagic[8] = {'B', 'K', 'G', 'H', 'O', 'S', 'T', '\x01'};
constexpr size_t kHeaderSize = sizeof kMagic + 4 * 4;
constexpr size_t kFrameSize = 3 * 4 + 1;
constexpr size_t kChecksumSize = 4;
// Farther from the first path point than any course reaches.
constexpr float kFarthest = 1.0e6f;

void PutU32(std::string& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void PutFloat(std::string& out, float f) {
  uint32_t bits = 0;
  std::memcpy(&bits, &f, sizeof bits);
  PutU32(out, bits);
}

uint32_t GetU32(std::string_view bytes, size_t at) {
  uint32_t v = 0;
  for (int i = 0; i < 4; ++i)
    v |= static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + i])) << (8 * i);
  return v;
}

float GetFloat(std::string_view bytes, size_t at) {
  const uint32_t bits = GetU32(bytes, at);
  float f = 0;
  std::memcpy(&f, &bits, sizeof f);
  return f;
}

// FNV-1a, 32 bits.
uint32_t Checksum(std::string_view bytes) {
  uint32_t h = 2166136261u;
  for (char c : bytes) {
    h ^= static_cast<uint8_t>(c);
    h *= 16777619u;
  }
  return h;
}

GhostDecodeResult Refuse(std::string problem) {
  return {std::nullopt, std::move(problem)};
}

bool Sane(float v, float limit) {
  return std::isfinite(v) && std::fabs(v) <= limit;
}

}  // namespace

std::string EncodeGhostLap(const GhostLap& lap) {
  std::string out(kMagic, sizeof kMagic);
  PutU32(out, static_cast<uint32_t>(lap.Track));
  PutU32(out, static_cast<uint32_t>(lap.CarKind));
  PutU32(out, static_cast<uint32_t>(lap.LapHundredths));
  PutU32(out, static_cast<uint32_t>(lap.Frames.size()));
  for (const GhostFrame& f : lap.Frames) {
    PutFloat(out, f.X);
    PutFloat(out, f.Y);
    PutFloat(out, f.Heading);
    out.push_back(static_cast<char>(f.Pattern));
  }
  PutU32(out, Checksum(out));
  return out;
}

GhostDecodeResult DecodeGhostLap(std::string_view bytes, int32_t expectedTrack) {
  if (bytes.size() < kHeaderSize + kChecksumSize ||
      std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0) {
    return Refuse("not a ghost file");
  }
  const size_t body = bytes.size() - kChecksumSize;
  if (GetU32(bytes, body) != Checksum(bytes.substr(0, body))) return Refuse("damaged (checksum)");
  GhostLap lap;
  lap.Track = static_cast<int32_t>(GetU32(bytes, sizeof kMagic));
  lap.CarKind = static_cast<int32_t>(GetU32(bytes, sizeof kMagic + 4));
  const uint32_t hundredths = GetU32(bytes, sizeof kMagic + 8);
  const uint32_t frames = GetU32(bytes, sizeof kMagic + 12);
  if (lap.Track != expectedTrack) return Refuse("the ghost of another track");
  if (lap.CarKind < 0 || lap.CarKind >= race::kCarCount) return Refuse("unknown car");
  if (frames == 0 || frames > kGhostFrameLimit || body != kHeaderSize + frames * kFrameSize) {
    return Refuse("damaged (length)");
  }
  if (hundredths == 0 || hundredths > 100 * 60 * 60) return Refuse("impossible lap time");
  lap.LapHundredths = static_cast<int32_t>(hundredths);
  lap.Frames.resize(frames);
  for (size_t i = 0; i < frames; ++i) {
    const size_t at = kHeaderSize + i * kFrameSize;
    GhostFrame& f = lap.Frames[i];
    f.X = GetFloat(bytes, at);
    f.Y = GetFloat(bytes, at + 4);
    f.Heading = GetFloat(bytes, at + 8);
    f.Pattern = static_cast<uint8_t>(bytes[at + 12]);
    if (!Sane(f.X, kFarthest) || !Sane(f.Y, kFarthest) || !Sane(f.Heading, kFarthest)) {
      return Refuse("damaged (frame " + std::to_string(i) + ")");
    }
  }
  return {std::move(lap), {}};
}
