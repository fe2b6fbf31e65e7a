#pragma once
#include <cairo.h>

#include <vector>

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

// One piece at the context's origin, kRoadTileSize square.
void paintRoadPiece(cairo_t* cr, RoadPiece piece);
// One cell of a wide curve or a narrowing (the variants of race/RoadShape.h), at the
// context's origin, kRoadTileSize square, in the same road colours as the pieces above.
void paintWideCurveCell(cairo_t* cr, int32_t variant);
void paintNarrowing(cairo_t* cr, int32_t variant);
// A seamless w x h grass tile at the context's origin.
void paintGrassTile(cairo_t* cr, int w, int h);

// Road pieces of a track's grid, each drawn at the grid's step in the context's units.
void paintRoadTiles(cairo_t* cr, const std::vector<GridTile>& tiles, const GridFrame& frame);
// A chequered line across the road, centred on (cx, cy): `length` long across the road,
// `depth` along it; across is true when the road runs east-west (the line stands upright).
void paintChequeredLine(cairo_t* cr, double cx, double cy, double length, double depth,
                        bool upright);
