#pragma once
#include <string>
#include <vector>

class Canvas;

// One picture shown on the sheet, with its tile size for the grid overlay.
struct SheetEntry {
  std::string heading;  // e.g. "menu: b_stgame"
  const Canvas* picture;
  int tileWidth;
  int tileHeight;
};

// Every entry scaled into a cell of the sheet over a transparency checkerboard, its tile
// grid drawn over it and its heading below; written as one PNG file.
void writeContactSheet(const std::vector<SheetEntry>& entries, const std::string& path);
