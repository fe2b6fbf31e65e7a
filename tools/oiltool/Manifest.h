#pragma once
#include <string>
#include <vector>

// The manifest `oiltool extract` writes and `oiltool pack` reads: one item per line, in
// list order, fields separated by tabs:
//   name  picture  tile-width  tile-height  transparent-colour  transparent  filepath
// picture is a PNG or BMP file relative to the manifest's folder, or "-" for none;
// transparent-colour is a number (decimal or 0x hex, platform form: blue high, red low) or
// a colour identifier such as clFuchsia; transparent is 0 or 1; filepath may be empty.
// Lines starting with '#' and empty lines are ignored.
struct ManifestLine {
  std::string Name;
  std::string PictureFile;  // empty for none
  int TileWidth = 1;
  int TileHeight = 1;
  unsigned TransparentColor = 0;
  bool Transparent = false;
  std::string Filepath;
};

// False with the line number and reason in `error` on the first malformed line.
bool ParseManifest(const std::string& text, std::vector<ManifestLine>& lines, std::string& error);
std::string FormatManifest(const std::vector<ManifestLine>& lines);
