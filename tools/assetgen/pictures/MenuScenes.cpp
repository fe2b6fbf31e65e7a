// Full-screen menu pictures and their decorations: backgrounds, splash, emblem, title,
// screen overlays, pointer, lamps, glass glint and stat bar.
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>
#include <vector>

#include "engine/graphics/RoadGrid.h"
#include "tools/assetgen/pictures/ArtBook.h"
#include "tools/assetgen/pictures/Canvas.h"
#include "tools/assetgen/pictures/CarModels.h"
#include "tools/assetgen/pictures/CompiledTracks.h"
#include "tools/assetgen/pictures/Effects.h"
#include "tools/assetgen/pictures/Noise.h"
#include "tools/assetgen/pictures/RoadPieces.h"
#include "tools/assetgen/pictures/SceneryPieces.h"
#include "tools/assetgen/pictures/Text.h"
#include "tools/assetgen/pictures/Themes.h"
#include "tools/assetgen/pictures/UiKit.h"
#include "tools/trackc/lib/TrackCompiler.h"

using namespace palette;

namespace {

void paintGrassArea(cairo_t* cr, double w, double h) {
  Canvas grass(kRoadTileSize, kRoadTileSize);
  paintGrassTile(grass.cr(), kRoadTileSize, kRoadTileSize);
  cairo_pattern_t* pattern = cairo_pattern_create_for_surface(grass.surface());
  cairo_pattern_set_extend(pattern, CAIRO_EXTEND_REPEAT);
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_set_source(cr, pattern);
  cairo_fill(cr);
  cairo_pattern_destroy(pattern);
}

// The demo course the menus' computer cars drive (Data/data1.prd, screen coordinates): its
// road pieces, found from its path, and a chequered line just ahead of the start grid.
void paintDemoCourse(cairo_t* cr) {
  const std::vector<TrackRecord>& records = compiledTrack(1);
  std::vector<std::pair<int32_t, std::pair<double, double>>> ordered;
  const TrackRecord* firstSlot = nullptr;
  for (const TrackRecord& r : records) {
    if (r.Kind == track_kind::PathPoint) ordered.push_back({r.B, {r.X, r.Y}});
    if (r.Kind == track_kind::StartSlot && r.B == 1) firstSlot = &r;
  }
  std::sort(ordered.begin(), ordered.end());
  std::vector<std::pair<double, double>> path;
  for (const auto& p : ordered) path.push_back(p.second);
  GridFrame frame;
  const std::vector<GridTile> tiles = RoadFromPath(path, frame);
  if (tiles.empty() || !firstSlot) {
    throw std::runtime_error("the demo course data1.prd is not a loop of road pieces with a start");
  }
  paintRoadTiles(cr, tiles, frame, Landscape::Meadow);  // the menus lie in the meadow
  const double scale = frame.Size / kRoadTileSize;
  const double heading = firstSlot->A * M_PI / 180;
  const bool upright = std::fabs(std::cos(heading)) > 0.5;  // the road runs east-west
  double x = firstSlot->X + std::cos(heading) * kFirstSlotBehindLine * scale;
  double y = firstSlot->Y + std::sin(heading) * kFirstSlotBehindLine * scale;
  // Across the road's whole width: centred on the piece's middle line.
  const GridTile at{static_cast<int>(std::floor((x - frame.OriginX) / frame.Size)),
                    static_cast<int>(std::floor((y - frame.OriginY) / frame.Size)), 1};
  if (upright)
    y = frame.Top(at) + frame.Size / 2;
  else
    x = frame.Left(at) + frame.Size / 2;
  paintChequeredLine(cr, x, y, frame.Size - 2 * kRoadKerbWidth * scale, 20, upright);
}

void paintMainBackground(cairo_t* cr, const TileRequest& t) {
  paintGrassArea(cr, t.width, t.height);
  paintDemoCourse(cr);
  // Trees in the infield and outside the corners.
  const struct {
    SceneryKind kind;
    double x, y, size;
  } plants[] = {{SceneryKind::Tree, 300, 300, 90},        {SceneryKind::Fir, 395, 285, 70},
                {SceneryKind::BlossomTree, 500, 305, 95}, {SceneryKind::Spruce, 360, 345, 60},
                {SceneryKind::AutumnTree, 450, 350, 70},  {SceneryKind::Fir, 28, 46, 60},
                {SceneryKind::Tree, 772, 60, 70},         {SceneryKind::AppleTree, 30, 570, 70},
                {SceneryKind::Spruce, 770, 568, 64}};
  for (const auto& p : plants) paintScenery(cr, p.kind, p.x, p.y, p.size);
  drawGreetingStrip(cr);
}

// "Brindle Karts" in the title face: gold letters, dark outline, soft shadow.
void drawTitle(cairo_t* cr, double cx, double cy, double sizePx, double maxWidth) {
  TextStyle title;
  title.family = faces::kTitle;
  title.italic = true;
  title.sizePx = sizePx;
  title.colour = kGold;
  title.outlineWidth = sizePx * 0.07;
  title.outlineColour = kNavyDeep;
  title.shadowOpacity = 0.6;
  title = fitText(cr, "Brindle Karts", title, maxWidth);
  drawText(cr, "Brindle Karts", title, cx, cy, Align::Centre, Align::Centre);
  // A lighter upper half over the letters.
  TextStyle shine = title;
  shine.outlineWidth = 0;
  shine.shadowOpacity = 0;
  shine.colour = Rgb::hex(0xffe98a);
  cairo_save(cr);
  cairo_rectangle(cr, 0, 0, 4000, cy - sizePx * 0.08);
  cairo_clip(cr);
  drawText(cr, "Brindle Karts", shine, cx, cy, Align::Centre, Align::Centre);
  cairo_restore(cr);
}

void paintTitleLettering(cairo_t* cr, const TileRequest& t) {
  drawTitle(cr, t.width / 2.0, t.height / 2.0, t.height * 0.78, t.width - 40);
}

// A thin gold frame around the screen edge with ornamental corners, leaving the middle
// clear for whatever the screen shows.
void drawScreenFrame(cairo_t* cr, double w, double h) {
  auto frame = [&](cairo_t* c) {
    cairo_rectangle(c, 0, 0, w, h);
    roundedRect(c, 10, 44, w - 20, h - 54, 22);
  };
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_new_path(cr);
  frame(cr);
  cairo_clip(cr);
  cairo_rectangle(cr, 0, 40, w, h - 40);
  cairo_pattern_t* fill = cairo_pattern_create_linear(0, 0, w, h);
  addStop(fill, 0, kNavyLight);
  addStop(fill, 1, kNavyDeep);
  cairo_set_source(cr, fill);
  cairo_fill(cr);
  cairo_pattern_destroy(fill);
  cairo_reset_clip(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  auto inner = [&](cairo_t* c) { roundedRect(c, 10, 44, w - 20, h - 54, 22); };
  outline(cr, inner, kGold, 3);
  for (int cx : {0, 1}) {
    for (int cy : {0, 1}) {
      const double x = cx ? w - 14 : 14, y = cy ? h - 14 : 48;
      auto stud = [&](cairo_t* c) { cairo_arc(c, x, y, 7, 0, 2 * M_PI); };
      fillLit(cr, stud, kGold, x - 7, y - 7, x + 7, y + 7, 0.4);
      outline(cr, stud, kNavyDeep, 1.2);
    }
  }
}

void paintTitleOverlay(cairo_t* cr, const TileRequest& t) {
  drawScreenFrame(cr, t.width, t.height);
  drawTitle(cr, t.width / 2.0, 71, 56, 520);
}

// The heading plate of the options and help screens; the game writes the heading on it.
void paintSpecialFrame(cairo_t* cr, const TileRequest& t) {
  drawScreenFrame(cr, t.width, t.height);
  auto plate = [](cairo_t* c) { roundedRect(c, 268, 43, 300, 64, 18); };
  softShadow(cr, plate, 3, 4, 6, 0.5);
  fillLit(cr, plate, kCream, 268, 43, 268, 107, 0.08);
  outline(cr, plate, kGold, 3);
  auto inner = [](cairo_t* c) { roundedRect(c, 275, 49, 286, 52, 13); };
  outline(cr, inner, kOrange, 1.2, 0.7);
}

// Track and car screens: frame, caption, name plate at (419, 68) and the boxes the screen
// fills in.
void drawChooserBase(cairo_t* cr, double w, double h, const char* caption) {
  drawScreenFrame(cr, w, h);
  auto namePlate = [](cairo_t* c) { roundedRect(c, 284, 54, 270, 44, 14); };
  softShadow(cr, namePlate, 3, 4, 6, 0.5);
  fillLit(cr, namePlate, kCream, 284, 54, 284, 98, 0.08);
  outline(cr, namePlate, kGold, 3);
  TextStyle small;
  small.sizePx = 15;
  small.colour = kGold;
  small.outlineWidth = 1.5;
  small.outlineColour = kNavyDeep;
  drawText(cr, caption, small, 30, 64, Align::Start, Align::Centre);
}

void paintTrackChooser(cairo_t* cr, const TileRequest& t) {
  drawChooserBase(cr, t.width, t.height, "ВЫБОР ТРЕКА");
  // Window behind the preview (the preview is drawn over it at 312,156).
  const PictureEntry& preview = tableEntry("tr_track1");
  auto window = [&](cairo_t* c) {
    roundedRect(c, 304, 148, preview.TileWidth + 16, preview.TileHeight + 16, 12);
  };
  softShadow(cr, window, 3, 5, 8, 0.55);
  fillLit(cr, window, kNavy, 304, 148, 304 + preview.TileWidth, 148 + preview.TileHeight, 0.3);
  outline(cr, window, kGold, 3);
  drawPanelPlate(cr, 318, 372, 290, 160, 16);
}

void paintCarChooser(cairo_t* cr, const TileRequest& t) {
  drawChooserBase(cr, t.width, t.height, "ВЫБОР МАШИНЫ");
  const PictureEntry& bar = tableEntry("bar");
  const char* labels[4] = {"Скорость", "Разгон", "Поворот", "Управляемость"};
  const double rows[4] = {392, 437, 482, 528};
  const double barX = 380;
  drawPanelPlate(cr, 120, 380, barX + bar.TileWidth + 10 - 120, 4 * 45 + 8, 16);
  for (int i = 0; i < 4; ++i) {
    drawDarkWell(cr, barX - 4, rows[i] - 3, bar.TileWidth + 8, bar.TileHeight + 6,
                 (bar.TileHeight + 6) / 2.0);
    TextStyle label;
    label.sizePx = 17;
    label.colour = kWhite;
    label.outlineWidth = 1.5;
    label.outlineColour = kNavyDeep;
    drawText(cr, labels[i], label, barX - 14, rows[i] + bar.TileHeight / 2.0, Align::End,
             Align::Centre);
  }
  // The showroom window, over the top of the bars' plate.
  const PictureEntry& car = tableEntry("c_car1");
  auto window = [&](cairo_t* c) {
    roundedRect(c, 257, 125, car.TileWidth + 16, car.TileHeight + 16, 16);
  };
  softShadow(cr, window, 3, 5, 8, 0.55);
  fillLit(cr, window, kNavy, 257, 125, 257 + car.TileWidth, 125 + car.TileHeight, 0.3);
  outline(cr, window, kGold, 3);
}

// Splash backdrop: a deep blue studio with a chequered floor fading into the distance and
// a dark band where the loading text appears.
void paintSplashBackground(cairo_t* cr, const TileRequest& t) {
  const double w = t.width, h = t.height;
  cairo_pattern_t* bg = cairo_pattern_create_radial(w / 2, h * 0.4, 30, w / 2, h * 0.45, w * 0.75);
  addStop(bg, 0, Rgb::hex(0x2c4a8a));
  addStop(bg, 0.6, kNavyDeep);
  addStop(bg, 1, Rgb::hex(0x05070f));
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_set_source(cr, bg);
  cairo_fill(cr);
  cairo_pattern_destroy(bg);
  // Perspective chequered floor.
  const double horizon = h * 0.5;
  for (int row = 0; row < 14; ++row) {
    const double y0 = horizon + std::pow(row / 14.0, 1.8) * (h - horizon);
    const double y1 = horizon + std::pow((row + 1) / 14.0, 1.8) * (h - horizon);
    for (int col = -12; col < 12; ++col) {
      if ((row + col) % 2 == 0) continue;
      const double spread0 = 0.15 + 0.85 * (y0 - horizon) / (h - horizon);
      const double spread1 = 0.15 + 0.85 * (y1 - horizon) / (h - horizon);
      cairo_move_to(cr, w / 2 + col * 70 * spread0, y0);
      cairo_line_to(cr, w / 2 + (col + 1) * 70 * spread0, y0);
      cairo_line_to(cr, w / 2 + (col + 1) * 70 * spread1, y1);
      cairo_line_to(cr, w / 2 + col * 70 * spread1, y1);
      cairo_close_path(cr);
    }
  }
  setColour(cr, kWhite, 0.07);
  cairo_fill(cr);
  // Light streaks.
  Rng rng(81);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < 26; ++i) {
    const double y = rng.uniform(40, h - 40), x = rng.uniform(-100, w), len = rng.uniform(80, 260);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + len, y);
    setColour(cr, i % 3 == 0 ? kGold : kWhite, rng.uniform(0.04, 0.12));
    cairo_set_line_width(cr, rng.uniform(1, 3));
    cairo_stroke(cr);
  }
  // Dark band under "ЗАГРУЗКА..." (written at 306,312).
  cairo_pattern_t* band = cairo_pattern_create_linear(0, 290, 0, 410);
  addStop(band, 0, kBlack, 0);
  addStop(band, 0.2, kBlack, 0.55);
  addStop(band, 0.8, kBlack, 0.55);
  addStop(band, 1, kBlack, 0);
  cairo_rectangle(cr, 0, 290, w, 120);
  cairo_set_source(cr, band);
  cairo_fill(cr);
  cairo_pattern_destroy(band);
}

