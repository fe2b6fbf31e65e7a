// Race cars (three steering tiles), showroom pictures and the splash screen's cars.
#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "tools/assetgen/pictures/ArtBook.h"
#include "tools/assetgen/pictures/CarModels.h"
#include "tools/assetgen/pictures/Effects.h"
#include "tools/assetgen/pictures/Themes.h"

using namespace palette;

namespace {

constexpr double kSteerAngle = 0.5;

// Tile 0 straight; tile 1 front wheels toward +x (turning left); tile 2 toward -x.
double steerOf(int tile) {
  return tile == 1 ? -kSteerAngle : tile == 2 ? kSteerAngle : 0;
}

void paintRaceCar(cairo_t* cr, const TileRequest& tile, CarKind kind) {
  const double scale =
      std::min((tile.width - 1.0) / kCarUnitWidth, (tile.height - 1.0) / kCarUnitLength);
  cairo_translate(cr, tile.width / 2.0, tile.height / 2.0);
  cairo_scale(cr, scale, scale);
  drawCar(cr, kind, steerOf(tile.index));
}

// The car on a lit showroom turntable, nose to the right.
void paintShowroom(cairo_t* cr, const TileRequest& tile, CarKind kind) {
  const double w = tile.width, h = tile.height;
  cairo_pattern_t* floor = cairo_pattern_create_radial(w / 2, h * 0.45, 10, w / 2, h / 2, w * 0.62);
  addStop(floor, 0, Rgb::hex(0x4a5f8f));
  addStop(floor, 0.55, kNavy);
  addStop(floor, 1, kNavyDeep.shade(-0.5));
  roundedRect(cr, 0, 0, w, h, 14);
  cairo_set_source(cr, floor);
  cairo_fill(cr);
  cairo_pattern_destroy(floor);
  // Turntable rings.
  cairo_save(cr);
  cairo_translate(cr, w / 2, h * 0.55);
  cairo_scale(cr, 1, 0.42);
  for (int ring = 0; ring < 3; ++ring) {
    cairo_arc(cr, 0, 0, w * (0.46 - ring * 0.09), 0, 2 * M_PI);
    cairo_restore(cr);
    setColour(cr, kSteel, 0.35 - ring * 0.08);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_translate(cr, w / 2, h * 0.55);
    cairo_scale(cr, 1, 0.42);
  }
  cairo_restore(cr);
  // A spotlight cone from above.
  cairo_pattern_t* spot = cairo_pattern_create_radial(w / 2, h * 0.5, 0, w / 2, h * 0.5, w * 0.45);
  addStop(spot, 0, kWhite, 0.18);
  addStop(spot, 1, kWhite, 0);
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_set_source(cr, spot);
  cairo_fill(cr);
  cairo_pattern_destroy(spot);
  const double scale = std::min((w * 0.86) / kCarUnitLength, (h * 0.86) / kCarUnitWidth);
  cairo_save(cr);
  cairo_translate(cr, w / 2, h / 2);
  cairo_rotate(cr, -M_PI / 2);
  cairo_scale(cr, scale, scale);
  drawCar(cr, kind, 0);
  cairo_restore(cr);
  auto frame = [&](cairo_t* c) { roundedRect(c, 1.5, 1.5, w - 3, h - 3, 14); };
  outline(cr, frame, kGold, 3);
}

// A car racing to the right with speed lines behind it.
void paintSplashCar(cairo_t* cr, const TileRequest& tile) {
  static constexpr std::array<CarKind, 5> kinds = {CarKind::Roadster, CarKind::Turbo,
                                                   CarKind::Volcano, CarKind::Hawk, CarKind::Beast};
  const double w = tile.width, h = tile.height;
  const double scale = std::min((h - 4) / kCarUnitWidth, (w * 0.78) / kCarUnitLength);
  const double carX = w - kCarUnitLength * scale / 2 - 2;
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < 4; ++i) {
    const double y = h / 2 + (i - 1.5) * h * 0.2;
    cairo_pattern_t* streak =
        cairo_pattern_create_linear(2, 0, carX - kCarUnitLength * scale * 0.4, 0);
    addStop(streak, 0, kWhite, 0);
    addStop(streak, 1, kWhite, 0.75);
    cairo_move_to(cr, 4 + (i % 2) * 8, y);
    cairo_line_to(cr, carX - kCarUnitLength * scale * 0.45, y);
    cairo_set_source(cr, streak);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    cairo_pattern_destroy(streak);
  }
  cairo_translate(cr, carX, h / 2);
  cairo_rotate(cr, -M_PI / 2);
  cairo_scale(cr, scale, scale);
  drawCar(cr, kinds[static_cast<size_t>(tile.index) % kinds.size()], 0);
}

void addCar(ArtBook& book, PictureListMask list, const std::string& name, CarKind kind) {
  book.addFor(list, name,
              [kind](cairo_t* cr, const TileRequest& tile) { paintRaceCar(cr, tile, kind); });
}

}  // namespace

void addCarArt(ArtBook& book) {
  // The menu list numbers the cars in showroom order; the race list maps its names to
  // kinds differently, and each name must show the kart the showroom promised.
  const std::array<CarKind, 5> menuOrder = {CarKind::Roadster, CarKind::Turbo, CarKind::Volcano,
                                            CarKind::Hawk, CarKind::Beast};
  const std::array<CarKind, 5> raceOrder = {CarKind::Volcano, CarKind::Roadster, CarKind::Turbo,
                                            CarKind::Hawk, CarKind::Beast};
  for (size_t i = 0; i < 5; ++i) {
    const std::string number = std::to_string(i + 1);
    addCar(book, kMenuList, "car" + number, menuOrder[i]);
    addCar(book, kRaceList, "car" + number, raceOrder[i]);
    const CarKind kind = menuOrder[i];
    book.add("c_car" + number,
             [kind](cairo_t* cr, const TileRequest& tile) { paintShowroom(cr, tile, kind); });
  }
  book.add("splash_cars", paintSplashCar);
}
