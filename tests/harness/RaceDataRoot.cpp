#include "tests/harness/RaceDataRoot.h"

#include <unistd.h>

#include <fstream>
#include <vector>

#include "race/TrackFile.h"
#include "tests/race/SquareCourse.h"
#include "tests/support/LinkOrCopy.h"

namespace fs = std::filesystem;

namespace {

constexpr int kTrackFiles = 13;  // "Data\\data1.prd" (the demo course) .. "Data\\data13.prd"

std::vector<TrackRecord> SquareTrack(int flowerBeds) {
  std::vector<TrackRecord> records = SquareCourse();
  // Road tiles are 256 pixels square: one centred on every other path point, along the side.
  const auto points = SquarePathPoints();
  for (size_t i = 0; i < points.size(); i += 2) {
    const auto [x, y] = points[i];
    const bool across = y == 0 || y == 2000;
    records.push_back({y - 128, x - 128, across ? 1 : 2, 0, 0});
  }
  for (int32_t slot = 1; slot <= 8; ++slot) {
    records.push_back({0, 900 - 100 * slot, track_kind::StartSlot, 0, slot});
  }
  for (int i = 0; i < flowerBeds; ++i) {
    records.push_back({300 + (i / 40) * 35, 300 + (i % 40) * 35, track_kind::Flowers, 0, 0});
  }
  return records;
}

// The shipped track file with the most records, or none.
fs::path LargestShippedTrack(const fs::path& dataFolder) {
  fs::path largest;
  for (int n = 2; n <= kTrackFiles; ++n) {
    const fs::path file = dataFolder / ("data" + std::to_string(n) + ".prd");
    if (fs::exists(file) && (largest.empty() || fs::file_size(file) > fs::file_size(largest))) {
      largest = file;
    }
  }
  return largest;
}

fs::path FreshFolder() {
  static int counter = 0;
  return fs::temp_directory_path() /
         ("bk-race-data-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
}

}  // namespace

RaceDataRoot::RaceDataRoot(Track track) : root_(FreshFolder()) {
  fs::remove_all(root_);
  fs::create_directories(root_ / "Data");
  const fs::path game = fs::current_path();
  for (const fs::directory_entry& entry : fs::directory_iterator(game)) {
    // The Windows game's libraries are loaded from the game folder by this very process:
    // where links are hard links or copies, those could not be removed while it runs.
    if (entry.path().filename() != "Data" && entry.path().extension() != ".dll") {
      LinkOrCopy(entry.path(), root_ / entry.path().filename());
    }
  }
  for (const fs::directory_entry& entry : fs::directory_iterator(game / "Data")) {
    if (entry.path().extension() != ".prd") {
      LinkOrCopy(entry.path(), root_ / "Data" / entry.path().filename());
    }
  }
  std::vector<uint8_t> bytes;
  const fs::path shipped =
      track == Track::Largest ? LargestShippedTrack(game / "Data") : fs::path();
  if (!shipped.empty()) {
    bytes.resize(fs::file_size(shipped));
    std::ifstream(shipped, std::ios::binary)
        .read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  } else {
    bytes = EncodeTrackRecords(SquareTrack(track == Track::Largest ? 1600 : 0));
  }
  records_ = bytes.size() / kTrackRecordSize;
  for (int n = 1; n <= kTrackFiles; ++n) {
    std::ofstream(root_ / "Data" / ("data" + std::to_string(n) + ".prd"), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }
}

RaceDataRoot::~RaceDataRoot() {
  std::error_code ec;
  fs::remove_all(root_, ec);
}

void RaceDataRoot::RemoveTrack(const std::string& gameName) {
  fs::remove(root_ / "Data" / gameName.substr(gameName.find('\\') + 1));
}