// The splash's central picture: a shield with a kart bursting forward.
void paintSplashImage(cairo_t* cr, const TileRequest& t) {
  const double w = t.width, h = t.height;
  auto shield = [&](cairo_t* c) {
    cairo_move_to(c, w / 2, h - 6);
    cairo_curve_to(c, w * 0.2, h * 0.8, 8, h * 0.55, 8, h * 0.25);
    cairo_line_to(c, 8, 14);
    cairo_curve_to(c, w * 0.35, 22, w * 0.65, 22, w - 8, 14);
    cairo_line_to(c, w - 8, h * 0.25);
    cairo_curve_to(c, w - 8, h * 0.55, w * 0.8, h * 0.8, w / 2, h - 6);
    cairo_close_path(c);
  };
  softShadow(cr, shield, 4, 6, 10, 0.6);
  fillLit(cr, shield, kNavyLight, 0, 0, w, h, 0.3);
  cairo_save(cr);
  cairo_new_path(cr);
  shield(cr);
  cairo_clip(cr);
  for (int i = 0; i < 8; ++i) {
    cairo_move_to(cr, w / 2, h * 0.45);
    const double a = -M_PI / 2 + (i - 3.5) * 0.28;
    cairo_line_to(cr, w / 2 + std::cos(a - 0.07) * h, h * 0.45 + std::sin(a - 0.07) * h);
    cairo_line_to(cr, w / 2 + std::cos(a + 0.07) * h, h * 0.45 + std::sin(a + 0.07) * h);
    cairo_close_path(cr);
  }
  setColour(cr, kGold, 0.18);
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_save(cr);
  cairo_translate(cr, w / 2, h * 0.5);
  cairo_rotate(cr, M_PI);
  const double scale = std::min(w * 0.6 / kCarUnitWidth, h * 0.62 / kCarUnitLength);
  cairo_scale(cr, scale, scale);
  drawCar(cr, CarKind::Roadster, 0);
  cairo_restore(cr);
  rimLight(cr, shield, 0, 0, w, h, 3, 0.6);
  outline(cr, shield, kGold, 4);
}

