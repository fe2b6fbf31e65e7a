#pragma once
#include <cairo.h>

#include <vector>

#include "race/Landscape.h"
#include "tools/assetgen/pictures/LandscapeLooks.h"
#include "tools/assetgen/pictures/PixelFill.h"
#include "tools/trackc/lib/RoadLayout.h"

// The road pieces and grass as the race shows them, for pictures that show a piece of
// track outside a race (menu background, track previews).
enum class RoadPiece {
  Horizontal,
  Vertical,
  TurnRightBottom,
  TurnLeftBottom,
  TurnLeftTop,
  TurnRightTop
};

// One pixel of road in the look's colours, for any piece's shape: `across` is the distance
// across the road (0 at one edge, kRoadTileSize at the other; the pixel is transparent
// beyond), the kerb and dash phases run along the road (2 pi per stripe period) and
// kerbPixels / dashPixels are the pixels one period takes at this point, for smoothing.
// A piece whose phases complete whole periods at its open edges joins every other piece.
Rgba roadPixel(const RoadLook& look, double x, double y, double across, double kerbPhase,
               double kerbPixels, double dashPhase, double dashPixels);
// One piece at the context's origin, kRoadTileSize square.
void paintRoadPiece(cairo_t* cr, RoadPiece piece, const RoadLook& look);
// One cell of a wide curve, a narrowing, a chicane or a diagonal (the variants of
// race/RoadShape.h) in the look's colours, at the context's origin, kRoadTileSize square.
void paintWideCurveCell(cairo_t* cr, int32_t variant, const RoadLook& look);
void paintNarrowing(cairo_t* cr, int32_t variant, const RoadLook& look);
void paintChicane(cairo_t* cr, int32_t variant, const RoadLook& look);
void paintDiagonal(cairo_t* cr, int32_t variant, const RoadLook& look);
// A seamless w x h tile of the meadow's grass at the context's origin.
void paintGrassTile(cairo_t* cr, int w, int h);
// A seamless, opaque w x h tile of the landscape's ground (the meadow's is its grass).
void paintGroundTile(cairo_t* cr, int w, int h, Landscape landscape);

// Road pieces of a track's grid in the landscape's colours, each drawn at the grid's step
// in the context's units.
void paintRoadTiles(cairo_t* cr, const std::vector<GridTile>& tiles, const GridFrame& frame,
                    Landscape landscape);
// A chequered line across the road, centred on (cx, cy): `length` long across the road,
// `depth` along it; across is true when the road runs east-west (the line stands upright).
void paintChequeredLine(cairo_t* cr, double cx, double cy, double length, double depth,
                        bool upright);
