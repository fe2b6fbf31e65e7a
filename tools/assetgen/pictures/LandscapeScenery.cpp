// The autumn forest's, the coast's and the winter's own scenery: the meadow's trees, firs,
// house, rocks and flower beds drawn again in each landscape's colours and light (palms on
// the coast, snow in winter), and the ponds all landscapes share.
#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "tools/assetgen/pictures/ArtBook.h"
#include "tools/assetgen/pictures/Effects.h"
#include "tools/assetgen/pictures/LandscapeLooks.h"
#include "tools/assetgen/pictures/Noise.h"
#include "tools/assetgen/pictures/SceneryPieces.h"
#include "tools/assetgen/pictures/Themes.h"

using namespace palette;

namespace {

// A palm from above: feathered fronds fanning out from the crown, coconuts in the middle.
void paintPalm(cairo_t* cr, const TileRequest& tile, Rgb frond, uint64_t seed) {
  const double size = std::min(tile.width, tile.height);
  const double cx = tile.width / 2.0, cy = tile.height / 2.0, length = size * 0.46;
  Rng rng(seed);
  const int fronds = 7 + rng.below(3);
  const double twist = rng.uniform(0, M_PI);
  auto frondPath = [&](cairo_t* c, double angle, double reach) {
    const double ex = cx + std::cos(angle) * reach, ey = cy + std::sin(angle) * reach;
    const double nx = -std::sin(angle) * reach * 0.22, ny = std::cos(angle) * reach * 0.22;
    const double mx = (cx + ex) / 2, my = (cy + ey) / 2;
    cairo_move_to(c, cx, cy);
    cairo_curve_to(c, mx + nx, my + ny, ex + nx * 0.3, ey + ny * 0.3, ex, ey);
    cairo_curve_to(c, ex - nx * 0.3, ey - ny * 0.3, mx - nx, my - ny, cx, cy);
    cairo_close_path(c);
  };
  auto all = [&](cairo_t* c) {
    for (int i = 0; i < fronds; ++i) frondPath(c, twist + 2 * M_PI * i / fronds, length);
  };
  softShadow(cr, all, size * 0.06, size * 0.08, size * 0.06, 0.5);
  for (int i = 0; i < fronds; ++i) {
    const double angle = twist + 2 * M_PI * i / fronds;
    const double reach = length * rng.uniform(0.85, 1.0);
    // Fronds facing the light (top left) are lighter.
    const double facing = -(std::cos(angle) + std::sin(angle)) / std::sqrt(2.0);
    cairo_new_path(cr);
    frondPath(cr, angle, reach);
    setColour(cr, frond.shade(facing * 0.18));
    cairo_fill_preserve(cr);
    setColour(cr, frond.shade(-0.5), 0.8);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    // Midrib and leaflet cuts.
    cairo_move_to(cr, cx, cy);
    cairo_line_to(cr, cx + std::cos(angle) * reach, cy + std::sin(angle) * reach);
    for (double t = 0.3; t < 0.95; t += 0.12) {
      const double px = cx + std::cos(angle) * reach * t, py = cy + std::sin(angle) * reach * t;
      const double side = reach * 0.16 * (1 - t);
      cairo_move_to(cr, px - std::sin(angle) * side, py + std::cos(angle) * side);
      cairo_line_to(cr, px + std::cos(angle) * 4, py + std::sin(angle) * 4);
      cairo_move_to(cr, px + std::sin(angle) * side, py - std::cos(angle) * side);
      cairo_line_to(cr, px + std::cos(angle) * 4, py + std::sin(angle) * 4);
    }
    setColour(cr, frond.shade(-0.4), 0.7);
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
  }
  for (int i = 0; i < 3; ++i) {
    const double a = twist + i * 2.1, x = cx + std::cos(a) * size * 0.05,
                 y = cy + std::sin(a) * size * 0.05;
    auto nut = [&](cairo_t* c) { cairo_arc(c, x, y, size * 0.045, 0, 2 * M_PI); };
    fillLit(cr, nut, Rgb::hex(0x6b4a24), x - 4, y - 4, x + 4, y + 4, 0.35);
  }
}

// Small things on the ground of a landscape, the meadow's flowers elsewhere: mushrooms among
// leaves in the autumn forest, shells and starfish on the coast, red berries on bare twigs
// in the snow. `count` of them spread over the tile, placed by the seed.
void paintGroundTrinkets(cairo_t* cr, const TileRequest& t, const LandscapeLook& look, int count,
                         uint64_t seed) {
  Rng rng(seed);
  const double size = std::min(t.width, t.height);
  const double r = size * (count == 1 ? 0.3 : 0.16);
  for (int i = 0; i < count; ++i) {
    const double x = count == 1 ? t.width / 2.0 : rng.uniform(r * 1.3, t.width - r * 1.3);
    const double y = count == 1 ? t.height / 2.0 : rng.uniform(r * 1.3, t.height - r * 1.3);
    const double turn = rng.uniform(0, 2 * M_PI);
    switch (look.Which) {
      case Landscape::Autumn: {
        for (int l = 0; l < 3; ++l) {
          cairo_save(cr);
          cairo_translate(cr, x + rng.uniform(-r, r) * 0.6, y + rng.uniform(-r, r) * 0.6);
          cairo_rotate(cr, rng.uniform(0, M_PI));
          cairo_scale(cr, r * 0.7, r * 0.35);
          cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
          cairo_restore(cr);
          setColour(cr, look.Lit(look.Leaves[rng.below(4)]));
          cairo_fill(cr);
        }
        auto cap = [&](cairo_t* c) { cairo_arc(c, x, y, r * 0.55, 0, 2 * M_PI); };
        softShadow(cr, cap, 1.5, 2, 2, 0.5);
        fillLit(cr, cap, look.Lit(Rgb::hex(0xc8281e)), x - r, y - r, x + r, y + r, 0.35);
        for (int d = 0; d < 5; ++d) {
          cairo_arc(cr, x + std::cos(turn + d * 1.3) * r * 0.3,
                    y + std::sin(turn + d * 1.3) * r * 0.3, r * 0.09, 0, 2 * M_PI);
          cairo_new_sub_path(cr);
        }
        setColour(cr, kWhite, 0.9);
        cairo_fill(cr);
        outline(cr, cap, Rgb::hex(0x5a1410), 1);
        break;
      }
      case Landscape::Coast: {
        // A starfish or a fan shell.
        const bool star = rng.uniform() < 0.5;
        auto shape = [&](cairo_t* c) {
          if (star) {
            for (int k = 0; k < 10; ++k) {
              const double a = turn + M_PI * k / 5, rr = k % 2 ? r * 0.3 : r * 0.75;
              if (k == 0)
                cairo_move_to(c, x + std::cos(a) * rr, y + std::sin(a) * rr);
              else
                cairo_line_to(c, x + std::cos(a) * rr, y + std::sin(a) * rr);
            }
            cairo_close_path(c);
          } else {
            cairo_move_to(c, x, y + r * 0.4);
            cairo_arc(c, x, y + r * 0.4, r * 0.7, M_PI * 1.15, M_PI * 1.85);
            cairo_close_path(c);
          }
        };
        softShadow(cr, shape, 1, 1.5, 1.5, 0.4);
        fillLit(cr, shape, look.Lit(star ? Rgb::hex(0xe8643a) : Rgb::hex(0xf6e6d6)), x - r, y - r,
                x + r, y + r, 0.35);
        outline(cr, shape, star ? Rgb::hex(0x8a2a14) : Rgb::hex(0xa08a70), 1);
        break;
      }
      case Landscape::Winter: {
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        for (int k = 0; k < 4; ++k) {
          const double a = turn + k * 1.6;
          cairo_move_to(cr, x, y);
          cairo_line_to(cr, x + std::cos(a) * r * 0.9, y + std::sin(a) * r * 0.9);
        }
        setColour(cr, look.Lit(kBark.shade(-0.2)));
        cairo_set_line_width(cr, std::max(1.0, r * 0.12));
        cairo_stroke(cr);
        for (int k = 0; k < 5; ++k) {
          const double a = turn + k * 1.27, d = r * rng.uniform(0.3, 0.8);
          auto berry = [&](cairo_t* c) {
            cairo_arc(c, x + std::cos(a) * d, y + std::sin(a) * d, r * 0.14, 0, 2 * M_PI);
          };
          fillLit(cr, berry, Rgb::hex(0xd4202c), x - r, y - r, x + r, y + r, 0.4);
        }
        break;
      }
      case Landscape::Meadow:
        break;
    }
  }
}

// Pond water: a rounded pool with a muddy or sandy bank, ripples and a glint; frozen in
// winter, pale ice with cracks.
void paintWater(cairo_t* cr, const TileRequest& t, const LandscapeLook& look) {
  const double w = t.width, h = t.height, cx = w / 2, cy = h / 2;
  Rng rng(91);
  std::vector<std::array<double, 2>> rim;
  for (int i = 0; i < 14; ++i) {
    const double a = 2 * M_PI * i / 14, k = rng.uniform(0.86, 1.0);
    rim.push_back({cx + std::cos(a) * (w / 2 - 5) * k, cy + std::sin(a) * (h / 2 - 5) * k});
  }
  auto pool = [&](cairo_t* c, double inset) {
    for (size_t i = 0; i < rim.size(); ++i) {
      const auto& p = rim[i];
      const auto& q = rim[(i + 1) % rim.size()];
      const double px = cx + (p[0] - cx) * inset, py = cy + (p[1] - cy) * inset;
      const double mx = cx + ((p[0] + q[0]) / 2 - cx) * inset,
                   my = cy + ((p[1] + q[1]) / 2 - cy) * inset;
      if (i == 0) cairo_move_to(c, mx, my);
      cairo_curve_to(c, px, py, px, py, mx, my);
    }
    cairo_close_path(c);
  };
  const bool ice = look.Which == Landscape::Winter;
  const Rgb bank = ice ? look.GroundDark.shade(-0.1) : look.GroundDark.shade(-0.15);
  fillLit(
      cr, [&](cairo_t* c) { pool(c, 1.0); }, look.Lit(bank), 0, 0, w, h, 0.2);
  const Rgb deep = ice ? Rgb::hex(0x9cc4e4) : Rgb::hex(0x1f5f9a);
  const Rgb shallow = ice ? Rgb::hex(0xdcefff) : Rgb::hex(0x4fa6d8);
  cairo_pattern_t* g = cairo_pattern_create_radial(cx - w * 0.1, cy - h * 0.1, 0, cx, cy, w / 2);
  addStop(g, 0, look.Lit(deep));
  addStop(g, 1, look.Lit(shallow));
  cairo_new_path(cr);
  pool(cr, 0.86);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_save(cr);
  cairo_new_path(cr);
  pool(cr, 0.86);
  cairo_clip(cr);
  cairo_set_line_width(cr, 1.2);
  if (ice) {
    // Cracks from a few points.
    for (int i = 0; i < 5; ++i) {
      double x = cx + rng.uniform(-w * 0.3, w * 0.3), y = cy + rng.uniform(-h * 0.3, h * 0.3);
      cairo_move_to(cr, x, y);
      for (int s = 0; s < 4; ++s) {
        x += rng.uniform(-14, 14);
        y += rng.uniform(-10, 10);
        cairo_line_to(cr, x, y);
      }
    }
    setColour(cr, kWhite, 0.8);
  } else {
    for (int i = 0; i < 4; ++i) {
      const double x = cx + rng.uniform(-w * 0.25, w * 0.2),
                   y = cy + rng.uniform(-h * 0.2, h * 0.2);
      cairo_new_sub_path(cr);
      cairo_arc(cr, x, y, rng.uniform(6, 14), M_PI * 1.1, M_PI * 1.7);
    }
    setColour(cr, kWhite, 0.5);
  }
  cairo_stroke(cr);
  cairo_restore(cr);
  // The glint of the light from the top left.
  cairo_save(cr);
  cairo_translate(cr, cx - w * 0.2, cy - h * 0.18);
  cairo_scale(cr, w * 0.12, h * 0.05);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  setColour(cr, kWhite, 0.55);
  cairo_fill(cr);
}

// The landscape's own drawing of a meadow picture (LandscapePicture finds it by name).
void addLandscapeScenery(ArtBook& book, Landscape land) {
  const LandscapeLook& look = landscapeLook(land);
  auto name = [land](const char* base) { return landscapePictureName(base, land); };
  for (int i = 0; i < 4; ++i) {
    const std::string tree = "tree" + std::to_string(i + 1);
    book.add(name(tree.c_str()), [&look, i](cairo_t* cr, const TileRequest& t) {
      const Rgb leaf = look.Lit(look.Leaves[i]);
      const uint64_t seed = 10 + static_cast<uint64_t>(i);
      if (look.Which == Landscape::Coast) {
        paintPalm(cr, t, leaf, seed);
      } else if (look.Snow > 0) {
        paintTree(cr, t, leaf, seed, kWhite);  // snow lying in clumps on the crown
      } else {
        paintTree(cr, t, leaf, seed, look.Lit(look.Leaves[(i + 2) % 4]));  // turning leaves
      }
    });
  }
  for (int i = 0; i < 2; ++i) {
    book.add(name(i == 0 ? "elka1" : "elka2"), [&look, i](cairo_t* cr, const TileRequest& t) {
      paintFir(cr, t, look.Lit(look.Needles.shade(i * 0.08)), i == 0 ? 8 : 10, look.Snow * 0.9);
    });
  }
  book.add(name("house"), [&look](cairo_t* cr, const TileRequest& t) {
    paintHouse(cr, t, look.Lit(look.Roof), look.Snow);
  });
  book.add(name("rock1"), [&look](cairo_t* cr, const TileRequest& t) {
    paintRock(cr, t, look.Lit(look.Stone), look.Which == Landscape::Autumn, look.Snow);
  });
  book.add(name("threeflowers"), [&look](cairo_t* cr, const TileRequest& t) {
    paintGroundTrinkets(cr, t, look, 3, 500 + static_cast<uint64_t>(t.index));
  });
  book.add(name("monoflower"), [&look](cairo_t* cr, const TileRequest& t) {
    paintGroundTrinkets(cr, t, look, 1, 600 + static_cast<uint64_t>(t.index));
  });
  book.add(name("rom"), [&look](cairo_t* cr, const TileRequest& t) {
    paintGroundTrinkets(cr, t, look, 5, 700 + static_cast<uint64_t>(t.index));
  });
}

}  // namespace

void addLandscapeSceneryArt(ArtBook& book) {
  book.add("water", [](cairo_t* cr, const TileRequest& t) {
    paintWater(cr, t, landscapeLook(Landscape::Meadow));
  });
  book.add("water_winter", [](cairo_t* cr, const TileRequest& t) {
    paintWater(cr, t, landscapeLook(Landscape::Winter));
  });
  for (Landscape land : {Landscape::Autumn, Landscape::Coast, Landscape::Winter}) {
    addLandscapeScenery(book, land);
  }
}
