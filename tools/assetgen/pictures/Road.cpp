// Grass, road pieces, paint on the road, check and finish lines and tyre smoke.
// Every road piece is a function of the same tile-periodic textures, so pieces placed on
// the road grid meet without seams.
#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <tuple>

#include "engine/graphics/RoadGrid.h"
#include "race/RoadShape.h"
#include "tools/assetgen/pictures/ArtBook.h"
#include "tools/assetgen/pictures/Canvas.h"
#include "tools/assetgen/pictures/Effects.h"
#include "tools/assetgen/pictures/LandscapeLooks.h"
#include "tools/assetgen/pictures/Noise.h"
#include "tools/assetgen/pictures/PixelFill.h"
#include "tools/assetgen/pictures/RoadPieces.h"
#include "tools/assetgen/pictures/Themes.h"

using namespace palette;

namespace {

constexpr double kGrid = kRoadTileSize;
constexpr double kKerb = kRoadKerbWidth;
constexpr double kKerbPeriod = 32;  // one red and one white block
constexpr double kDashPeriod = 64;

double coverage(double t, double from, double to) {
  return std::clamp(std::min(t - from, to - t) + 0.5, 0.0, 1.0);
}

// 0 (white) .. 1 (red) along a kerb; red in the middle of each period and at both ends of
// every piece, so kerbs of neighbouring pieces continue the pattern.
double kerbRedness(double phase, double pixelsPerPeriod) {
  return std::clamp(0.5 + std::cos(phase) * pixelsPerPeriod / (2 * M_PI), 0.0, 1.0);
}

Rgb asphaltAt(const RoadLook& look, double x, double y) {
  static const TileableNoise coarse(11, 8), fine(12, 128), speck(13, 256), frost(14, 64);
  const double n = coarse.fractal(x / (kGrid / 8), y / (kGrid / 8), 3);
  const double grain = fine.at(x / 2, y / 2);
  const double dot = speck.at(x, y);
  Rgb c = look.Asphalt.mix(look.AsphaltDark, n);
  c = c.shade((grain - 0.5) * 0.16);
  if (dot > 0.93) c = c.shade(0.12);
  if (dot < 0.05) c = c.shade(-0.15);
  if (look.Frost > 0) {
    // Drifts of pale dust in patches, densest where the patch noise peaks.
    const double patch = frost.fractal(x / 4, y / 4, 2);
    c = c.mix(look.KerbPlain, std::clamp((patch - 0.55) * 2.5, 0.0, 1.0) * look.Frost * 0.5);
  }
  return c;
}

// Phase that completes a whole number of periods over a quarter circle of this radius.
double quarterPhase(double angle, double radius, double period, double* pixelsPerPeriod) {
  const double periods = std::max(1.0, std::round(M_PI / 2 * radius / period));
  *pixelsPerPeriod = M_PI / 2 * radius / periods;
  return angle / (M_PI / 2) * periods * 2 * M_PI;
}

void paintStraight(cairo_t* cr, bool vertical, const RoadLook& look) {
  fillPixels(cr, kRoadTileSize, kRoadTileSize, [vertical, &look](double x, double y) {
    const double along = vertical ? y : x, across = vertical ? x : y;
    return roadPixel(look, x, y, across, 2 * M_PI * along / kKerbPeriod, kKerbPeriod,
                     2 * M_PI * along / kDashPeriod, kDashPeriod);
  });
}

// Quarter turn around the tile corner (cornerX, cornerY): the outer edge of the road is
// the circle of radius kGrid around that corner, the inner edge the corner itself.
void paintTurn(cairo_t* cr, double cornerX, double cornerY, const RoadLook& look) {
  fillPixels(cr, kRoadTileSize, kRoadTileSize, [=, &look](double x, double y) {
    const double dx = std::abs(x - cornerX), dy = std::abs(y - cornerY);
    const double radius = std::hypot(dx, dy), angle = std::atan2(dy, dx);
    double kerbPixels = 0, dashPixels = 0;
    const double kerbPhase =
        radius > kGrid / 2 ? quarterPhase(angle, kGrid - kKerb / 2, kKerbPeriod, &kerbPixels) : 0;
    if (radius <= kGrid / 2) kerbPixels = kKerbPeriod;
    const double dashPhase = quarterPhase(angle, kGrid / 2, kDashPeriod, &dashPixels);
    return roadPixel(look, x, y, kGrid - radius, kerbPhase, kerbPixels, dashPhase, dashPixels);
  });
}

}  // namespace

