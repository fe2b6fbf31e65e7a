#include "tools/assetgen/pictures/Icon.h"

#include <cmath>
#include <filesystem>

#include "tools/assetgen/pictures/Canvas.h"
#include "tools/assetgen/pictures/CarModels.h"
#include "tools/assetgen/pictures/Effects.h"

using namespace palette;

namespace {

// Every shape below is laid out on a 256-unit square and scaled to the icon's size.
constexpr double kUnits = 256;

void paintPlate(cairo_t* cr) {
  auto plate = [](cairo_t* c) { roundedRect(c, 8, 8, kUnits - 16, kUnits - 16, 44); };
  fillLit(cr, plate, kNavyLight, 8, 8, kUnits - 8, kUnits - 8, 0.35);
  outline(cr, plate, kGold, 9);
}

// A bend of asphalt from the bottom left, sweeping up to the right, with red and white kerbs
// on its inside edge.
void paintBend(cairo_t* cr) {
  cairo_save(cr);
  roundedRect(cr, 12, 12, kUnits - 24, kUnits - 24, 40);
  cairo_clip(cr);
  const double cx = kUnits + 10, cy = kUnits + 10;  // the bend's centre, off the plate
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy, 190, M_PI, 1.5 * M_PI);
  cairo_set_line_width(cr, 92);
  setColour(cr, kAsphalt);
  cairo_stroke(cr);
  const int kerbs = 14;
  for (int i = 0; i < kerbs; ++i) {
    const double a0 = M_PI + i * (0.5 * M_PI / kerbs);
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, 140, a0, a0 + 0.5 * M_PI / kerbs);
    cairo_set_line_width(cr, 12);
    setColour(cr, i % 2 ? kKerbWhite : kKerbRed);
    cairo_stroke(cr);
  }
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy, 200, M_PI, 1.5 * M_PI);
  cairo_set_line_width(cr, 4);
  double dashes[] = {16, 14};
  cairo_set_dash(cr, dashes, 2, 0);
  setColour(cr, kPaint, 0.85);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void paintFlag(cairo_t* cr) {
  const double x = 150, y = 26, cell = 16;
  auto cloth = [&](cairo_t* c) { cairo_rectangle(c, x, y, cell * 5, cell * 3); };
  softShadow(cr, cloth, 4, 5, 4);
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 5; ++col) {
      cairo_rectangle(cr, x + col * cell, y + row * cell, cell, cell);
      setColour(cr, (row + col) % 2 ? kInk : kWhite);
      cairo_fill(cr);
    }
  }
  outline(cr, cloth, kInk, 2);
  cairo_rectangle(cr, x - 7, y - 4, 7, 92);
  setColour(cr, kSteel);
  cairo_fill(cr);
}

void paintKart(cairo_t* cr) {
  cairo_save(cr);
  cairo_translate(cr, 96, 150);
  cairo_rotate(cr, -2.3);  // nose up and to the right, along the bend
  cairo_scale(cr, 0.78, 0.78);
  auto body = [](cairo_t* c) {
    cairo_rectangle(c, -kCarUnitWidth / 2, -kCarUnitLength / 2, kCarUnitWidth, kCarUnitLength);
  };
  softShadow(cr, body, 8, 10, 6);
  drawCar(cr, CarKind::Roadster, -0.35);
  cairo_restore(cr);
}

}  // namespace

void writeIcons(const std::string& dir) {
  for (int size : kIconSizes) {
    Canvas canvas(size, size);
    cairo_t* cr = canvas.cr();
    cairo_scale(cr, size / kUnits, size / kUnits);
    paintPlate(cr);
    paintBend(cr);
    paintFlag(cr);
    paintKart(cr);
    const std::filesystem::path folder =
        std::filesystem::path(dir) / (std::to_string(size) + "x" + std::to_string(size)) / "apps";
    std::filesystem::create_directories(folder);
    canvas.writePng((folder / "brindle-karts.png").string());
  }
}
