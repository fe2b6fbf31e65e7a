#pragma once
#include <cairo.h>

#include <cstdint>

#include "tools/assetgen/pictures/ArtBook.h"
#include "tools/assetgen/pictures/Palette.h"

// Scenery as the race shows it, for pictures composed outside a race.
enum class SceneryKind { Tree, AppleTree, AutumnTree, BlossomTree, Fir, Spruce };

// The object centred on (cx, cy), `size` pixels across.
void paintScenery(cairo_t* cr, SceneryKind kind, double cx, double cy, double size);

// The drawings behind the scenery pictures, each filling the tile, for the landscapes'
// own versions: a round crown in the leaf colour with dots (blossom, fruit, snow; black for
// none); a fir of `points` points whose upper tiers are `snow` white; a house with its
// roof colour under `snow`; a stone of the colour with moss on odd tiles or snow on top.
void paintTree(cairo_t* cr, const TileRequest& tile, Rgb leaf, uint64_t seed, Rgb dots);
void paintFir(cairo_t* cr, const TileRequest& tile, Rgb needles, int points, double snow = 0);
void paintHouse(cairo_t* cr, const TileRequest& tile, Rgb roofColour = palette::kRoof,
                double snow = 0);
void paintRock(cairo_t* cr, const TileRequest& tile, Rgb stoneColour = palette::kStone,
               bool moss = true, double snow = 0);
