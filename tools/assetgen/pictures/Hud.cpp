// The race instruments: speedometer and radar, the top-right plate behind the race texts,
// the needles, the start lights and the spinning start arrows.
#include <algorithm>
#include <array>
#include <cmath>

#include "tools/assetgen/pictures/ArtBook.h"
#include "tools/assetgen/pictures/Effects.h"
#include "tools/assetgen/pictures/Text.h"
#include "tools/assetgen/pictures/Themes.h"

using namespace palette;

namespace {

// Where the game places the speedometer and its needle, in screen pixels.
constexpr double kDashX = 541, kDashY = 427;
constexpr double kNeedleBaseX = 726, kNeedleBaseY = 472;
constexpr double kRadarX = 602, kRadarY = 557;
// Dial sweep: from 135 degrees left of straight up, clockwise over 197 degrees.
constexpr double kDialStart = -135 * M_PI / 180, kDialSweep = 197 * M_PI / 180;

struct Point {
  double x, y;
};

// The needle turns about a point 85 % down its tile; the game places the tile from the
// tile size, so the hub follows the needle picture's size.
Point dialHub() {
  const PictureEntry& needle = tableEntry("speedarrow");
  return {kNeedleBaseX - kDashX,
          kNeedleBaseY - 0.9 * needle.TileWidth + 0.85 * needle.TileHeight - kDashY};
}

Point radarCentre() {
  return {kRadarX - kDashX, kRadarY - kDashY};
}

// Direction of a dial angle measured clockwise from straight up.
Point onDial(Point hub, double angle, double radius) {
  return {hub.x + std::sin(angle) * radius, hub.y - std::cos(angle) * radius};
}

void paintDashboard(cairo_t* cr, const TileRequest& tile) {
  const double w = tile.width, h = tile.height;
  const Point hub = dialHub(), radar = radarCentre();
  const double dialR = std::min({hub.x - radar.x - 4, w - hub.x - 4, hub.y - 2, h - hub.y + 30});
  const double radarR = std::min(radar.x - 4, h - radar.y - 4);
  // Housing: the two bezels joined by a bridge.
  auto housing = [&](cairo_t* c) {
    cairo_new_sub_path(c);
    cairo_arc(c, hub.x, hub.y, dialR + 6, 0, 2 * M_PI);
    cairo_new_sub_path(c);
    cairo_arc(c, radar.x, radar.y, radarR + 5, 0, 2 * M_PI);
    roundedRect(c, radar.x, radar.y - radarR * 0.55, hub.x - radar.x, radarR * 1.3, 10);
  };
  softShadow(cr, housing, 3, 4, 8, 0.6);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  fillLit(cr, housing, kNavy, 0, 0, w, h, 0.35);
  rimLight(cr, housing, 0, 0, w, h, 3, 0.6);
  outline(cr, housing, kNavyDeep.shade(-0.5), 2);
  // Dial face.
  auto face = [&](cairo_t* c) { cairo_arc(c, hub.x, hub.y, dialR, 0, 2 * M_PI); };
  cairo_pattern_t* faceFill = cairo_pattern_create_radial(hub.x - dialR * 0.3, hub.y - dialR * 0.3,
                                                          dialR * 0.1, hub.x, hub.y, dialR);
  addStop(faceFill, 0, Rgb::hex(0x2a3558));
  addStop(faceFill, 1, Rgb::hex(0x0b1020));
  cairo_new_path(cr);
  face(cr);
  cairo_set_source(cr, faceFill);
  cairo_fill(cr);
  cairo_pattern_destroy(faceFill);
  outline(cr, face, kSteel, 2.5);
  // Red zone and ticks.
  cairo_new_path(cr);
  cairo_arc(cr, hub.x, hub.y, dialR - 8, kDialStart + kDialSweep * 0.8 - M_PI / 2,
            kDialStart + kDialSweep - M_PI / 2);
  setColour(cr, kRed);
  cairo_set_line_width(cr, 6);
  cairo_stroke(cr);
  for (int i = 0; i <= 20; ++i) {
    const double angle = kDialStart + kDialSweep * i / 20;
    const bool major = i % 4 == 0;
    const Point a = onDial(hub, angle, dialR - 4),
                b = onDial(hub, angle, dialR - (major ? 16 : 10));
    cairo_move_to(cr, a.x, a.y);
    cairo_line_to(cr, b.x, b.y);
    setColour(cr, i >= 16 ? Rgb::hex(0xffb3b3) : kWhite);
    cairo_set_line_width(cr, major ? 2.5 : 1.2);
    cairo_stroke(cr);
    if (major) {
      TextStyle numbers;
      numbers.family = faces::kBody;
      numbers.sizePx = 10;
      const Point p = onDial(hub, angle, dialR - 26);
      drawText(cr, std::to_string(i / 4 * 40), numbers, p.x, p.y, Align::Centre, Align::Centre);
    }
  }
  TextStyle unit;
  unit.family = faces::kBody;
  unit.sizePx = 9;
  unit.colour = kSteel;
  drawText(cr, "км/ч", unit, hub.x, hub.y + dialR * 0.42, Align::Centre, Align::Centre);
  // Reverse lamp: dark in tile 0, lit amber in tile 1.
  const bool reverse = tile.index == 1;
  const Point lamp = {hub.x + dialR * 0.42, hub.y + dialR * 0.42};
  auto lampDisc = [&](cairo_t* c) { cairo_arc(c, lamp.x, lamp.y, 8, 0, 2 * M_PI); };
  if (reverse) softGlow(cr, lampDisc, 8, kGold, 1.0);
  fillLit(cr, lampDisc, reverse ? kGold : Rgb::hex(0x3a3220), lamp.x - 8, lamp.y - 8, lamp.x + 8,
          lamp.y + 8, 0.3);
  outline(cr, lampDisc, kInk, 1.2);
  TextStyle r;
  r.sizePx = 11;
  r.colour = reverse ? kInk : Rgb::hex(0x7a6a40);
  drawText(cr, "R", r, lamp.x, lamp.y, Align::Centre, Align::Centre);
  // Radar screen.
  auto screen = [&](cairo_t* c) { cairo_arc(c, radar.x, radar.y, radarR, 0, 2 * M_PI); };
  cairo_pattern_t* glow =
      cairo_pattern_create_radial(radar.x, radar.y, 0, radar.x, radar.y, radarR);
  addStop(glow, 0, Rgb::hex(0x1f6b4a));
  addStop(glow, 1, Rgb::hex(0x06261a));
  cairo_new_path(cr);
  screen(cr);
  cairo_set_source(cr, glow);
  cairo_fill(cr);
  cairo_pattern_destroy(glow);
  setColour(cr, Rgb::hex(0x6dffb0), 0.45);
  cairo_set_line_width(cr, 1);
  for (double f : {0.33, 0.66}) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, radar.x, radar.y, radarR * f, 0, 2 * M_PI);
  }
  cairo_move_to(cr, radar.x - radarR, radar.y);
  cairo_line_to(cr, radar.x + radarR, radar.y);
  cairo_move_to(cr, radar.x, radar.y - radarR);
  cairo_line_to(cr, radar.x, radar.y + radarR);
  cairo_stroke(cr);
  outline(cr, screen, kSteel, 2.5);
}

