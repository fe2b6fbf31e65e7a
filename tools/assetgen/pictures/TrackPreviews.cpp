// Previews of the twelve tracks on the track screen, and the picture of a locked track.
// Each preview shows the compiled track the catalogue pairs with it, seen from above: its
// road pieces, scenery and start, with the number the catalogue shows.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/graphics/RoadGrid.h"
#include "race/GameConstants.h"
#include "tools/assetgen/pictures/ArtBook.h"
#include "tools/assetgen/pictures/CompiledTracks.h"
#include "tools/assetgen/pictures/Effects.h"
#include "tools/assetgen/pictures/LandscapeLooks.h"
#include "tools/assetgen/pictures/Noise.h"
#include "tools/assetgen/pictures/RoadPieces.h"
#include "tools/assetgen/pictures/Text.h"
#include "tools/assetgen/pictures/Themes.h"
#include "tools/trackc/lib/Obstacles.h"
#include "tools/trackc/lib/TrackView.h"

using namespace palette;

namespace {

// A smooth closed loop: a wobbly ellipse whose wobble depends on the seed.
std::vector<std::array<double, 2>> circuitPoints(uint64_t seed, double w, double h) {
  Rng rng(seed);
  double amp[4], phase[4];
  for (int k = 0; k < 4; ++k) {
    amp[k] = rng.uniform(0.04, 0.2) / (1 + k * 0.6);
    phase[k] = rng.uniform(0, 2 * M_PI);
  }
  const double stretch = rng.uniform(0.8, 1.15), tilt = rng.uniform(-0.5, 0.5);
  std::vector<std::array<double, 2>> points;
  for (int i = 0; i < 240; ++i) {
    const double a = 2 * M_PI * i / 240;
    double r = 1;
    for (int k = 0; k < 4; ++k) r += amp[k] * std::sin((k + 2) * a + phase[k]);
    const double x = std::cos(a) * r * w * 0.34 * stretch, y = std::sin(a) * r * h * 0.31 / stretch;
    points.push_back({w / 2 + x * std::cos(tilt) - y * std::sin(tilt) * 0.4,
                      h / 2 + y * std::cos(tilt) + x * std::sin(tilt) * 0.3});
  }
  return points;
}

void tracePath(cairo_t* cr, const std::vector<std::array<double, 2>>& points) {
  cairo_move_to(cr, points[0][0], points[0][1]);
  for (const auto& p : points) cairo_line_to(cr, p[0], p[1]);
  cairo_close_path(cr);
}

void paintCircuit(cairo_t* cr, double w, double h, uint64_t seed) {
  cairo_save(cr);
  cairo_scale(cr, 0.5, 0.5);
  paintGrassTile(cr, static_cast<int>(w * 2), static_cast<int>(h * 2));
  cairo_restore(cr);
  const auto points = circuitPoints(seed, w, h);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  softShadow(
      cr, [&](cairo_t* c) { tracePath(c, points); }, 2, 3, 4, 0.3);
  const double widths[3] = {24, 20, 2};
  const Rgb colours[3] = {kKerbRed, kAsphalt, kPaint};
  for (int layer = 0; layer < 3; ++layer) {
    cairo_new_path(cr);
    tracePath(cr, points);
    setColour(cr, colours[layer]);
    cairo_set_line_width(cr, widths[layer]);
    if (layer == 2) {
      const double dash[2] = {6, 6};
      cairo_set_dash(cr, dash, 2, 0);
    }
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
  }
  // Kerb stripes: white dashes over the red edge band.
  cairo_new_path(cr);
  tracePath(cr, points);
  const double dash[2] = {4, 4};
  cairo_set_dash(cr, dash, 2, 0);
  setColour(cr, kKerbWhite);
  cairo_set_line_width(cr, 24);
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
  cairo_new_path(cr);
  tracePath(cr, points);
  setColour(cr, kAsphalt);
  cairo_set_line_width(cr, 19);
  cairo_stroke(cr);
  cairo_new_path(cr);
  tracePath(cr, points);
  cairo_set_dash(cr, dash, 2, 0);
  setColour(cr, kPaint, 0.8);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
  // Chequered start line across the bottom of the loop.
  const auto& start = points[60];
  for (int i = 0; i < 6; ++i) {
    setColour(cr, i % 2 ? kKerbWhite : kInk);
    cairo_rectangle(cr, start[0] - 2 + (i / 3) * 3, start[1] - 9 + (i % 3) * 6, 3, 6);
    cairo_fill(cr);
  }
  // A few trees.
  Rng rng(seed + 99);
  for (int i = 0; i < 6; ++i) {
    const double x = w / 2 + rng.uniform(-0.12, 0.12) * w, y = h / 2 + rng.uniform(-0.1, 0.1) * h;
    auto crown = [&](cairo_t* c) { cairo_arc(c, x, y, rng.uniform(5, 9), 0, 2 * M_PI); };
    softShadow(cr, crown, 1.5, 2, 2, 0.5);
    fillLit(cr, crown, kLeaf, x - 8, y - 8, x + 8, y + 8, 0.3);
  }
}

void drawFrameAndLabel(cairo_t* cr, double w, double h, const std::string& label) {
  TextStyle style;
  style.sizePx = 15;
  const double labelW = measureText(cr, label, style).width + 22;
  auto pill = [&](cairo_t* c) { roundedRect(c, 8, h - 32, labelW, 24, 12); };
  softShadow(cr, pill, 1.5, 2, 3, 0.5);
  fillLit(cr, pill, kNavy, 8, h - 32, 8, h - 8, 0.25);
  outline(cr, pill, kGold, 1.5);
  drawText(cr, label, style, 8 + labelW / 2, h - 20, Align::Centre, Align::Centre);
  auto frame = [&](cairo_t* c) { roundedRect(c, 1, 1, w - 2, h - 2, 8); };
  outline(cr, frame, kNavyDeep, 2);
}

// How an obstacle shows from above at preview size, in the landscape's colours.
void paintObstacleMark(cairo_t* cr, const TrackRecord& r, double scale, const LandscapeLook& look) {
  const Footprint f = ObstacleFootprint(r.B, r.X, r.Y);
  if (IsWallType(r.B)) {
    cairo_rectangle(cr, f.X - f.HalfWidth, f.Y - f.HalfHeight, 2 * f.HalfWidth, 2 * f.HalfHeight);
    setColour(cr, kSteel);
    cairo_fill(cr);
    return;
  }
  const double radius = std::max(f.HalfWidth, 2.5 / scale);
  cairo_arc(cr, f.X, f.Y, radius * 0.8, 0, 2 * M_PI);
  const bool rock = r.B == 8, house = r.B == 5 || r.B == 9, tyres = r.B == 12;
  const bool meadow = look.Which == Landscape::Meadow;
  const Rgb plant = meadow ? Rgb::hex(0x1d4f1d) : look.Lit(look.Leaves[std::abs(r.B) % 4]);
  setColour(cr, tyres   ? Rgb::hex(0x2a2b30)
                : rock  ? (meadow ? Rgb::hex(0x9a9aa2) : look.Lit(look.Stone))
                : house ? (meadow ? Rgb::hex(0xc0643c) : look.Lit(look.Roof).mix(kWhite, look.Snow))
                        : plant);
  cairo_fill_preserve(cr);
  setColour(cr, kInk, 0.6);
  cairo_set_line_width(cr, 1 / scale);
  cairo_stroke(cr);
}

// The compiled track of the catalogue entry fitted into the picture above its label.
void paintTrackLayout(cairo_t* cr, double w, double h, const std::vector<TrackRecord>& records) {
  const TrackView view = ViewTrack(records);
  const Landscape land = TrackLandscape(records);
  if (view.Road.empty()) throw std::runtime_error("a track without road cannot be previewed");
  int minC = view.Road[0].Column, maxC = minC, minR = view.Road[0].Row, maxR = minR;
  for (const GridTile& t : view.Road) {
    minC = std::min(minC, t.Column), maxC = std::max(maxC, t.Column);
    minR = std::min(minR, t.Row), maxR = std::max(maxR, t.Row);
  }
  const double s = view.Frame.Size, margin = 10, labelRoom = 30;
  const double spanX = (maxC - minC + 1) * s, spanY = (maxR - minR + 1) * s;
  const double scale = std::min((w - 2 * margin) / spanX, (h - 2 * margin - labelRoom) / spanY);
  cairo_save(cr);
  cairo_scale(cr, 0.5, 0.5);
  paintGroundTile(cr, static_cast<int>(w * 2), static_cast<int>(h * 2), land);
  cairo_restore(cr);
  cairo_save(cr);
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_clip(cr);
  cairo_translate(cr, (w - spanX * scale) / 2,
                  margin + (h - 2 * margin - labelRoom - spanY * scale) / 2);
  cairo_scale(cr, scale, scale);
  GridTile corner{minC, minR, 1};
  cairo_translate(cr, -view.Frame.Left(corner), -view.Frame.Top(corner));
  paintRoadTiles(cr, view.Road, view.Frame, land);
  const LandscapeLook& look = landscapeLook(land);
  for (const TrackRecord& r : records) {
    if (r.Kind != track_kind::Water) continue;
    const PictureEntry& water = tableEntry("water");
    cairo_save(cr);
    cairo_translate(cr, r.X, r.Y);
    cairo_scale(cr, water.TileWidth / 2.0, water.TileHeight / 2.0);
    cairo_arc(cr, 0, 0, 0.9, 0, 2 * M_PI);
    cairo_restore(cr);
    setColour(cr, look.Snow > 0 ? Rgb::hex(0xb8d8f4) : Rgb::hex(0x2f7fc0));
    cairo_fill(cr);
  }
  for (const TrackRecord& r : view.Obstacles) paintObstacleMark(cr, r, scale, look);
  // The start: the finish line across the road and the grid's slots behind it.
  for (const TrackRecord& f : view.FinishLines) {
    const double half = s / 2 - kRoadKerbWidth;
    paintChequeredLine(cr, f.X + s / 2, f.Y, 2 * half, 8 / scale, f.A % 180 != 0);
  }
  for (int slot = 1; slot <= race::kStartSlotCount; ++slot) {
    if (!view.SlotGiven[static_cast<size_t>(slot)]) continue;
    const StartSlot& p = view.Course.Slots[static_cast<size_t>(slot)];
    cairo_arc(cr, p.X, p.Y, 2 / scale, 0, 2 * M_PI);
    setColour(cr, kWhite, 0.9);
    cairo_fill(cr);
  }
  cairo_restore(cr);
}

// The catalogue entry showing preview picture `name`, or none.
const race::TrackConstants* catalogueEntry(const std::string& name, int& shownNumber) {
  for (size_t i = 0; i < race::kTracks.size(); ++i) {
    if (name == race::kTracks[i].PreviewImage) {
      shownNumber = static_cast<int>(i) + 1;
      return &race::kTracks[i];
    }
  }
  return nullptr;
}

// "Data\\data4.prd" -> 4.
int dataFileNumber(const std::string& gameName) {
  const size_t digits = gameName.find_first_of("0123456789");
  return digits == std::string::npos ? 0 : std::atoi(gameName.c_str() + digits);
}

void paintPreview(cairo_t* cr, const TileRequest& t, const std::string& name) {
  int shown = 0;
  const race::TrackConstants* entry = catalogueEntry(name, shown);
  if (!entry) throw std::runtime_error("no catalogue track shows " + name);
  paintTrackLayout(cr, t.width, t.height, compiledTrack(dataFileNumber(entry->DataFile)));
  drawFrameAndLabel(cr, t.width, t.height, "Трек " + std::to_string(shown));
}

// A locked track: a greyed, veiled circuit with a padlock.
void paintLocked(cairo_t* cr, const TileRequest& t) {
  const double w = t.width, h = t.height;
  paintCircuit(cr, w, h, 777);
  cairo_rectangle(cr, 0, 0, w, h);
  setColour(cr, kNavyDeep, 0.72);
  cairo_fill(cr);
  const double cx = w / 2, cy = h / 2 - 12;
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy - 14, 17, M_PI, 0);
  cairo_line_to(cr, cx + 17, cy);
  cairo_move_to(cr, cx - 17, cy);
  cairo_line_to(cr, cx - 17, cy - 14);
  setColour(cr, kSteel);
  cairo_set_line_width(cr, 7);
  cairo_stroke(cr);
  auto body = [&](cairo_t* c) { roundedRect(c, cx - 28, cy - 4, 56, 44, 8); };
  softShadow(cr, body, 2, 3, 5, 0.6);
  fillLit(cr, body, kGold, cx - 28, cy - 4, cx + 28, cy + 40, 0.3);
  outline(cr, body, kNavyDeep, 2);
  cairo_arc(cr, cx, cy + 14, 6, 0, 2 * M_PI);
  cairo_rectangle(cr, cx - 2.5, cy + 14, 5, 14);
  setColour(cr, kNavyDeep);
  cairo_fill(cr);
  TextStyle style;
  style.sizePx = 20;
  style.colour = kWhite;
  style.outlineWidth = 2;
  style.outlineColour = kNavyDeep;
  drawText(cr, "НЕДОСТУПНО", style, cx, h - 26, Align::Centre, Align::Centre);
  auto frame = [&](cairo_t* c) { roundedRect(c, 1, 1, w - 2, h - 2, 8); };
  outline(cr, frame, kNavyDeep, 2);
}

}  // namespace

void addTrackPreviewArt(ArtBook& book) {
  for (size_t i = 1; i <= race::kTracks.size(); ++i) {
    const std::string name = "tr_track" + std::to_string(i);
    book.add(name, [name](cairo_t* cr, const TileRequest& t) { paintPreview(cr, t, name); });
  }
  book.add("tr_notav", paintLocked);
}