// The game's emblem: a steering wheel in a chequered ring with the initials.
void paintEmblem(cairo_t* cr, const TileRequest& t) {
  const double cx = t.width / 2.0, cy = t.height / 2.0, r = std::min(cx, cy) - 8;
  auto disc = [&](cairo_t* c) { cairo_arc(c, cx, cy, r, 0, 2 * M_PI); };
  softShadow(cr, disc, 4, 6, 10, 0.6);
  fillLit(cr, disc, kNavy, cx - r, cy - r, cx + r, cy + r, 0.3);
  // Chequered ring.
  const int cells = 32;
  for (int ring = 0; ring < 2; ++ring) {
    for (int i = 0; i < cells; ++i) {
      if ((i + ring) % 2) continue;
      const double a0 = 2 * M_PI * i / cells, a1 = 2 * M_PI * (i + 1) / cells;
      const double r0 = r * (0.8 + ring * 0.09), r1 = r * (0.89 + ring * 0.09);
      cairo_new_sub_path(cr);
      cairo_arc(cr, cx, cy, r1, a0, a1);
      cairo_arc_negative(cr, cx, cy, r0, a1, a0);
      cairo_close_path(cr);
    }
  }
  setColour(cr, kWhite);
  cairo_fill(cr);
  // Steering wheel.
  auto rim = [&](cairo_t* c) {
    cairo_arc(c, cx, cy, r * 0.68, 0, 2 * M_PI);
    cairo_new_sub_path(c);
    cairo_arc_negative(c, cx, cy, r * 0.56, 2 * M_PI, 0);
  };
  softShadow(cr, rim, 2, 3, 4, 0.5);
  fillLit(cr, rim, kSteel, cx - r, cy - r, cx + r, cy + r, 0.35);
  outline(cr, rim, kNavyDeep, 1.5);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (double a : {M_PI * 0.5, M_PI * 1.17, M_PI * 1.83}) {
    cairo_move_to(cr, cx + std::cos(a) * r * 0.25, cy + std::sin(a) * r * 0.25);
    cairo_line_to(cr, cx + std::cos(a) * r * 0.58, cy + std::sin(a) * r * 0.58);
  }
  setColour(cr, kSteel.shade(-0.2));
  cairo_set_line_width(cr, r * 0.09);
  cairo_stroke(cr);
  TextStyle initials;
  initials.family = faces::kTitle;
  initials.italic = true;
  initials.sizePx = r * 0.62;
  initials.colour = kGold;
  initials.outlineWidth = r * 0.04;
  initials.outlineColour = kNavyDeep;
  initials.shadowOpacity = 0.5;
  drawText(cr, "BK", initials, cx, cy, Align::Centre, Align::Centre);
  rimLight(cr, disc, cx - r, cy - r, cx + r, cy + r, 4, 0.6);
  outline(cr, disc, kGold, 5);
}

