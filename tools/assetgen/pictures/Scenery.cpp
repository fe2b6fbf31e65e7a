// Things beside the road, seen from above: trees, firs, a house, rocks, arches, walls
// and flower beds. All lit from the top left like the rest of the game.
#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

#include "tools/assetgen/pictures/ArtBook.h"
#include "tools/assetgen/pictures/Effects.h"
#include "tools/assetgen/pictures/Noise.h"
#include "tools/assetgen/pictures/SceneryPieces.h"
#include "tools/assetgen/pictures/Themes.h"

using namespace palette;

namespace {

// A lumpy round crown: a ring of overlapping leaf clusters around a core.
void drawCrown(cairo_t* cr, double cx, double cy, double radius, Rgb leaf, uint64_t seed,
               int lobes) {
  Rng rng(seed);
  std::vector<std::array<double, 3>> blobs;
  blobs.push_back({cx, cy, radius * 0.62});
  for (int i = 0; i < lobes; ++i) {
    const double angle = 2 * M_PI * i / lobes + rng.uniform(-0.2, 0.2);
    const double r = radius * rng.uniform(0.3, 0.38);
    const double d = radius - r;
    blobs.push_back({cx + std::cos(angle) * d, cy + std::sin(angle) * d, r});
  }
  auto crown = [&](cairo_t* c) {
    for (const auto& b : blobs) {
      cairo_new_sub_path(c);
      cairo_arc(c, b[0], b[1], b[2], 0, 2 * M_PI);
    }
  };
  softShadow(cr, crown, radius * 0.1, radius * 0.14, radius * 0.16, 0.5);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  cairo_new_path(cr);
  crown(cr);
  setColour(cr, leaf.shade(-0.45));
  cairo_fill(cr);
  // Each cluster lit from the top left, smaller highlights on top.
  for (const auto& b : blobs) {
    cairo_pattern_t* g = cairo_pattern_create_radial(b[0] - b[2] * 0.35, b[1] - b[2] * 0.35,
                                                     b[2] * 0.1, b[0], b[1], b[2]);
    addStop(g, 0, leaf.shade(0.25));
    addStop(g, 0.7, leaf);
    addStop(g, 1, leaf.shade(-0.3));
    cairo_arc(cr, b[0], b[1], b[2] * 0.94, 0, 2 * M_PI);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
  for (int i = 0; i < lobes * 3; ++i) {
    const double angle = rng.uniform(0, 2 * M_PI), d = rng.uniform(0, radius * 0.75);
    const double x = cx + std::cos(angle) * d, y = cy + std::sin(angle) * d;
    const double r = radius * rng.uniform(0.08, 0.14);
    setColour(cr, leaf.shade(x + y < cx + cy ? 0.3 : -0.2), 0.7);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    cairo_fill(cr);
  }
}

}  // namespace

void paintTree(cairo_t* cr, const TileRequest& tile, Rgb leaf, uint64_t seed, Rgb dots) {
  const double size = std::min(tile.width, tile.height);
  const double cx = tile.width / 2.0, cy = tile.height / 2.0, radius = size * 0.43;
  drawCrown(cr, cx, cy, radius, leaf, seed, 9);
  if (dots.r + dots.g + dots.b > 0) {  // blossom or fruit
    Rng rng(seed + 7);
    for (int i = 0; i < 26; ++i) {
      const double angle = rng.uniform(0, 2 * M_PI), d = radius * std::sqrt(rng.uniform(0, 0.8));
      const double x = cx + std::cos(angle) * d, y = cy + std::sin(angle) * d;
      setColour(cr, dots.shade(rng.uniform(-0.1, 0.25)));
      cairo_arc(cr, x, y, size * 0.025, 0, 2 * M_PI);
      cairo_fill(cr);
    }
  }
}

// A fir seen from above: stacked star-shaped tiers narrowing to the tip.
void paintFir(cairo_t* cr, const TileRequest& tile, Rgb needles, int points, double snow) {
  const double size = std::min(tile.width, tile.height);
  const double cx = tile.width / 2.0, cy = tile.height / 2.0;
  auto star = [&](cairo_t* c, double radius, double twist) {
    for (int i = 0; i < points * 2; ++i) {
      const double angle = M_PI * i / points + twist;
      const double r = i % 2 == 0 ? radius : radius * 0.62;
      if (i == 0) {
        cairo_move_to(c, cx + std::cos(angle) * r, cy + std::sin(angle) * r);
      } else {
        cairo_line_to(c, cx + std::cos(angle) * r, cy + std::sin(angle) * r);
      }
    }
    cairo_close_path(c);
  };
  const double outer = size * 0.46;
  softShadow(
      cr, [&](cairo_t* c) { star(c, outer, 0); }, size * 0.05, size * 0.07, size * 0.08, 0.5);
  for (int tier = 0; tier < 4; ++tier) {
    const double r = outer * (1 - tier * 0.22), twist = tier * M_PI / points / 2;
    const Rgb tone = needles.shade(-0.25 + tier * 0.13).mix(kWhite, snow * (tier + 1) / 4);
    auto shape = [&](cairo_t* c) { star(c, r, twist); };
    fillLit(cr, shape, tone, cx - r, cy - r, cx + r, cy + r, 0.18);
    outline(cr, shape, needles.shade(-0.6), 1, 0.7);
  }
  setColour(cr, kBark.shade(0.1));
  cairo_arc(cr, cx, cy, size * 0.035, 0, 2 * M_PI);
  cairo_fill(cr);
}

// A gabled roof from above with a chimney.
void paintHouse(cairo_t* cr, const TileRequest& tile, Rgb roofColour, double snow) {
  const Rgb roofTiles = roofColour.mix(kWhite, snow);
  const double w = tile.width, h = tile.height, m = 6;
  auto roof = [&](cairo_t* c) { cairo_rectangle(c, m, m, w - 2 * m, h - 2 * m); };
  softShadow(cr, roof, 3, 5, 6, 0.55);
  const double ridge = h / 2;
  // Lit slope (top) and shaded slope (bottom).
  cairo_rectangle(cr, m, m, w - 2 * m, ridge - m);
  setColour(cr, roofTiles.shade(0.12));
  cairo_fill(cr);
  cairo_rectangle(cr, m, ridge, w - 2 * m, h - m - ridge);
  setColour(cr, roofTiles.shade(-0.22));
  cairo_fill(cr);
  // Tile rows.
  cairo_set_line_width(cr, 1);
  for (double y = m + 7; y < h - m; y += 7) {
    if (std::abs(y - ridge) < 3) continue;
    cairo_move_to(cr, m, y);
    cairo_line_to(cr, w - m, y);
  }
  setColour(cr, kBlack, 0.25);
  cairo_stroke(cr);
  Rng rng(51);
  for (double y = m; y < h - m; y += 7) {
    for (double x = m + rng.uniform(0, 10); x < w - m; x += 12) {
      cairo_move_to(cr, x, y);
      cairo_line_to(cr, x, std::min(y + 7, h - m));
    }
  }
  setColour(cr, kBlack, 0.12);
  cairo_stroke(cr);
  // Ridge cap.
  auto cap = [&](cairo_t* c) { cairo_rectangle(c, m - 1, ridge - 3, w - 2 * m + 2, 6); };
  fillLit(cr, cap, roofTiles.shade(-0.35), 0, ridge - 3, 0, ridge + 3, 0.3);
  outline(cr, roof, roofTiles.shade(-0.6), 2);
  auto chimney = [&](cairo_t* c) { cairo_rectangle(c, w * 0.68, h * 0.2, w * 0.12, h * 0.14); };
  softShadow(cr, chimney, 3, 4, 3, 0.5);
  fillLit(cr, chimney, Rgb::hex(0x9a8f86), w * 0.68, h * 0.2, w * 0.8, h * 0.34, 0.3);
  outline(cr, chimney, kInk, 1.2);
  cairo_rectangle(cr, w * 0.7, h * 0.22, w * 0.08, h * 0.1);
  setColour(cr, kInk, 0.85);
  cairo_fill(cr);
}

// A faceted boulder; every tile is a different stone.
void paintRock(cairo_t* cr, const TileRequest& tile, Rgb stoneColour, bool moss, double snow) {
  const double w = tile.width, h = tile.height, cx = w / 2, cy = h / 2;
  Rng rng(61 + static_cast<uint64_t>(tile.index) * 13);
  const int corners = 7 + rng.below(3);
  std::vector<std::array<double, 2>> outlinePoints;
  for (int i = 0; i < corners; ++i) {
    const double angle = 2 * M_PI * i / corners + rng.uniform(-0.2, 0.2);
    const double r = std::min(w, h) * rng.uniform(0.34, 0.44);
    outlinePoints.push_back({cx + std::cos(angle) * r, cy + std::sin(angle) * r * 0.92});
  }
  auto stone = [&](cairo_t* c) {
    cairo_move_to(c, outlinePoints[0][0], outlinePoints[0][1]);
    for (const auto& p : outlinePoints) cairo_line_to(c, p[0], p[1]);
    cairo_close_path(c);
  };
  softShadow(cr, stone, w * 0.05, h * 0.07, w * 0.07, 0.55);
  const Rgb base = stoneColour.shade(rng.uniform(-0.12, 0.08));
  fillLit(cr, stone, base, 0, 0, w, h, 0.2);
  // Facets: triangles to a raised top point, shaded by which way they face.
  const double topX = cx - w * 0.08, topY = cy - h * 0.08;
  for (size_t i = 0; i < outlinePoints.size(); ++i) {
    const auto& a = outlinePoints[i];
    const auto& b = outlinePoints[(i + 1) % outlinePoints.size()];
    const double nx = (a[0] + b[0]) / 2 - cx, ny = (a[1] + b[1]) / 2 - cy;
    const double facing = -(nx + ny) / (std::hypot(nx, ny) * std::sqrt(2.0));
    cairo_move_to(cr, topX, topY);
    cairo_line_to(cr, a[0], a[1]);
    cairo_line_to(cr, b[0], b[1]);
    cairo_close_path(cr);
    setColour(cr, base.shade(facing * 0.28));
    cairo_fill_preserve(cr);
    setColour(cr, kBlack, 0.18);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
  }
  // Snow on the lit top, moss on some stones.
  if (snow > 0) {
    cairo_save(cr);
    cairo_new_path(cr);
    stone(cr);
    cairo_clip(cr);
    for (int i = 0; i < 4; ++i) {
      cairo_arc(cr, topX + rng.uniform(-w * 0.12, w * 0.05),
                topY + rng.uniform(-h * 0.12, h * 0.05), w * rng.uniform(0.14, 0.22), 0, 2 * M_PI);
      cairo_new_sub_path(cr);
    }
    setColour(cr, kWhite.mix(Rgb::hex(0xc8d8f0), 0.2), snow);
    cairo_fill(cr);
    cairo_restore(cr);
  } else if (moss && tile.index % 2 == 1) {
    for (int i = 0; i < 5; ++i) {
      setColour(cr, kLeafLight.shade(-0.2), 0.55);
      cairo_arc(cr, cx + rng.uniform(-w * 0.2, w * 0.1), cy + rng.uniform(0, h * 0.25),
                w * rng.uniform(0.04, 0.07), 0, 2 * M_PI);
      cairo_fill(cr);
    }
  }
  outline(cr, stone, kInk.mix(base, 0.3), 1.5);
}

namespace {

// An arch across the track seen from above: two pillars and the span between them. Tile 0
// stone, tile 1 a red-and-white sponsor gantry, tile 2 a blue inflatable arch.
void paintArch(cairo_t* cr, const TileRequest& tile) {
  const double w = tile.width, h = tile.height;
  const double pillar = std::min(h * 0.8, w * 0.24), span = pillar * 0.55;
  const int style = tile.index % 3;
  auto all = [&](cairo_t* c) {
    roundedRect(c, 3, (h - pillar) / 2, pillar, pillar, style == 2 ? pillar / 2 : 4);
    roundedRect(c, w - 3 - pillar, (h - pillar) / 2, pillar, pillar, style == 2 ? pillar / 2 : 4);
    roundedRect(c, pillar * 0.5, (h - span) / 2, w - pillar, span, style == 2 ? span / 2 : 2);
  };
  softShadow(cr, all, 4, 6, 6, 0.55);
  const Rgb colours[3] = {Rgb::hex(0x9c978c), kKerbRed, Rgb::hex(0x2c7be5)};
  const Rgb base = colours[style];
  auto beam = [&](cairo_t* c) {
    roundedRect(c, pillar * 0.5, (h - span) / 2, w - pillar, span, style == 2 ? span / 2 : 2);
  };
  fillLit(cr, beam, base, 0, (h - span) / 2, 0, (h + span) / 2, 0.3);
  cairo_save(cr);
  cairo_new_path(cr);
  beam(cr);
  cairo_clip(cr);
  if (style == 0) {  // stone blocks
    setColour(cr, kBlack, 0.25);
    cairo_set_line_width(cr, 1);
    for (double x = pillar; x < w - pillar; x += h * 0.3) {
      cairo_move_to(cr, x, 0);
      cairo_line_to(cr, x, h);
    }
    cairo_stroke(cr);
  } else if (style == 1) {  // white sponsor panels
    setColour(cr, kWhite);
    for (double x = pillar * 0.9; x < w - pillar; x += h * 0.7) {
      cairo_rectangle(cr, x, (h - span) / 2 + 3, h * 0.35, span - 6);
    }
    cairo_fill(cr);
  } else {  // inflatable seams
    setColour(cr, kWhite, 0.5);
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, pillar * 0.5, h / 2);
    cairo_line_to(cr, w - pillar * 0.5, h / 2);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
  outline(cr, beam, base.shade(-0.55), 1.5);
  for (int side : {0, 1}) {
    const double x = side ? w - 3 - pillar : 3;
    auto post = [&](cairo_t* c) {
      roundedRect(c, x, (h - pillar) / 2, pillar, pillar, style == 2 ? pillar / 2 : 4);
    };
    fillLit(cr, post, base.shade(style == 1 ? -0.1 : 0.05), x, (h - pillar) / 2, x + pillar,
            (h + pillar) / 2, 0.3);
    rimLight(cr, post, x, (h - pillar) / 2, x + pillar, (h + pillar) / 2, 2, 0.5);
    outline(cr, post, base.shade(-0.55), 1.5);
  }
}

// A concrete barrier of blocks with red-and-white hazard caps at both ends.
void paintWall(cairo_t* cr, const TileRequest& tile, bool vertical) {
  const double w = tile.width, h = tile.height;
  const double length = vertical ? h : w, thick = vertical ? w : h;
  cairo_save(cr);
  if (vertical) {
    cairo_translate(cr, w, 0);
    cairo_rotate(cr, M_PI / 2);
  }
  const double m = 3;
  auto wall = [&](cairo_t* c) { roundedRect(c, m, m, length - 2 * m, thick - 2 * m, 4); };
  softShadow(cr, wall, 2, 3, 4, 0.5);
  fillLit(cr, wall, kConcrete, 0, m, 0, thick - m, 0.25);
  cairo_save(cr);
  cairo_new_path(cr);
  wall(cr);
  cairo_clip(cr);
  const double block = thick * 2.2;
  setColour(cr, kBlack, 0.28);
  cairo_set_line_width(cr, 1.5);
  for (double x = block; x < length - m; x += block) {
    cairo_move_to(cr, x, 0);
    cairo_line_to(cr, x, thick);
  }
  cairo_stroke(cr);
  // Hazard stripes on the end blocks.
  for (int end : {0, 1}) {
    const double x0 = end ? length - block : 0;
    for (double x = x0 - thick; x < x0 + block; x += thick * 0.7) {
      cairo_move_to(cr, x, thick);
      cairo_line_to(cr, x + thick * 0.35, thick);
      cairo_line_to(cr, x + thick * 0.35 + thick, 0);
      cairo_line_to(cr, x + thick, 0);
      cairo_close_path(cr);
    }
    cairo_save(cr);
    cairo_rectangle(cr, x0, 0, block, thick);
    cairo_clip(cr);
    setColour(cr, kKerbRed);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_new_path(cr);
  }
  // A centre groove along the top.
  setColour(cr, kWhite, 0.35);
  cairo_rectangle(cr, 0, thick * 0.3, length, 1.5);
  cairo_fill(cr);
  cairo_restore(cr);
  rimLight(cr, wall, 0, m, 0, thick - m, 2, 0.5);
  outline(cr, wall, kConcrete.shade(-0.6), 1.5);
  cairo_restore(cr);
}

// A stack of old tyres seen from above: three rings in a cluster.
void paintTyreStack(cairo_t* cr, const TileRequest& tile) {
  const double w = tile.width, h = tile.height, r = std::min(w, h) * 0.24;
  const double centres[3][2] = {{w * 0.32, h * 0.36}, {w * 0.68, h * 0.36}, {w * 0.5, h * 0.68}};
  for (const auto& c : centres) {
    auto tyre = [&](cairo_t* cc) { cairo_arc(cc, c[0], c[1], r, 0, 2 * M_PI); };
    softShadow(cr, tyre, 2, 3, 3, 0.5);
    fillLit(cr, tyre, Rgb::hex(0x2a2b30), c[0] - r, c[1] - r, c[0] + r, c[1] + r, 0.3);
    cairo_new_path(cr);
    cairo_arc(cr, c[0], c[1], r * 0.78, 0, 2 * M_PI);
    setColour(cr, kWhite, 0.8);
    cairo_set_line_width(cr, r * 0.12);
    cairo_stroke(cr);
    cairo_arc(cr, c[0], c[1], r * 0.45, 0, 2 * M_PI);
    setColour(cr, Rgb::hex(0x101114));
    cairo_fill(cr);
    outline(cr, tyre, kBlack, 1.2);
  }
}

struct FlowerLook {
  Rgb petal;
  Rgb centre;
  int petals;
};

const std::array<FlowerLook, 9> kFlowerLooks = {{
    {Rgb::hex(0xf24d6b), Rgb::hex(0xffd23a), 5},
    {Rgb::hex(0xffd23a), Rgb::hex(0xb5561c), 8},
    {Rgb::hex(0x8e5bf0), Rgb::hex(0xfff1a8), 5},
    {Rgb::hex(0xffffff), Rgb::hex(0xf3b324), 12},
    {Rgb::hex(0xff8a1f), Rgb::hex(0x6b3410), 6},
    {Rgb::hex(0x4fa3ff), Rgb::hex(0xffffff), 5},
    {Rgb::hex(0xff5fb8), Rgb::hex(0xffffff), 7},
    {Rgb::hex(0xe8282c), Rgb::hex(0x1a1a1a), 4},
    {Rgb::hex(0xfff07a), Rgb::hex(0xf07a1e), 10},
}};

void drawFlower(cairo_t* cr, double x, double y, double r, const FlowerLook& look, double turn) {
  for (int i = 0; i < look.petals; ++i) {
    const double angle = turn + 2 * M_PI * i / look.petals;
    cairo_save(cr);
    cairo_translate(cr, x + std::cos(angle) * r * 0.5, y + std::sin(angle) * r * 0.5);
    cairo_rotate(cr, angle);
    cairo_scale(cr, 1, look.petals > 8 ? 0.35 : 0.6);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, r * 0.55, 0, 2 * M_PI);
    cairo_restore(cr);
  }
  setColour(cr, look.petal);
  cairo_fill_preserve(cr);
  setColour(cr, look.petal.shade(-0.45), 0.8);
  cairo_set_line_width(cr, std::max(0.6, r * 0.06));
  cairo_stroke(cr);
  cairo_arc(cr, x, y, r * 0.28, 0, 2 * M_PI);
  setColour(cr, look.centre);
  cairo_fill(cr);
  setColour(cr, kWhite, 0.5);
  cairo_arc(cr, x - r * 0.08, y - r * 0.08, r * 0.1, 0, 2 * M_PI);
  cairo_fill(cr);
}

void drawLeaf(cairo_t* cr, double x, double y, double length, double angle) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  cairo_move_to(cr, 0, 0);
  cairo_curve_to(cr, length * 0.3, -length * 0.3, length * 0.8, -length * 0.2, length, 0);
  cairo_curve_to(cr, length * 0.8, length * 0.2, length * 0.3, length * 0.3, 0, 0);
  cairo_restore(cr);
  setColour(cr, kLeafLight);
  cairo_fill_preserve(cr);
  setColour(cr, kLeaf.shade(-0.4));
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
}