// The radar's glass, drawn over both needles at reduced opacity.
void paintRadarGlass(cairo_t* cr, const TileRequest&) {
  const Point radar = radarCentre();
  const double r = std::min(radar.x - 4, tableEntry("radar").TileHeight - radar.y - 4);
  cairo_new_path(cr);
  cairo_arc(cr, radar.x, radar.y, r, 0, 2 * M_PI);
  setColour(cr, kWhite, 0.9);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  // A crescent reflection on the upper left.
  cairo_new_path(cr);
  cairo_arc(cr, radar.x, radar.y, r - 4, M_PI * 1.05, M_PI * 1.6);
  cairo_arc_negative(cr, radar.x + 5, radar.y + 5, r - 6, M_PI * 1.6, M_PI * 1.05);
  cairo_close_path(cr);
  setColour(cr, kWhite, 0.55);
  cairo_fill(cr);
  setColour(cr, kWhite, 0.5);
  cairo_arc(cr, radar.x + r * 0.4, radar.y + r * 0.4, 3, 0, 2 * M_PI);
  cairo_fill(cr);
}

// Small line icons beside the HUD texts.
enum class RowIcon { Flag, Cup, Stopwatch, Star, LapDone };

void drawRowIcon(cairo_t* cr, RowIcon icon, double x, double y) {
  setColour(cr, kGold);
  cairo_set_line_width(cr, 1.8);
  switch (icon) {
    case RowIcon::Flag:
      cairo_move_to(cr, x - 5, y + 7);
      cairo_line_to(cr, x - 5, y - 7);
      cairo_stroke(cr);
      cairo_rectangle(cr, x - 4, y - 7, 10, 7);
      cairo_fill(cr);
      break;
    case RowIcon::Cup:
      cairo_move_to(cr, x - 6, y - 6);
      cairo_line_to(cr, x + 6, y - 6);
      cairo_curve_to(cr, x + 6, y + 2, x + 2, y + 2, x + 1, y + 2);
      cairo_line_to(cr, x + 1, y + 5);
      cairo_line_to(cr, x + 4, y + 7);
      cairo_line_to(cr, x - 4, y + 7);
      cairo_line_to(cr, x - 1, y + 5);
      cairo_line_to(cr, x - 1, y + 2);
      cairo_curve_to(cr, x - 2, y + 2, x - 6, y + 2, x - 6, y - 6);
      cairo_fill(cr);
      break;
    case RowIcon::Stopwatch:
      cairo_arc(cr, x, y + 1, 6, 0, 2 * M_PI);
      cairo_stroke(cr);
      cairo_move_to(cr, x, y + 1);
      cairo_line_to(cr, x + 3, y - 2);
      cairo_move_to(cr, x - 2, y - 7);
      cairo_line_to(cr, x + 2, y - 7);
      cairo_stroke(cr);
      break;
    case RowIcon::LapDone:  // a lap closed: a circling arrow
      cairo_arc(cr, x, y, 5.5, M_PI * 0.15, M_PI * 1.75);
      cairo_stroke(cr);
      cairo_move_to(cr, x + 7.5, y - 5.5);
      cairo_line_to(cr, x + 6.5, y + 0.5);
      cairo_line_to(cr, x + 1.5, y - 3.5);
      cairo_close_path(cr);
      cairo_fill(cr);
      break;
    case RowIcon::Star:
      for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + M_PI * i / 5, r = i % 2 == 0 ? 7.5 : 3.2;
        cairo_line_to(cr, x + std::cos(a) * r, y + std::sin(a) * r);
      }
      cairo_close_path(cr);
      cairo_fill(cr);
      break;
  }
}

