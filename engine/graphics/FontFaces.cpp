#include "engine/graphics/FontFaces.h"

#include <filesystem>
#include <map>
#include <utility>

#include "platform/GamePaths.h"

namespace {

const std::vector<FontFace> kFaces = {
    {"Arial", "Liberation Sans", "Liberation Sans", "fonts-liberation2",
     "LiberationSans-Regular.ttf"},
    {"Arial Black", "Roboto:weight=black", "Roboto Black", "fonts-roboto-unhinted",
     "Roboto-Black.ttf"},
    {"Verdana", "DejaVu Sans", "DejaVu Sans", "fonts-dejavu-core", "DejaVuSans.ttf"},
    {"Friday13", "Comfortaa:weight=bold", "Comfortaa", "fonts-comfortaa", "Comfortaa-Bold.ttf"},
    {"Staccato222 BT", "Z003:fontformat=CFF", "Z003", "fonts-urw-base35", "Z003-MediumItalic.otf"},
};

}  // namespace

const std::vector<FontFace>& FontFaceTable() {
  return kFaces;
}

const FontFace& FallbackFontFace() {
  return kFaces[2];
}

std::string FontFileForFace(const std::string& gameFace) {
  // Resolved once per face and data folder (on Windows the fonts lie in it): fonts are made
  // again at every device reset and SetFont.
  static std::map<std::pair<std::filesystem::path, std::string>, std::string> resolved;
  const auto key = std::make_pair(CurrentGameRoots().Data, gameFace);
  auto it = resolved.find(key);
  if (it == resolved.end()) it = resolved.emplace(key, LookUpFontFile(gameFace)).first;
  return it->second;
}
