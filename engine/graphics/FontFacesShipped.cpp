// The Windows side of LookUpFontFile: the fonts the game ships in its fonts/ folder.
#ifdef _WIN32
#include <strings.h>

#include <iostream>
#include <system_error>

#include "engine/graphics/FontFaces.h"
#include "platform/GamePaths.h"

namespace {

std::string ShippedFile(const FontFace& face) {
  return DataPath(std::string("fonts\\") + face.File).u8string();
}

}  // namespace

std::string LookUpFontFile(const std::string& gameFace) {
  const FontFace& fallback = FallbackFontFace();
  for (const FontFace& face : FontFaceTable()) {
    if (strcasecmp(face.GameFace, gameFace.c_str()) != 0) continue;
    std::error_code ec;
    if (std::filesystem::exists(DataPath(std::string("fonts\\") + face.File), ec)) {
      return ShippedFile(face);
    }
    std::cerr << "font \"" << gameFace << "\": fonts\\" << face.File << " is missing; using "
              << fallback.File << "\n";
    break;
  }
  // Windows has no fontconfig to find a face the table does not know: the fallback stands in.
  return ShippedFile(fallback);
}
#endif