Rgba roadPixel(const RoadLook& look, double x, double y, double across, double kerbPhase,
               double kerbPixels, double dashPhase, double dashPixels) {
  if (across < -0.5 || across > kGrid + 0.5) return {kBlack, 0};
  const double edgeAlpha = std::min(coverage(across, 0, kGrid), 1.0);
  Rgb c = asphaltAt(look, x, y);
  const double gutter = std::min(across - kKerb, kGrid - kKerb - across);
  c = c.shade(-0.18 * std::exp(-std::max(gutter, 0.0) / 5));
  const double edgeLine =
      std::max(coverage(across, 20, 24), coverage(across, kGrid - 24, kGrid - 20));
  c = c.mix(look.Paint, edgeLine * 0.85);
  const double dashOn =
      std::clamp(0.5 + (std::cos(dashPhase) - 0.2) * dashPixels / (2 * M_PI), 0.0, 1.0);
  c = c.mix(look.Paint, coverage(across, kGrid / 2 - 2.5, kGrid / 2 + 2.5) * dashOn * 0.9);
  const double kerb = std::max(coverage(across, 0, kKerb), coverage(across, kGrid - kKerb, kGrid));
  if (kerb > 0) {
    const Rgb kerbColour = look.KerbPlain.mix(look.KerbStripe, kerbRedness(kerbPhase, kerbPixels));
    const double depth = std::min(across, kGrid - across) / kKerb;  // lighter on the outer lip
    c = c.mix(kerbColour.shade(0.08 - 0.16 * depth), kerb);
  }
  return {c, edgeAlpha};
}

// The ring between one and two cells from the block corner, dashed along its middle; each
// kerb and the dashes complete whole periods over the quarter, like the quarter turns, so
// the cells meet each other and the straights at either end.
void paintWideCurveCell(cairo_t* cr, int32_t variant, const RoadLook& look) {
  double cornerX, cornerY;
  WideCurveCentre(variant, cornerX, cornerY);
  fillPixels(cr, kRoadTileSize, kRoadTileSize, [=, &look](double x, double y) {
    const double dx = std::abs(x - cornerX), dy = std::abs(y - cornerY);
    const double radius = std::hypot(dx, dy), angle = std::atan2(dy, dx);
    const double kerbRadius = radius > 1.5 * kGrid ? 2 * kGrid - kKerb / 2 : kGrid + kKerb / 2;
    double kerbPixels = 0, dashPixels = 0;
    const double kerbPhase = quarterPhase(angle, kerbRadius, kKerbPeriod, &kerbPixels);
    const double dashPhase = quarterPhase(angle, 1.5 * kGrid, kDashPeriod, &dashPixels);
    return roadPixel(look, x, y, 2 * kGrid - radius, kerbPhase, kerbPixels, dashPhase, dashPixels);
  });
}

