#pragma once
#include <memory>

#include "tools/assetgen/pictures/ArtBook.h"
#include "tools/assetgen/pictures/Canvas.h"

// Paints every tile of one picture into a new canvas, `columns` tiles per row, numbered
// row by row from the top left; tiles past tileCount in the last row stay transparent.
std::unique_ptr<Canvas> renderPicture(const TilePainter& painter, int tileWidth, int tileHeight,
                                      int tileCount, int columns);
