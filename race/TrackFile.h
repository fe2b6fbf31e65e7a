#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

// The track file (.prd): fixed 128-byte records, no header, no trailer. Only the first 20
// bytes of a record mean anything: Y, X, kind, A, B as little-endian signed 32-bit numbers.
// This header is the one description of the format, for the game and the track compiler.
struct TrackRecord {
  int32_t Y = 0;
  int32_t X = 0;
  int32_t Kind = 0;
  int32_t A = 0;
  int32_t B = 0;
};

constexpr size_t kTrackRecordSize = 128;

// Record kinds. A and B mean different things per kind (see the builder).
namespace track_kind {
constexpr int32_t PathPoint = 0;      // A: checkpoint number, B: order number
constexpr int32_t FirstRoadPart = 1;  // 1..14: road part of that kind, top-left at X, Y
constexpr int32_t LastRoadPart = 14;
constexpr int32_t Obstacle = 20;        // B: obstacle type
constexpr int32_t Flowers = 50;         // 50, 51, 52: paint types 2, 3, 4 at a random angle
constexpr int32_t DiamondsAcross = 53;  // 53, 54: paint types 5, 6 at angle 0
constexpr int32_t DiamondsAlong = 54;
constexpr int32_t Water = 55;             // a pond on the ground (off the road), centred on X, Y
constexpr int32_t StartSlot = 88;         // A: start angle, B: slot number 1..9
constexpr int32_t StartLine = 99;         // A: angle
constexpr int32_t CheckLine = 101;        // B: check line index
constexpr int32_t FinishLine = 105;       // A: angle
constexpr int32_t InPlace = 160;          // A: angle
constexpr int32_t LandscapeChoice = 170;  // A: the course's landscape (race/Landscape.h)
}  // namespace track_kind

// A track file that cannot become a race. The message names the file.
class TrackFileError : public std::runtime_error {
 public:
  enum class Reason { Missing, Unreadable, TruncatedRecord, TooFewStartSlots };
  TrackFileError(Reason reason, const std::string& fileName, const std::string& detail);
  Reason Why() const { return reason_; }
  const std::string& FileName() const { return fileName_; }

 private:
  Reason reason_;
  std::string fileName_;
};

// Every record of the bytes; a size that is not a whole number of records is an error
// (fileName only names the source in the error).
std::vector<TrackRecord> DecodeTrackRecords(const uint8_t* data, size_t size,
                                            const std::string& fileName);
std::vector<TrackRecord> ReadTrackFile(const std::filesystem::path& file);
// Bytes that DecodeTrackRecords reads back to the same records (unused bytes zero).
std::vector<uint8_t> EncodeTrackRecords(const std::vector<TrackRecord>& records);
