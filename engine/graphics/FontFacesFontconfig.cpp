// The Linux side of LookUpFontFile: the installed fonts, found by fontconfig.
#ifndef _WIN32
#include <fontconfig/fontconfig.h>
#include <strings.h>

#include <iostream>

#include "engine/graphics/FontFaces.h"

namespace {

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

}  // namespace

std::string LookUpFontFile(const std::string& gameFace) {
  const char* fallback = FallbackFontFace().Pattern;
  for (const FontFace& face : FontFaceTable()) {
    if (strcasecmp(face.GameFace, gameFace.c_str()) != 0) continue;
    bool matched = false;
    const std::string file = Match(face.Pattern, face.Family, matched);
    if (matched) return file;
    std::cerr << "font \"" << gameFace << "\": " << face.Family << " is not installed (package "
              << face.Package << "); using " << fallback << "\n";
    return Match(fallback, nullptr, matched);
  }
  bool matched = false;
  return Match(gameFace.c_str(), nullptr, matched);
}
#endif