void paintChequeredSquare(cairo_t* cr, const TileRequest& t) {
  const double w = t.width, h = t.height, m = 6;
  auto square = [&](cairo_t* c) { roundedRect(c, m, m, w - 2 * m, h - 2 * m, 10); };
  softShadow(cr, square, 3, 4, 5, 0.5);
  cairo_save(cr);
  cairo_new_path(cr);
  square(cr);
  cairo_clip(cr);
  const double cell = (w - 2 * m) / 5;
  for (int row = 0; row < 5; ++row) {
    for (int col = 0; col < 5; ++col) {
      setColour(cr, (row + col) % 2 ? kKerbWhite : Rgb::hex(0x15161a));
      cairo_rectangle(cr, m + col * cell, m + row * cell, cell, cell);
      cairo_fill(cr);
    }
  }
  cairo_restore(cr);
  rimLight(cr, square, m, m, w - m, h - m, 2.5, 0.5);
  outline(cr, square, kGold, 2.5);
}

// Pointer: an orange arrow with its tip on the tile's top-left pixel; a glint runs along
// it over the eight tiles.
void paintPointer(cairo_t* cr, const TileRequest& t) {
  const double s = std::min(t.width, t.height) / 32.0;
  cairo_scale(cr, s, s);
  auto arrow = [](cairo_t* c) {
    cairo_move_to(c, 1.5, 1.5);
    cairo_line_to(c, 1.5, 24);
    cairo_line_to(c, 7.5, 18.5);
    cairo_line_to(c, 12, 28);
    cairo_line_to(c, 16, 26);
    cairo_line_to(c, 11.5, 17);
    cairo_line_to(c, 19.5, 17);
    cairo_close_path(c);
  };
  softShadow(cr, arrow, 1.5, 2, 2.5, 0.5);
  fillLit(cr, arrow, kOrange, 0, 0, 16, 28, 0.3);
  const double phase = static_cast<double>(t.index) / t.count;
  cairo_save(cr);
  cairo_new_path(cr);
  arrow(cr);
  cairo_clip(cr);
  const double d = -10 + phase * 44;
  cairo_pattern_t* glint = cairo_pattern_create_linear(d - 6, d - 6, d + 6, d + 6);
  addStop(glint, 0, kWhite, 0);
  addStop(glint, 0.5, kWhite, 0.85);
  addStop(glint, 1, kWhite, 0);
  cairo_paint(cr);
  cairo_set_source(cr, glint);
  cairo_paint(cr);
  cairo_pattern_destroy(glint);
  cairo_restore(cr);
  outline(cr, arrow, kNavyDeep, 1.5);
  auto inner = [](cairo_t* c) {
    cairo_move_to(c, 3.5, 5.5);
    cairo_line_to(c, 3.5, 19);
  };
  outline(cr, inner, kWhite, 1, 0.6);
}

