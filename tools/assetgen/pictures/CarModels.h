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
