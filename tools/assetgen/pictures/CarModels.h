#pragma once
#include <cairo.h>

#include "tools/assetgen/pictures/Palette.h"

// The five karts. Each is drawn in its own unit space: nose pointing down (+y), the body
// spanning x -50..50 and y -80..80, centred on the origin.
enum class CarKind { Roadster, Turbo, Volcano, Hawk, Beast };

inline constexpr double kCarUnitWidth = 100;
inline constexpr double kCarUnitLength = 160;

// steer: front wheel angle in radians; negative turns the wheels' fronts toward +x.
void drawCar(cairo_t* cr, CarKind kind, double steer);
// The car with straight wheels, its centre at (x, y), scaled and turned by angle radians.
void drawCarPlaced(cairo_t* cr, double x, double y, double scale, CarKind kind, double angle);