// Flowers scattered over a w x h area with leaves under them.
void drawFlowerBed(cairo_t* cr, double x0, double y0, double w, double h, int count, double radius,
                   uint64_t seed, const FlowerLook& look) {
  Rng rng(seed);
  std::vector<std::array<double, 2>> spots;
  for (int i = 0; i < count; ++i) {
    spots.push_back({x0 + radius + rng.uniform(0, std::max(0.0, w - 2 * radius)),
                     y0 + radius + rng.uniform(0, std::max(0.0, h - 2 * radius))});
  }
  for (const auto& s : spots) {
    for (int l = 0; l < 2; ++l) drawLeaf(cr, s[0], s[1], radius * 1.5, rng.uniform(0, 2 * M_PI));
  }
  for (const auto& s : spots) {
    drawFlower(cr, s[0], s[1], radius * rng.uniform(0.8, 1.1), look, rng.uniform(0, M_PI));
  }
}

const FlowerLook kDaisy = {kWhite, Rgb::hex(0xf3c623), 12};

const Rgb kAppleRed = Rgb::hex(0xe0302c), kBlossomPink = Rgb::hex(0xffb3d1);
const Rgb kAppleLeaf = Rgb::hex(0x3c8c2a), kAutumnLeaf = Rgb::hex(0xd98a1c);
const Rgb kBlossomLeaf = Rgb::hex(0x5aa04a), kSpruce = Rgb::hex(0x2f6f6a);

}  // namespace

