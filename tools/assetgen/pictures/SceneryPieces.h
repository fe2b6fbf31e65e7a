#pragma once
#include <cairo.h>

// Scenery as the race shows it, for pictures composed outside a race.
enum class SceneryKind { Tree, AppleTree, AutumnTree, BlossomTree, Fir, Spruce };

// The object centred on (cx, cy), `size` pixels across.
void paintScenery(cairo_t* cr, SceneryKind kind, double cx, double cy, double size);