// The plate behind the HUD's four rows of texts (white, from x 643, rows at y 30..90 on
// screen; the plate sits at 560,-3), with the rows' icons.
void paintPlate(cairo_t* cr, const TileRequest& tile, const std::array<RowIcon, 4>& icons) {
  const double w = tile.width, h = tile.height;
  auto plate = [&](cairo_t* c) {
    cairo_move_to(c, 0, -20);
    cairo_line_to(c, w + 20, -20);
    cairo_line_to(c, w + 20, h - 4);
    cairo_line_to(c, 40, h - 4);
    cairo_curve_to(c, 20, h - 4, 14, h - 14, 14, h - 30);
    cairo_line_to(c, 14, 10);
    cairo_close_path(c);
  };
  softShadow(cr, plate, -2, 3, 6, 0.6);
  cairo_pattern_t* fill = cairo_pattern_create_linear(0, 0, 0, h);
  addStop(fill, 0, kNavy);
  addStop(fill, 1, kNavyDeep.shade(-0.35));
  cairo_new_path(cr);
  plate(cr);
  cairo_set_source(cr, fill);
  cairo_fill(cr);
  cairo_pattern_destroy(fill);
  rimLight(cr, plate, 0, 0, w, h, 2, 0.5);
  outline(cr, plate, kGold, 2.5);
  for (int row = 0; row < 4; ++row) drawRowIcon(cr, icons[row], 62, 41 + row * 20);
}

// The race's rows: lap, place, race time, record.
void paintRacePlate(cairo_t* cr, const TileRequest& tile) {
  paintPlate(cr, tile, {RowIcon::Flag, RowIcon::Cup, RowIcon::Stopwatch, RowIcon::Star});
}

// The time trial's rows: lap, its time, the last lap, the best lap.
void paintTrialPlate(cairo_t* cr, const TileRequest& tile) {
  paintPlate(cr, tile, {RowIcon::Flag, RowIcon::Stopwatch, RowIcon::LapDone, RowIcon::Star});
}