void paintScenery(cairo_t* cr, SceneryKind kind, double cx, double cy, double size) {
  cairo_save(cr);
  cairo_translate(cr, cx - size / 2, cy - size / 2);
  const TileRequest tile{static_cast<int>(size), static_cast<int>(size), 0, 1};
  switch (kind) {
    case SceneryKind::Tree:
      paintTree(cr, tile, kLeaf, 1, kBlack);
      break;
    case SceneryKind::AppleTree:
      paintTree(cr, tile, kAppleLeaf, 2, kAppleRed);
      break;
    case SceneryKind::AutumnTree:
      paintTree(cr, tile, kAutumnLeaf, 3, kBlack);
      break;
    case SceneryKind::BlossomTree:
      paintTree(cr, tile, kBlossomLeaf, 4, kBlossomPink);
      break;
    case SceneryKind::Fir:
      paintFir(cr, tile, kFir, 8);
      break;
    case SceneryKind::Spruce:
      paintFir(cr, tile, kSpruce, 10);
      break;
  }
  cairo_restore(cr);
}

void addSceneryArt(ArtBook& book) {
  const std::pair<const char*, SceneryKind> plants[] = {
      {"tree1", SceneryKind::Tree},       {"tree2", SceneryKind::AppleTree},
      {"tree3", SceneryKind::AutumnTree}, {"tree4", SceneryKind::BlossomTree},
      {"elka1", SceneryKind::Fir},        {"elka2", SceneryKind::Spruce}};
  for (const auto& [name, kind] : plants) {
    book.add(name, [kind = kind](cairo_t* cr, const TileRequest& t) {
      paintScenery(cr, kind, t.width / 2.0, t.height / 2.0, std::min(t.width, t.height));
    });
  }
  book.add("house", [](cairo_t* cr, const TileRequest& t) { paintHouse(cr, t); });
  book.add("koleso1", paintTyreStack);
  book.add("rock1", [](cairo_t* cr, const TileRequest& t) { paintRock(cr, t); });
  book.add("ark", paintArch);
  book.add("horwall", [](cairo_t* cr, const TileRequest& t) { paintWall(cr, t, false); });
  book.add("vertwall", [](cairo_t* cr, const TileRequest& t) { paintWall(cr, t, true); });
  book.add("threeflowers", [](cairo_t* cr, const TileRequest& t) {
    // Three flowers in a triangle, turned differently in each tile.
    const FlowerLook& look = kFlowerLooks[static_cast<size_t>(t.index * 2 % 9)];
    const double size = std::min(t.width, t.height), r = size * 0.17;
    const double turn = t.index * 1.1;
    double spots[3][2];
    for (int i = 0; i < 3; ++i) {
      const double a = turn + i * 2 * M_PI / 3;
      spots[i][0] = t.width / 2.0 + std::cos(a) * size * 0.22;
      spots[i][1] = t.height / 2.0 + std::sin(a) * size * 0.22;
    }
    for (const auto& s : spots) {
      drawLeaf(cr, s[0], s[1], r * 1.5, turn + s[0]);
      drawLeaf(cr, s[0], s[1], r * 1.5, turn + s[1] + 2);
    }
    for (const auto& s : spots) drawFlower(cr, s[0], s[1], r, look, turn + s[0] * 0.1);
  });
  book.add("monoflower", [](cairo_t* cr, const TileRequest& t) {
    const double r = std::min(t.width, t.height) * 0.4;
    drawLeaf(cr, t.width / 2.0, t.height / 2.0, r * 1.2, 0.8);
    drawLeaf(cr, t.width / 2.0, t.height / 2.0, r * 1.2, 3.5);
    drawFlower(cr, t.width / 2.0, t.height / 2.0, r, kFlowerLooks[static_cast<size_t>(t.index % 9)],
               0.3);
  });
  book.add("rom", [](cairo_t* cr, const TileRequest& t) {
    drawFlowerBed(cr, 0, 0, t.width, t.height, 7, std::min(t.width, t.height) * 0.11,
                  200 + static_cast<uint64_t>(t.index), kDaisy);
  });
  book.add("romhor", [](cairo_t* cr, const TileRequest& t) {
    drawFlowerBed(cr, 0, 0, t.width, t.height, t.width / 12, t.height * 0.24,
                  300 + static_cast<uint64_t>(t.index), kDaisy);
  });
  book.add("romver", [](cairo_t* cr, const TileRequest& t) {
    drawFlowerBed(cr, 0, 0, t.width, t.height, t.height / 12, t.width * 0.24,
                  400 + static_cast<uint64_t>(t.index), kDaisy);
  });
}
