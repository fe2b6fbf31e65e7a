#pragma once
#include <cairo.h>

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
// A seamless w x h grass tile at the context's origin.
void paintGrassTile(cairo_t* cr, int w, int h);
