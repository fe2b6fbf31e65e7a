#pragma once
#include <cairo.h>

#include <functional>

#include "tools/assetgen/pictures/Palette.h"

struct Rgba {
  Rgb colour;
  double alpha;
};

// Paints a w x h block at the context's origin, pixel by pixel, from a colour function of
// the pixel centre's coordinates. Used for textures (grass, asphalt) built from noise.
void fillPixels(cairo_t* cr, int w, int h, const std::function<Rgba(double x, double y)>& colourAt);
