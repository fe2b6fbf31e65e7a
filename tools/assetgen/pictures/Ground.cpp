// The ground of the autumn forest, the coast and the winter landscape: opaque tiles that
// wrap seamlessly like the meadow's grass, every detail drawn again one tile away where it
// crosses an edge.
#include <algorithm>
#include <cmath>

#include "tools/assetgen/pictures/LandscapeLooks.h"
#include "tools/assetgen/pictures/Noise.h"
#include "tools/assetgen/pictures/PixelFill.h"
#include "tools/assetgen/pictures/RoadPieces.h"

using namespace palette;

namespace {

// Calls draw(x, y) at the point and at its copies one tile away on every side.
template <typename Draw>
void wrapped(double x, double y, int w, int h, Draw draw) {
  for (int ox = -1; ox <= 1; ++ox) {
    for (int oy = -1; oy <= 1; ++oy) draw(x + ox * w, y + oy * h);
  }
}

// The base colour: broad patches between the look's dark and light ground, with grain.
void paintBase(cairo_t* cr, int w, int h, const LandscapeLook& look, double grainAmount,
               double ripples) {
  const TileableNoise patches(71, 8), detail(72, 64), warp(73, 4);
  fillPixels(cr, w, h, [&](double x, double y) {
    const double p = patches.fractal(x * 8 / w, y * 8 / h, 3);
    const double d = detail.at(x * 64 / w, y * 64 / h);
    Rgb c = look.GroundDark.mix(look.GroundLight, std::clamp(0.15 + p * 0.8, 0.0, 1.0));
    c = c.shade((d - 0.5) * grainAmount);
    if (ripples > 0) {
      // Wind ripples: bands across the tile, bent by the warp noise; 12 bands per tile so
      // they meet themselves at the edges.
      const double bend = warp.fractal(x * 4 / w, y * 4 / h, 2);
      const double band = std::sin(2 * M_PI * (y * 12 / h + bend * 2));
      c = c.shade(band * ripples);
    }
    return Rgba{look.Lit(c), 1.0};
  });
}

void paintLeafLitter(cairo_t* cr, int w, int h, const LandscapeLook& look) {
  Rng rng(74);
  for (int i = 0; i < 520; ++i) {
    const double x = rng.uniform(0, w), y = rng.uniform(0, h), turn = rng.uniform(0, M_PI);
    const double length = rng.uniform(3, 6.5);
    const Rgb leaf = look.Leaves[rng.below(4)].shade(rng.uniform(-0.25, 0.1));
    const double alpha = rng.uniform(0.55, 0.95);
    wrapped(x, y, w, h, [&](double px, double py) {
      cairo_save(cr);
      cairo_new_sub_path(cr);
      cairo_translate(cr, px, py);
      cairo_rotate(cr, turn);
      cairo_scale(cr, length, length * 0.5);
      cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
      cairo_restore(cr);
    });
    setColour(cr, look.Lit(leaf), alpha);
    cairo_fill(cr);
  }
}

void paintSandGrains(cairo_t* cr, int w, int h, const LandscapeLook& look) {
  Rng rng(75);
  for (int i = 0; i < 260; ++i) {
    const double x = rng.uniform(0, w), y = rng.uniform(0, h), r = rng.uniform(0.6, 1.8);
    const bool pebble = rng.uniform() < 0.3;
    const Rgb colour = pebble ? look.Stone.shade(rng.uniform(-0.3, 0.1))
                              : look.GroundLight.shade(rng.uniform(0.1, 0.4));
    wrapped(x, y, w, h, [&](double px, double py) {
      cairo_new_sub_path(cr);
      cairo_arc(cr, px, py, pebble ? r * 1.4 : r, 0, 2 * M_PI);
    });
    setColour(cr, look.Lit(colour), pebble ? 0.8 : 0.6);
    cairo_fill(cr);
  }
  // Dry grass tufts in the sand.
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_width(cr, 1.1);
  for (int i = 0; i < 10; ++i) {
    const double x = rng.uniform(0, w), y = rng.uniform(0, h);
    for (int blade = 0; blade < 7; ++blade) {
      const double angle = -M_PI / 2 + rng.uniform(-1.1, 1.1), length = rng.uniform(4, 9);
      wrapped(x, y, w, h, [&](double px, double py) {
        cairo_move_to(cr, px, py);
        cairo_line_to(cr, px + std::cos(angle) * length, py + std::sin(angle) * length);
      });
    }
    setColour(cr, look.Lit(Rgb::hex(0x8a8a3a)), 0.75);
    cairo_stroke(cr);
  }
}

void paintSnowSparkle(cairo_t* cr, int w, int h, const LandscapeLook& look) {
  Rng rng(76);
  // Grass and twigs poking through thin snow.
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_width(cr, 1.1);
  for (int i = 0; i < 140; ++i) {
    const double x = rng.uniform(0, w), y = rng.uniform(0, h);
    const double angle = rng.uniform(-0.7, 0.7) - M_PI / 2, length = rng.uniform(2, 5);
    wrapped(x, y, w, h, [&](double px, double py) {
      cairo_move_to(cr, px, py);
      cairo_line_to(cr, px + std::cos(angle) * length, py + std::sin(angle) * length);
    });
  }
  setColour(cr, look.Lit(Rgb::hex(0x5a6a50)), 0.45);
  cairo_stroke(cr);
  // Blue hollows and white glints.
  for (int i = 0; i < 240; ++i) {
    const double x = rng.uniform(0, w), y = rng.uniform(0, h);
    const bool glint = rng.uniform() < 0.6;
    const double r = glint ? 0.9 : rng.uniform(1.5, 3);
    wrapped(x, y, w, h, [&](double px, double py) {
      cairo_new_sub_path(cr);
      cairo_arc(cr, px, py, r, 0, 2 * M_PI);
    });
    setColour(cr, glint ? kWhite : look.GroundDark.shade(-0.12), glint ? 0.9 : 0.35);
    cairo_fill(cr);
  }
}

}  // namespace

void paintGroundTile(cairo_t* cr, int w, int h, Landscape landscape) {
  const LandscapeLook& look = landscapeLook(landscape);
  switch (landscape) {
    case Landscape::Meadow:
      paintGrassTile(cr, w, h);
      break;
    case Landscape::Autumn:
      paintBase(cr, w, h, look, 0.16, 0);
      paintLeafLitter(cr, w, h, look);
      break;
    case Landscape::Coast:
      paintBase(cr, w, h, look, 0.08, 0.035);
      paintSandGrains(cr, w, h, look);
      break;
    case Landscape::Winter:
      paintBase(cr, w, h, look, 0.05, 0);
      paintSnowSparkle(cr, w, h, look);
      break;
  }
}