void paintLampLight(cairo_t* cr, const TileRequest& t) {
  const double cx = t.width / 2.0, cy = t.height / 2.0;
  const double rx = t.width / 2.0, ry = t.height / 2.0;
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_pattern_t* glow = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
  addStop(glow, 0, kWhite, 1);
  addStop(glow, 0.18, Rgb::hex(0xfff0b0), 0.95);
  addStop(glow, 0.5, kGold, 0.45);
  addStop(glow, 1, kOrange, 0);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_set_source(cr, glow);
  cairo_fill(cr);
  cairo_pattern_destroy(glow);
  cairo_restore(cr);
}

// Glass glint over the showroom picture (drawn at 230,137, the picture at 265,133): two soft
// diagonal bands, kept inside the picture's window.
void paintGlint(cairo_t* cr, const TileRequest& t) {
  const PictureEntry& car = tableEntry("c_car1");
  const double left = 265 - 230, top = 0;
  const double w = std::min<double>(car.TileWidth, t.width - left);
  const double h = std::min<double>(car.TileHeight - 4, t.height);
  cairo_save(cr);
  roundedRect(cr, left, top, w, h, 14);
  cairo_clip(cr);
  for (int band = 0; band < 2; ++band) {
    const double x = left + w * (0.12 + band * 0.2), width = band == 0 ? 70 : 28;
    cairo_move_to(cr, x, 0);
    cairo_line_to(cr, x + width, 0);
    cairo_line_to(cr, x + width - h * 0.6, h);
    cairo_line_to(cr, x - h * 0.6, h);
    cairo_close_path(cr);
    cairo_pattern_t* fade = cairo_pattern_create_linear(0, 0, 0, h);
    addStop(fade, 0, kWhite, 0.42);
    addStop(fade, 1, kWhite, 0.05);
    cairo_set_source(cr, fade);
    cairo_fill(cr);
    cairo_pattern_destroy(fade);
  }
  cairo_restore(cr);
}