namespace {

// The distance from the road's near edge as the full road's markings take it, for a road
// `halfWidth` wide each side of its middle, `fromEdge` pixels in from the edge: the kerbs and
// edge lines keep their width along the moved edges; only the lanes between them are squeezed.
double squeezedAcross(double fromEdge, double halfWidth) {
  constexpr double kEdgeBand = 30;  // kerb, gutter and edge line, measured from the edge
  if (fromEdge <= kEdgeBand) return fromEdge;
  return kEdgeBand + (fromEdge - kEdgeBand) * (kGrid / 2 - kEdgeBand) / (halfWidth - kEdgeBand);
}

// A straight whose edges close in toward the middle (a narrowing), or that also swings to
// one side and back (a chicane).
void paintNarrowedStraight(cairo_t* cr, bool vertical, bool swings, const RoadLook& look) {
  fillPixels(cr, kRoadTileSize, kRoadTileSize, [vertical, swings, &look](double x, double y) {
    const double along = vertical ? y : x;
    const double across = (vertical ? x : y) - (swings ? ChicaneShift(along) : 0);
    const double halfWidth = NarrowingHalfWidth(along);
    const double lane = squeezedAcross(halfWidth - std::abs(across - kGrid / 2), halfWidth);
    return roadPixel(look, x, y, across < kGrid / 2 ? lane : kGrid - lane,
                     2 * M_PI * along / kKerbPeriod, kKerbPeriod, 2 * M_PI * along / kDashPeriod,
                     kDashPeriod);
  });
}

}  // namespace

void paintNarrowing(cairo_t* cr, int32_t variant, const RoadLook& look) {
  paintNarrowedStraight(cr, variant == 1, false, look);
}

void paintChicane(cairo_t* cr, int32_t variant, const RoadLook& look) {
  paintNarrowedStraight(cr, variant == 1, true, look);
}

// The half cell between the diagonal's corner and the cell diagonal opposite it. Along the
// road the stripes complete whole periods over the half's length (a cell edge over the
// square root of two, which is also the step to the next half), so halves continue each
// other; at the cell corners where they meet a straight the kerbs are red, as a straight's
// are at its ends.
void paintDiagonal(cairo_t* cr, int32_t variant, const RoadLook& look) {
  double cornerX, cornerY;
  DiagonalCorner(variant, cornerX, cornerY);
  const double kerbPeriod = kDiagonalRoad / std::round(kDiagonalRoad / kKerbPeriod);
  const double dashPeriod = kDiagonalRoad / std::round(kDiagonalRoad / kDashPeriod);
  fillPixels(cr, kRoadTileSize, kRoadTileSize, [=, &look](double x, double y) {
    const double dx = std::abs(x - cornerX), dy = std::abs(y - cornerY);
    const double across = (dx + dy) / std::sqrt(2.0), along = (dx - dy) / std::sqrt(2.0);
    const double halfWidth = kDiagonalRoad / 2;
    const double lane = squeezedAcross(halfWidth - std::abs(across - halfWidth), halfWidth);
    // The dashes are whole where the centre line crosses a cell edge, as a straight's are.
    const double dashAlong = along + kDiagonalRoad / 2;
    return roadPixel(look, x, y, across < halfWidth ? lane : kGrid - lane,
                     2 * M_PI * along / kerbPeriod, kerbPeriod, 2 * M_PI * dashAlong / dashPeriod,
                     dashPeriod);
  });
}

void paintGrassTile(cairo_t* cr, int w, int h) {
  const TileableNoise patches(21, 8), detail(22, 64), tufts(23, 32);
  fillPixels(cr, w, h, [&](double x, double y) {
    const double p = patches.fractal(x * 8 / w, y * 8 / h, 3);
    const double d = detail.at(x * 64 / w, y * 64 / h);
    const double t = tufts.fractal(x * 32 / w, y * 32 / h, 2);
    Rgb c = kGrassDark.mix(kGrassLight, std::clamp(0.2 + p * 0.7, 0.0, 1.0));
    c = c.shade((d - 0.5) * 0.14).mix(kGrassDark.shade(-0.2), std::max(0.0, t - 0.62) * 1.2);
    return Rgba{c, 1.0};
  });
  // Blades of grass, drawn again one tile away where they cross an edge, so the tile wraps.
  Rng rng(24);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < 700; ++i) {
    const double x = rng.uniform(0, w), y = rng.uniform(0, h);
    const double angle = rng.uniform(-0.6, 0.6) - M_PI / 2, length = rng.uniform(3, 7);
    const bool light = rng.uniform() < 0.55;
    const double alpha = rng.uniform(0.25, 0.55);
    for (int ox = -1; ox <= 1; ++ox) {
      for (int oy = -1; oy <= 1; ++oy) {
        const double bx = x + ox * w, by = y + oy * h;
        cairo_move_to(cr, bx, by);
        cairo_line_to(cr, bx + std::cos(angle) * length, by + std::sin(angle) * length);
      }
    }
    setColour(cr, light ? kGrassLight.shade(0.15) : kGrassDark.shade(-0.25), alpha);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
  }
  // A few clover flowers.
  for (int i = 0; i < 4; ++i) {
    const double x = rng.uniform(0, w), y = rng.uniform(0, h);
    const Rgb petal = i % 3 == 0 ? Rgb::hex(0xfff3a0) : kWhite;
    for (int ox = -1; ox <= 1; ++ox) {
      for (int oy = -1; oy <= 1; ++oy) {
        cairo_arc(cr, x + ox * w, y + oy * h, 1.6, 0, 2 * M_PI);
        cairo_new_sub_path(cr);
      }
    }
    setColour(cr, petal, 0.55);
    cairo_fill(cr);
  }
}

