#include "race/Landscape.h"

#include <array>

#include "engine/graphics/PictureTable.h"

namespace {

constexpr std::array<const char*, kLandscapeCount> kNames = {"meadow", "autumn", "coast", "winter"};

}  // namespace

const char* LandscapeName(Landscape landscape) {
  return kNames[static_cast<size_t>(landscape)];
}

bool LandscapeByName(const std::string& name, Landscape& landscape) {
  for (size_t i = 0; i < kNames.size(); ++i) {
    if (name == kNames[i]) {
      landscape = static_cast<Landscape>(i);
      return true;
    }
  }
  return false;
}

Landscape LandscapeFromNumber(int32_t number) {
  return number >= 0 && number < kLandscapeCount ? static_cast<Landscape>(number)
                                                 : Landscape::Meadow;
}

Landscape TrackLandscape(const std::vector<TrackRecord>& records) {
  Landscape landscape = Landscape::Meadow;
  for (const TrackRecord& r : records) {
    if (r.Kind == track_kind::LandscapeChoice) landscape = LandscapeFromNumber(r.A);
  }
  return landscape;
}

std::string LandscapePicture(const std::string& base, Landscape landscape) {
  if (landscape == Landscape::Meadow) return base;
  const std::string own = base + "_" + LandscapeName(landscape);
  return FindPictureEntry(own) ? own : base;
}
