#include "tools/assetgen/pictures/Palette.h"

Rgb Rgb::shade(double amount) const {
  return amount >= 0 ? mix(palette::kWhite, amount) : mix(palette::kBlack, -amount);
}

Rgb Rgb::mix(Rgb other, double t) const {
  return {r + (other.r - r) * t, g + (other.g - g) * t, b + (other.b - b) * t};
}

void setColour(cairo_t* cr, Rgb colour, double alpha) {
  cairo_set_source_rgba(cr, colour.r, colour.g, colour.b, alpha);
}

void addStop(cairo_pattern_t* pattern, double offset, Rgb colour, double alpha) {
  cairo_pattern_add_color_stop_rgba(pattern, offset, colour.r, colour.g, colour.b, alpha);
}