void paintRoadPiece(cairo_t* cr, RoadPiece piece, const RoadLook& look) {
  switch (piece) {
    case RoadPiece::Horizontal:
      paintStraight(cr, false, look);
      break;
    case RoadPiece::Vertical:
      paintStraight(cr, true, look);
      break;
    case RoadPiece::TurnRightBottom:
      paintTurn(cr, kGrid, kGrid, look);
      break;
    case RoadPiece::TurnLeftBottom:
      paintTurn(cr, 0, kGrid, look);
      break;
    case RoadPiece::TurnLeftTop:
      paintTurn(cr, 0, 0, look);
      break;
    case RoadPiece::TurnRightTop:
      paintTurn(cr, kGrid, 0, look);
      break;
  }
}

void paintRoadTiles(cairo_t* cr, const std::vector<GridTile>& tiles, const GridFrame& frame,
                    Landscape landscape) {
  static std::map<std::tuple<Landscape, int32_t, int32_t>, std::unique_ptr<Canvas>> pieces;
  const RoadLook& look = landscapeLook(landscape).Road;
  for (const GridTile& t : tiles) {
    auto& piece = pieces[{landscape, t.Kind, t.Variant}];
    if (!piece) {
      static const std::map<int32_t, RoadPiece> kByKind = {
          {1, RoadPiece::Horizontal},      {2, RoadPiece::Vertical},
          {11, RoadPiece::TurnRightTop},   {12, RoadPiece::TurnLeftTop},
          {13, RoadPiece::TurnLeftBottom}, {14, RoadPiece::TurnRightBottom}};
      piece = std::make_unique<Canvas>(kRoadTileSize, kRoadTileSize);
      if (t.Kind == road_piece::WideCurve) {
        paintWideCurveCell(piece->cr(), t.Variant, look);
      } else if (t.Kind == road_piece::Narrowing) {
        paintNarrowing(piece->cr(), t.Variant, look);
      } else if (t.Kind == road_piece::Chicane) {
        paintChicane(piece->cr(), t.Variant, look);
      } else if (t.Kind == road_piece::Diagonal) {
        paintDiagonal(piece->cr(), t.Variant, look);
      } else {
        paintRoadPiece(piece->cr(), kByKind.at(t.Kind), look);
      }
    }
    cairo_save(cr);
    cairo_translate(cr, frame.Left(t), frame.Top(t));
    cairo_scale(cr, frame.Size / kRoadTileSize, frame.Size / kRoadTileSize);
    cairo_set_source_surface(cr, piece->surface(), 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
  }
}

void paintChequeredLine(cairo_t* cr, double cx, double cy, double length, double depth,
                        bool upright) {
  const int cells = std::max(2, static_cast<int>(std::lround(length / (depth / 2))));
  const double cell = length / cells;
  for (int i = 0; i < cells; ++i) {
    for (int j = 0; j < 2; ++j) {
      setColour(cr, (i + j) % 2 ? kKerbWhite : Rgb::hex(0x15161a));
      const double along = -depth / 2 + j * depth / 2, across = -length / 2 + i * cell;
      if (upright) {
        cairo_rectangle(cr, cx + along, cy + across, depth / 2, cell);
      } else {
        cairo_rectangle(cr, cx + across, cy + along, cell, depth / 2);
      }
      cairo_fill(cr);
    }
  }
}

namespace {

// Start-grid box: a worn white bracket open toward the car's nose.
void paintGridBox(cairo_t* cr, const TileRequest& tile) {
  const double w = tile.width, h = tile.height, line = std::max(3.0, w * 0.1);
  cairo_move_to(cr, line / 2 + 1, h - 2);
  cairo_line_to(cr, line / 2 + 1, line / 2 + 1);
  cairo_line_to(cr, w - line / 2 - 1, line / 2 + 1);
  cairo_line_to(cr, w - line / 2 - 1, h - 2);
  setColour(cr, kPaint, 0.9);
  cairo_set_line_width(cr, line);
  cairo_stroke(cr);
  // Wear: asphalt showing through the paint.
  Rng rng(31);
  for (int i = 0; i < 40; ++i) {
    cairo_arc(cr, rng.uniform(0, w), rng.uniform(0, h), rng.uniform(0.5, 1.5), 0, 2 * M_PI);
    cairo_new_sub_path(cr);
  }
  cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
  setColour(cr, kBlack, 0.6);
  cairo_fill(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
}

// Painted chequers on asphalt, slightly worn like the rest of the road markings.
void paintChequer(cairo_t* cr, double w, double h, int rows) {
  const double cell = h / rows;
  const TileableNoise wear(33, 16);
  fillPixels(cr, static_cast<int>(w), static_cast<int>(h), [&](double x, double y) {
    const int row = static_cast<int>(y / cell), col = static_cast<int>(x / cell);
    const Rgb paint = (row + col) % 2 == 0 ? Rgb::hex(0x15161a) : kKerbWhite;
    const double n = wear.fractal(x / 4, y / 4, 2);
    return Rgba{paint.shade((n - 0.5) * 0.25), 1.0};
  });
}

// A glowing square gate, mostly see-through; the game pulses its alpha.
void paintCheckLine(cairo_t* cr, const TileRequest& tile) {
  const double w = tile.width, h = tile.height, inset = 10;
  auto frame = [&](cairo_t* c) { roundedRect(c, inset, inset, w - 2 * inset, h - 2 * inset, 24); };
  cairo_new_path(cr);
  frame(cr);
  setColour(cr, Rgb::hex(0x3fe0ff), 0.08);
  cairo_fill(cr);
  // Glow: the rim stroked wide and faint, then narrower and brighter.
  for (int pass = 0; pass < 4; ++pass)
    outline(cr, frame, Rgb::hex(0x3fe0ff), 20 - pass * 5, 0.12 + pass * 0.1);
  outline(cr, frame, Rgb::hex(0xbff6ff), 4);
  // Corner brackets and a diamond mark in the middle.
  setColour(cr, kWhite, 0.9);
  cairo_set_line_width(cr, 6);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  const double arm = w * 0.14, m = inset + 14;
  for (int cx : {0, 1}) {
    for (int cy : {0, 1}) {
      const double x = cx ? w - m : m, y = cy ? h - m : m;
      const double sx = cx ? -1 : 1, sy = cy ? -1 : 1;
      cairo_move_to(cr, x + sx * arm, y);
      cairo_line_to(cr, x, y);
      cairo_line_to(cr, x, y + sy * arm);
    }
  }
  cairo_stroke(cr);
  const double cx = w / 2, cy = h / 2, r = w * 0.09;
  cairo_move_to(cr, cx, cy - r);
  cairo_line_to(cr, cx + r, cy);
  cairo_line_to(cr, cx, cy + r);
  cairo_line_to(cr, cx - r, cy);
  cairo_close_path(cr);
  setColour(cr, kWhite, 0.55);
  cairo_fill(cr);
}

// Tyre smoke: a puff that grows and thins over the five tiles.
void paintSmoke(cairo_t* cr, const TileRequest& tile) {
  const double w = tile.width, h = tile.height;
  const double t = tile.count > 1 ? static_cast<double>(tile.index) / (tile.count - 1) : 0;
  const double radius = std::min(w, h) * (0.2 + 0.22 * t);
  const double alpha = 0.85 - 0.6 * t;
  Rng rng(41);
  for (int i = 0; i < 6; ++i) {
    const double angle = rng.uniform(0, 2 * M_PI), spread = radius * 0.45 * (0.5 + t);
    const double x = w / 2 + std::cos(angle) * spread * rng.uniform(0.3, 1);
    const double y = h / 2 + std::sin(angle) * spread * rng.uniform(0.3, 1);
    const double r = radius * rng.uniform(0.55, 0.8);
    cairo_pattern_t* puff = cairo_pattern_create_radial(x - r * 0.2, y - r * 0.2, 0, x, y, r);
    addStop(puff, 0, Rgb::hex(0xf2f2f2), alpha * 0.8);
    addStop(puff, 0.6, Rgb::hex(0xd0d0d4), alpha * 0.45);
    addStop(puff, 1, Rgb::hex(0xb8b8be), 0);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    cairo_set_source(cr, puff);
    cairo_fill(cr);
    cairo_pattern_destroy(puff);
  }
}

}  // namespace

void addRoadArt(ArtBook& book) {
  for (int i = 0; i < kLandscapeCount; ++i) {
    const Landscape land = static_cast<Landscape>(i);
    const RoadLook& road = landscapeLook(land).Road;
    book.add(landscapePictureName("grass", land), [land](cairo_t* cr, const TileRequest& tile) {
      paintGroundTile(cr, tile.width, tile.height, land);
    });
    book.add(landscapePictureName("roadstr", land), [&road](cairo_t* cr, const TileRequest&) {
      paintRoadPiece(cr, RoadPiece::Horizontal, road);
    });
    book.add(landscapePictureName("roadstrvert", land), [&road](cairo_t* cr, const TileRequest&) {
      paintRoadPiece(cr, RoadPiece::Vertical, road);
    });
    // Tile 0 joins the right and bottom edges, 1 left and bottom, 2 left and top, 3 right
    // and top: each turns around the tile corner between its two open edges.
    book.add(landscapePictureName("roadroters", land),
             [&road](cairo_t* cr, const TileRequest& tile) {
               const RoadPiece turns[4] = {RoadPiece::TurnRightBottom, RoadPiece::TurnLeftBottom,
                                           RoadPiece::TurnLeftTop, RoadPiece::TurnRightTop};
               paintRoadPiece(cr, turns[tile.index % 4], road);
             });
    book.add(landscapePictureName("roadwide", land), [&road](cairo_t* cr, const TileRequest& tile) {
      paintWideCurveCell(cr, tile.index, road);
    });
    book.add(
        landscapePictureName("roadnarrow", land),
        [&road](cairo_t* cr, const TileRequest& tile) { paintNarrowing(cr, tile.index, road); });
    book.add(landscapePictureName("roadchicane", land),
             [&road](cairo_t* cr, const TileRequest& tile) { paintChicane(cr, tile.index, road); });
    book.add(landscapePictureName("roaddiag", land), [&road](cairo_t* cr, const TileRequest& tile) {
      paintDiagonal(cr, tile.index, road);
    });
  }
  book.add("inplace", paintGridBox);
  book.add("startline", [](cairo_t* cr, const TileRequest& tile) {
    paintChequer(cr, tile.width, tile.height, 2);
  });
  book.add("fline", [](cairo_t* cr, const TileRequest& tile) {
    paintChequer(cr, tile.width, tile.height, 2);
  });
  book.add("checkline", paintCheckLine);
  book.add("dim", paintSmoke);
}
