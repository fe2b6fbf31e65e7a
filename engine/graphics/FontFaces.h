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
};

const std::vector<FontFace>& FontFaceTable();

// The font file for a game face: the table's font, or for a face the table does not know
// the closest installed font fontconfig offers. When the table's font is missing, the
// fallback (a sans face) is used and the missing package is said once on stderr.
std::string FontFileForFace(const std::string& gameFace);
