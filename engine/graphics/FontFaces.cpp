#include "engine/graphics/FontFaces.h"

#include <map>

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
  // Resolved once per face: fonts are made again at every device reset and SetFont.
  static std::map<std::string, std::string> resolved;
  auto it = resolved.find(gameFace);
  if (it == resolved.end()) it = resolved.emplace(gameFace, LookUpFontFile(gameFace)).first;
  return it->second;
}
