#pragma once
#include <cairo.h>

#include <functional>

#include "tools/assetgen/pictures/Palette.h"

// Builds a path on the given context (in its current user space) without filling it.
using PathFn = std::function<void(cairo_t*)>;

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double radius);

// A blurred copy of the shape, offset by (dx, dy) user units, painted in the shadow colour
// under whatever is drawn next. The blur radius is in device pixels.
void softShadow(cairo_t* cr, const PathFn& path, double dx, double dy, double blur,
                double opacity = light::kShadowOpacity);

// A blurred halo of the shape in the given colour (no offset); for lamps and hover states.
void softGlow(cairo_t* cr, const PathFn& path, double blur, Rgb colour, double opacity);

// Fills the shape with a gradient lit from the top left: lighter at (x0, y0), darker at
// (x1, y1).
void fillLit(cairo_t* cr, const PathFn& path, Rgb base, double x0, double y0, double x1, double y1,
             double contrast = 0.22);

// Strokes the shape's edge with a highlight on the lit (top-left) side and a darker line on
// the far side, the bevel every raised object of the game shows.
void rimLight(cairo_t* cr, const PathFn& path, double x0, double y0, double x1, double y1,
              double width, double strength = 0.55);

// Strokes the shape with a solid outline.
void outline(cairo_t* cr, const PathFn& path, Rgb colour, double width, double alpha = 1.0);