// The speedometer needle, pointing up, turning about a point 85 % down the tile.
void paintNeedle(cairo_t* cr, const TileRequest& tile) {
  const double w = tile.width, h = tile.height, pivot = h * 0.85;
  auto needle = [&](cairo_t* c) {
    cairo_move_to(c, w / 2, 1);
    cairo_line_to(c, w / 2 + w * 0.22, pivot);
    cairo_line_to(c, w / 2 + w * 0.18, h - 2);
    cairo_line_to(c, w / 2 - w * 0.18, h - 2);
    cairo_line_to(c, w / 2 - w * 0.22, pivot);
    cairo_close_path(c);
  };
  softGlow(cr, needle, 3, Rgb::hex(0xff5a3a), 0.6);
  fillLit(cr, needle, Rgb::hex(0xff3b2f), 0, 0, w, 0, 0.3);
  outline(cr, needle, Rgb::hex(0x5a0a0a), 1);
  auto cap = [&](cairo_t* c) { cairo_arc(c, w / 2, pivot, w * 0.42, 0, 2 * M_PI); };
  fillLit(cr, cap, kSteel, 0, pivot - w / 2, w, pivot + w / 2, 0.4);
  outline(cr, cap, kInk, 1);
}

// Arrow toward the next check line, pointing up.
void paintRadarArrow(cairo_t* cr, const TileRequest& tile) {
  const double w = tile.width, h = tile.height;
  auto arrow = [&](cairo_t* c) {
    cairo_move_to(c, w / 2, 1);
    cairo_line_to(c, w - 1, h * 0.45);
    cairo_line_to(c, w * 0.66, h * 0.45);
    cairo_line_to(c, w * 0.66, h - 1);
    cairo_line_to(c, w * 0.34, h - 1);
    cairo_line_to(c, w * 0.34, h * 0.45);
    cairo_line_to(c, 1, h * 0.45);
    cairo_close_path(c);
  };
  softGlow(cr, arrow, 3, kGold, 0.7);
  fillLit(cr, arrow, Rgb::hex(0xffd84a), 0, 0, w, h, 0.25);
  outline(cr, arrow, Rgb::hex(0x5a3a00), 1.2);
}

// A ring of curved arrows chasing each other clockwise, open in the middle for the car.
void paintStartArrows(cairo_t* cr, const TileRequest& tile) {
  const double cx = tile.width / 2.0, cy = tile.height / 2.0;
  const double r = std::min(cx, cy) * 0.8, thick = std::min(cx, cy) * 0.14;
  for (int i = 0; i < 4; ++i) {
    const double start = i * M_PI / 2 + 0.18, end = start + M_PI / 2 - 0.62;
    auto arrow = [&](cairo_t* c) {
      cairo_arc(c, cx, cy, r + thick / 2, start, end);
      const double tip = end + 0.32;
      cairo_line_to(c, cx + std::cos(end) * (r + thick * 1.3),
                    cy + std::sin(end) * (r + thick * 1.3));
      cairo_line_to(c, cx + std::cos(tip) * r, cy + std::sin(tip) * r);
      cairo_line_to(c, cx + std::cos(end) * (r - thick * 1.3),
                    cy + std::sin(end) * (r - thick * 1.3));
      cairo_arc_negative(c, cx, cy, r - thick / 2, end, start);
      cairo_close_path(c);
    };
    softGlow(cr, arrow, 4, kGold, 0.8);
    fillLit(cr, arrow, kOrange.mix(kGold, 0.4), cx - r, cy - r, cx + r, cy + r, 0.25);
    outline(cr, arrow, kOrangeDeep.shade(-0.4), 1.5);
  }
}

// Lamp centres of the housing, matching where the game draws the lamp glows.
constexpr double kLampCentresX[3] = {33, 103, 172};
constexpr double kLampCentreY = 35;

