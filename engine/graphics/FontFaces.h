#pragma once
#include <string>
#include <vector>

// The typefaces the game asks for by name are Windows faces; each stands for an installed
// font that covers Cyrillic and keeps the face's character.
struct FontFace {
  const char* GameFace;  // the name the game asks for
  const char* Pattern;   // fontconfig pattern of the font standing in for it
  const char* Family;    // family the match must have, or the font is not installed
  const char* Package;   // Debian package that installs it
  const char* File;      // its file: the Windows game ships it in its fonts/ folder
};

const std::vector<FontFace>& FontFaceTable();

// The face standing in when a font is missing or a face unknown.
const FontFace& FallbackFontFace();

// The font file for a game face: the table's font, or for a face the table does not know
// the closest installed font fontconfig offers (on Windows: the fallback face). When the
// table's font is missing, the fallback is used and what is missing is said once on stderr.
std::string FontFileForFace(const std::string& gameFace);

// Finds a face's font file on this system, uncached: FontFacesFontconfig.cpp on Linux,
// FontFacesShipped.cpp on Windows.
std::string LookUpFontFile(const std::string& gameFace);