// The car screen's stat bar; squeezed from its left edge by the car's value.
void paintStatBar(cairo_t* cr, const TileRequest& t) {
  const double w = t.width, h = t.height;
  auto bar = [&](cairo_t* c) { roundedRect(c, 1, 1, w - 2, h - 2, (h - 2) / 2); };
  cairo_pattern_t* fill = cairo_pattern_create_linear(0, 0, w, 0);
  addStop(fill, 0, Rgb::hex(0x2fbf5a));
  addStop(fill, 0.6, kGold);
  addStop(fill, 1, kOrange);
  cairo_new_path(cr);
  bar(cr);
  cairo_set_source(cr, fill);
  cairo_fill(cr);
  cairo_pattern_destroy(fill);
  cairo_pattern_t* gloss = cairo_pattern_create_linear(0, 0, 0, h);
  addStop(gloss, 0, kWhite, 0.55);
  addStop(gloss, 0.5, kWhite, 0.05);
  addStop(gloss, 1, kBlack, 0.2);
  cairo_new_path(cr);
  bar(cr);
  cairo_set_source(cr, gloss);
  cairo_fill(cr);
  cairo_pattern_destroy(gloss);
  outline(cr, bar, kNavyDeep, 1.5);
}

}  // namespace

void addMenuSceneArt(ArtBook& book) {
  book.add("mainback", paintMainBackground);
  book.add("splash_back", paintSplashBackground);
  book.add("splash_image", paintSplashImage);
  book.add("logo", paintEmblem);
  book.add("name", paintTitleLettering);
  book.add("splash_square", paintChequeredSquare);
  book.add("scr_title", paintTitleOverlay);
  book.add("spec_fon", paintSpecialFrame);
  book.add("scr_choose", paintTrackChooser);
  book.add("scr_choosecar", paintCarChooser);
  book.add("mousecursor", paintPointer);
  book.add("light1", paintLampLight);
  book.add("light2", paintLampLight);
  book.add("blik", paintGlint);
  book.add("bar", paintStatBar);
}
