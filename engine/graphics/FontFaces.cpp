#include "engine/graphics/FontFaces.h"

#include <fontconfig/fontconfig.h>
#include <strings.h>

#include <iostream>
#include <map>

namespace {

const std::vector<FontFace> kFaces = {
    {"Arial", "Liberation Sans", "Liberation Sans", "fonts-liberation2"},
    {"Arial Black", "Roboto:weight=black", "Roboto Black", "fonts-roboto-unhinted"},
    {"Verdana", "DejaVu Sans", "DejaVu Sans", "fonts-dejavu-core"},
    {"Friday13", "Comfortaa:weight=bold", "Comfortaa", "fonts-comfortaa"},
    {"Staccato222 BT", "Z003:fontformat=CFF", "Z003", "fonts-urw-base35"},
};

constexpr const char* kFallbackPattern = "DejaVu Sans";

// The best match for a pattern: its file and whether one of its family names is `family`
// (any family when `family` is null).
std::string Match(const char* pattern, const char* family, bool& familyMatched) {
  familyMatched = false;
  FcPattern* wanted = FcNameParse(reinterpret_cast<const FcChar8*>(pattern));
  if (!wanted) return {};
  FcConfigSubstitute(nullptr, wanted, FcMatchPattern);
  FcDefaultSubstitute(wanted);
  FcResult result = FcResultNoMatch;
  FcPattern* found = FcFontMatch(nullptr, wanted, &result);
  std::string file;
  if (found) {
    FcChar8* path = nullptr;
    if (FcPatternGetString(found, FC_FILE, 0, &path) == FcResultMatch) {
      file = reinterpret_cast<const char*>(path);
    }
    FcChar8* name = nullptr;
    for (int i = 0; FcPatternGetString(found, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
      if (!family || strcasecmp(reinterpret_cast<const char*>(name), family) == 0) {
        familyMatched = true;
      }
    }
    FcPatternDestroy(found);
  }
  FcPatternDestroy(wanted);
  return file;
}

std::string Resolve(const std::string& gameFace) {
  for (const FontFace& face : kFaces) {
    if (strcasecmp(face.GameFace, gameFace.c_str()) != 0) continue;
    bool matched = false;
    const std::string file = Match(face.Pattern, face.Family, matched);
    if (matched) return file;
    std::cerr << "font \"" << gameFace << "\": " << face.Family << " is not installed (package "
              << face.Package << "); using " << kFallbackPattern << "\n";
    return Match(kFallbackPattern, nullptr, matched);
  }
  bool matched = false;
  return Match(gameFace.c_str(), nullptr, matched);
}

}  // namespace

const std::vector<FontFace>& FontFaceTable() {
  return kFaces;
}

std::string FontFileForFace(const std::string& gameFace) {
  // Resolved once per face: fonts are made again at every device reset and SetFont.
  static std::map<std::string, std::string> resolved;
  auto it = resolved.find(gameFace);
  if (it == resolved.end()) it = resolved.emplace(gameFace, Resolve(gameFace)).first;
  return it->second;
}
