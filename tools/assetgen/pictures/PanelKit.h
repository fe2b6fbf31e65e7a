#pragma once
#include <cairo.h>

#include <string>

#include "tools/assetgen/pictures/Palette.h"
#include "tools/assetgen/pictures/Text.h"

// Shared layout of the question and result panels: a plate filling the tile (with room for
// its shadow) and a heading ribbon across its top. Returns the y below the ribbon.
double drawHeadedPanel(cairo_t* cr, double w, double h, const std::string& heading);

// Text styles used on panels.
TextStyle panelBodyStyle(double sizePx, Rgb colour = palette::kWhite);
TextStyle panelLabelStyle(double sizePx, Rgb colour = palette::kInk);
