#include "race/TrackFile.h"

#include <fstream>
#include <iterator>

namespace {

int32_t ReadInt32(const uint8_t* p) {
  const uint32_t v = static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                     static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
  return static_cast<int32_t>(v);
}

void WriteInt32(uint8_t* p, int32_t value) {
  const uint32_t v = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

const char* ReasonText(TrackFileError::Reason reason) {
  switch (reason) {
    case TrackFileError::Reason::Missing:
      return "track file not found";
    case TrackFileError::Reason::Unreadable:
      return "track file cannot be read";
    case TrackFileError::Reason::TruncatedRecord:
      return "track file ends inside a record";
    case TrackFileError::Reason::TooFewStartSlots:
      return "track file has too few start slots";
  }
  return "track file error";
}

}  // namespace

TrackFileError::TrackFileError(Reason reason, const std::string& fileName,
                               const std::string& detail)
    : std::runtime_error(std::string(ReasonText(reason)) + ": " + fileName +
                         (detail.empty() ? "" : " (" + detail + ")")),
      reason_(reason),
      fileName_(fileName) {}

std::vector<TrackRecord> DecodeTrackRecords(const uint8_t* data, size_t size,
                                            const std::string& fileName) {
  if (size % kTrackRecordSize != 0) {
    throw TrackFileError(
        TrackFileError::Reason::TruncatedRecord, fileName,
        std::to_string(size) + " bytes is not a multiple of " + std::to_string(kTrackRecordSize));
  }
  std::vector<TrackRecord> records(size / kTrackRecordSize);
  for (size_t i = 0; i < records.size(); ++i) {
    const uint8_t* p = data + i * kTrackRecordSize;
    records[i] = {ReadInt32(p), ReadInt32(p + 4), ReadInt32(p + 8), ReadInt32(p + 12),
                  ReadInt32(p + 16)};
  }
  return records;
}

std::vector<TrackRecord> ReadTrackFile(const std::filesystem::path& file) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) {
    throw TrackFileError(TrackFileError::Reason::Missing, file.string(), "");
  }
  std::ifstream in(file, std::ios::binary);
  if (!in) throw TrackFileError(TrackFileError::Reason::Unreadable, file.string(), "");
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());
  if (in.bad()) throw TrackFileError(TrackFileError::Reason::Unreadable, file.string(), "");
  return DecodeTrackRecords(bytes.data(), bytes.size(), file.string());
}

std::vector<uint8_t> EncodeTrackRecords(const std::vector<TrackRecord>& records) {
  std::vector<uint8_t> bytes(records.size() * kTrackRecordSize, 0);
  for (size_t i = 0; i < records.size(); ++i) {
    uint8_t* p = bytes.data() + i * kTrackRecordSize;
    const TrackRecord& r = records[i];
    WriteInt32(p, r.Y);
    WriteInt32(p + 4, r.X);
    WriteInt32(p + 8, r.Kind);
    WriteInt32(p + 12, r.A);
    WriteInt32(p + 16, r.B);
  }
  return bytes;
}