void paintLightHousing(cairo_t* cr, const TileRequest& tile) {
  const double w = tile.width, h = tile.height;
  auto body = [&](cairo_t* c) { roundedRect(c, 2, 2, w - 6, h - 6, (h - 6) / 2); };
  softShadow(cr, body, 2, 3, 5, 0.6);
  fillLit(cr, body, Rgb::hex(0x2a2d35), 0, 0, 0, h, 0.3);
  rimLight(cr, body, 0, 0, w, h, 2, 0.55);
  outline(cr, body, kInk, 2);
  for (double x : kLampCentresX) {
    auto socket = [&](cairo_t* c) { cairo_arc(c, x, kLampCentreY, 26, 0, 2 * M_PI); };
    fillLit(cr, socket, Rgb::hex(0x101114), x + 20, kLampCentreY + 20, x - 20, kLampCentreY - 20,
            0.2);
    auto glass = [&](cairo_t* c) { cairo_arc(c, x, kLampCentreY, 21, 0, 2 * M_PI); };
    fillLit(cr, glass, Rgb::hex(0x3a3c44), x - 20, kLampCentreY - 20, x + 20, kLampCentreY + 20,
            0.3);
    outline(cr, glass, kBlack, 1.5);
    setColour(cr, kWhite, 0.25);
    cairo_arc(cr, x - 7, kLampCentreY - 8, 5, 0, 2 * M_PI);
    cairo_fill(cr);
  }
}

// A lit lamp and its halo, centred in the tile.
void paintLampGlow(cairo_t* cr, const TileRequest& tile, Rgb colour) {
  const double cx = tile.width / 2.0, cy = tile.height / 2.0, r = std::min(cx, cy);
  cairo_pattern_t* halo = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
  addStop(halo, 0, colour.shade(0.3), 0.9);
  addStop(halo, 0.3, colour, 0.55);
  addStop(halo, 1, colour, 0);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_set_source(cr, halo);
  cairo_fill(cr);
  cairo_pattern_destroy(halo);
  auto lamp = [&](cairo_t* c) { cairo_arc(c, cx, cy, 21, 0, 2 * M_PI); };
  cairo_pattern_t* core = cairo_pattern_create_radial(cx - 6, cy - 6, 2, cx, cy, 21);
  addStop(core, 0, kWhite);
  addStop(core, 0.45, colour.shade(0.35));
  addStop(core, 1, colour);
  cairo_new_path(cr);
  lamp(cr);
  cairo_set_source(cr, core);
  cairo_fill(cr);
  cairo_pattern_destroy(core);
}

// Three thin debug arrows pointing right from their left middle (never shown in play).
void paintDebugArrow(cairo_t* cr, const TileRequest& tile) {
  const Rgb colours[3] = {kRed, kGold, Rgb::hex(0x3fe0ff)};
  const double w = tile.width, h = tile.height;
  cairo_pattern_t* fade = cairo_pattern_create_linear(0, 0, w, 0);
  addStop(fade, 0, colours[tile.index % 3], 0.3);
  addStop(fade, 1, colours[tile.index % 3], 1);
  cairo_set_source(cr, fade);
  cairo_rectangle(cr, 0, h / 2 - 1, w - h, 2);
  cairo_move_to(cr, w, h / 2);
  cairo_line_to(cr, w - h, 0);
  cairo_line_to(cr, w - h, h);
  cairo_close_path(cr);
  cairo_fill(cr);
  cairo_pattern_destroy(fade);
}

}  // namespace

void addHudArt(ArtBook& book) {
  book.add("speeder", paintDashboard);
  book.add("radar", paintRadarGlass);
  book.add("panel", paintRacePlate);
  book.add("panel_trial", paintTrialPlate);
  book.add("speedarrow", paintNeedle);
  book.add("radararrow", paintRadarArrow);
  book.add("begarrows", paintStartArrows);
  book.add("svetophor", paintLightHousing);
  book.add("redlight",
           [](cairo_t* cr, const TileRequest& t) { paintLampGlow(cr, t, Rgb::hex(0xff2a1f)); });
  book.add("yellowlight",
           [](cairo_t* cr, const TileRequest& t) { paintLampGlow(cr, t, Rgb::hex(0xffc21f)); });
  book.add("greenlight",
           [](cairo_t* cr, const TileRequest& t) { paintLampGlow(cr, t, Rgb::hex(0x2fe05a)); });
  book.add("arrows", paintDebugArrow);
  book.add("groundpoint", [](cairo_t* cr, const TileRequest& t) {
    cairo_arc(cr, t.width / 2.0, t.height / 2.0, std::min(t.width, t.height) / 2.0, 0, 2 * M_PI);
    setColour(cr, kGold);
    cairo_fill(cr);
  });
}
