#pragma once
#include <cairo.h>

#include <string>

#include "tools/assetgen/pictures/Palette.h"

// The building blocks of every menu and race panel, so all screens share one look.

enum class ButtonState { Normal, Hover };

// A rounded, glossy button filling a w x h tile with its label painted in. The hover state
// turns orange with a bright rim; both states keep the same outline so the button does not
// jump when the pointer enters it.
void drawButton(cairo_t* cr, double w, double h, const std::string& label, ButtonState state);

// The dark glass plate of panels, with a gold rim and a soft shadow. The plate sits inside
// (x, y, w, h); the shadow needs a few pixels right and below it.
void drawPanelPlate(cairo_t* cr, double x, double y, double w, double h, double radius = 18);

// An orange ribbon across a panel's top carrying its heading in white.
void drawHeadingRibbon(cairo_t* cr, double centreX, double y, double w, double h,
                       const std::string& text);

// Inset areas: light ones under dark game texts, dark ones under light game texts.
void drawLightWell(cairo_t* cr, double x, double y, double w, double h, double radius = 10);
void drawDarkWell(cairo_t* cr, double x, double y, double w, double h, double radius = 10);

// The light strip across the top of menu screens, under the greeting line.
void drawGreetingStrip(cairo_t* cr);

// A text field frame: light or dark inside, with a bevelled rim.
void drawEditFrame(cairo_t* cr, double w, double h, bool lightInside);
