#pragma once
#include <memory>
#include <string>
#include <vector>

#include "engine/graphics/PictureTable.h"
#include "tools/assetgen/pictures/Canvas.h"

struct GeneratedPicture {
  const PictureEntry* entry;
  std::unique_ptr<Canvas> canvas;
};

// Every picture the picture table gives for one list, drawn, in table order (so the glyph
// sheet stays the menu list's first item).
std::vector<GeneratedPicture> generatePictures(PictureListMask list);

// The list file's bytes: every picture of `pictures` stored as PNG.
std::vector<uint8_t> encodePictureList(const std::vector<GeneratedPicture>& pictures);
