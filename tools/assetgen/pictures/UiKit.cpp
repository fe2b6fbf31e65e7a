#include "tools/assetgen/pictures/UiKit.h"

#include <algorithm>
#include <cmath>

#include "tools/assetgen/pictures/Effects.h"
#include "tools/assetgen/pictures/Text.h"

using namespace palette;

void drawButton(cairo_t* cr, double w, double h, const std::string& label, ButtonState state) {
  const bool hover = state == ButtonState::Hover;
  const double margin = std::max(2.0, std::round(h * 0.07));
  const double x = margin, y = margin * 0.6, bw = w - 2 * margin, bh = h - 2 * margin;
  const double radius = std::min(bh * 0.42, 16.0);
  auto body = [&](cairo_t* c) { roundedRect(c, x, y, bw, bh, radius); };
  if (hover) {
    softGlow(cr, body, margin * 2.5, kGold, 0.9);
  } else {
    softShadow(cr, body, margin * 0.5, margin * 0.7, margin * 1.5, 0.5);
  }
  const Rgb base = hover ? kOrange : kButtonBlue;
  fillLit(cr, body, base, x, y, x, y + bh, 0.25);
  // Gloss: a soft light band over the upper half.
  cairo_save(cr);
  cairo_new_path(cr);
  body(cr);
  cairo_clip(cr);
  cairo_pattern_t* gloss = cairo_pattern_create_linear(0, y, 0, y + bh * 0.55);
  addStop(gloss, 0, kWhite, hover ? 0.45 : 0.32);
  addStop(gloss, 1, kWhite, 0.0);
  roundedRect(cr, x + 3, y + 2, bw - 6, bh * 0.5, radius * 0.8);
  cairo_set_source(cr, gloss);
  cairo_fill(cr);
  cairo_pattern_destroy(gloss);
  cairo_restore(cr);
  rimLight(cr, body, x, y, x + bw * 0.3, y + bh, std::max(1.0, bh * 0.05), 0.6);
  outline(cr, body, hover ? kWhite : kNavyDeep, hover ? 2.0 : 1.5);
  TextStyle style;
  style.sizePx = std::min(bh * 0.5, 22.0);
  style.colour = kWhite;
  style.outlineWidth = std::max(1.0, style.sizePx * 0.08);
  style.outlineColour = hover ? kOrangeDeep.shade(-0.35) : kButtonBlueDeep.shade(-0.3);
  style = fitText(cr, label, style, bw - 2 * radius * 0.6 - 6);
  drawText(cr, label, style, x + bw / 2, y + bh / 2, Align::Centre, Align::Centre);
}

void drawPanelPlate(cairo_t* cr, double x, double y, double w, double h, double radius) {
  auto plate = [&](cairo_t* c) { roundedRect(c, x, y, w, h, radius); };
  softShadow(cr, plate, 4, 6, 10, 0.55);
  cairo_pattern_t* fill = cairo_pattern_create_linear(x, y, x + w * 0.35, y + h);
  addStop(fill, 0, kNavyLight);
  addStop(fill, 0.55, kNavy);
  addStop(fill, 1, kNavyDeep);
  cairo_new_path(cr);
  plate(cr);
  cairo_set_source(cr, fill);
  cairo_fill(cr);
  cairo_pattern_destroy(fill);
  // Diagonal sheen bands, as on tinted glass.
  cairo_save(cr);
  cairo_new_path(cr);
  plate(cr);
  cairo_clip(cr);
  for (int i = 0; i < 3; ++i) {
    const double offset = x + w * (0.15 + 0.22 * i);
    cairo_move_to(cr, offset, y);
    cairo_line_to(cr, offset + 40 + 18 * i, y);
    cairo_line_to(cr, offset - h * 0.5 + 40 + 18 * i, y + h);
    cairo_line_to(cr, offset - h * 0.5, y + h);
    cairo_close_path(cr);
    setColour(cr, kWhite, 0.035);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  rimLight(cr, plate, x, y, x + w * 0.2, y + h, 3, 0.4);
  outline(cr, plate, kGold, 3);
  auto inner = [&](cairo_t* c) { roundedRect(c, x + 6, y + 6, w - 12, h - 12, radius - 5); };
  outline(cr, inner, kGold, 1, 0.45);
}

void drawHeadingRibbon(cairo_t* cr, double centreX, double y, double w, double h,
                       const std::string& text) {
  const double x = centreX - w / 2;
  auto ribbon = [&](cairo_t* c) {
    const double notch = h * 0.35;
    cairo_move_to(c, x, y);
    cairo_line_to(c, x + w, y);
    cairo_line_to(c, x + w - notch, y + h / 2);
    cairo_line_to(c, x + w, y + h);
    cairo_line_to(c, x, y + h);
    cairo_line_to(c, x + notch, y + h / 2);
    cairo_close_path(c);
  };
  softShadow(cr, ribbon, 2, 3, 5, 0.5);
  fillLit(cr, ribbon, kOrange, x, y, x, y + h, 0.2);
  rimLight(cr, ribbon, x, y, x, y + h, 1.5, 0.5);
  outline(cr, ribbon, kOrangeDeep.shade(-0.3), 1.5);
  TextStyle style;
  style.sizePx = h * 0.56;
  style.outlineWidth = std::max(1.0, h * 0.04);
  style.outlineColour = kOrangeDeep.shade(-0.45);
  style.shadowOpacity = 0.4;
  style = fitText(cr, text, style, w - h * 1.2);
  drawText(cr, text, style, centreX, y + h / 2, Align::Centre, Align::Centre);
}

void drawLightWell(cairo_t* cr, double x, double y, double w, double h, double radius) {
  auto well = [&](cairo_t* c) { roundedRect(c, x, y, w, h, radius); };
  cairo_pattern_t* fill = cairo_pattern_create_linear(0, y, 0, y + h);
  addStop(fill, 0, kCreamShade);
  addStop(fill, 0.12, kCream);
  addStop(fill, 1, kCream.shade(0.3));
  cairo_new_path(cr);
  well(cr);
  cairo_set_source(cr, fill);
  cairo_fill(cr);
  cairo_pattern_destroy(fill);
  outline(cr, well, kNavyDeep, 1.5);
}

void drawDarkWell(cairo_t* cr, double x, double y, double w, double h, double radius) {
  auto well = [&](cairo_t* c) { roundedRect(c, x, y, w, h, radius); };
  cairo_pattern_t* fill = cairo_pattern_create_linear(0, y, 0, y + h);
  addStop(fill, 0, kNavyDeep.shade(-0.4));
  addStop(fill, 1, kNavyDeep);
  cairo_new_path(cr);
  well(cr);
  cairo_set_source(cr, fill);
  cairo_fill(cr);
  cairo_pattern_destroy(fill);
  rimLight(cr, well, x + w * 0.2, y + h, x, y, 1.5, 0.35);
  outline(cr, well, kSteel, 1, 0.6);
}

void drawGreetingStrip(cairo_t* cr) {
  auto strip = [](cairo_t* c) { roundedRect(c, 20, 9, 720, 29, 14.5); };
  softShadow(cr, strip, 2, 3, 6, 0.45);
  cairo_pattern_t* fill = cairo_pattern_create_linear(0, 9, 0, 38);
  addStop(fill, 0, kWhite);
  addStop(fill, 1, kCream);
  cairo_new_path(cr);
  strip(cr);
  cairo_set_source(cr, fill);
  cairo_fill(cr);
  cairo_pattern_destroy(fill);
  outline(cr, strip, kGold, 2);
}

void drawEditFrame(cairo_t* cr, double w, double h, bool lightInside) {
  auto frame = [&](cairo_t* c) { roundedRect(c, 1.5, 1.5, w - 3, h - 3, 6); };
  cairo_pattern_t* fill = cairo_pattern_create_linear(0, 0, 0, h);
  if (lightInside) {
    addStop(fill, 0, kCreamShade);
    addStop(fill, 0.25, kWhite);
    addStop(fill, 1, kCream);
  } else {
    addStop(fill, 0, kNavyDeep.shade(-0.5));
    addStop(fill, 1, kNavyDeep);
  }
  cairo_new_path(cr);
  frame(cr);
  cairo_set_source(cr, fill);
  cairo_fill(cr);
  cairo_pattern_destroy(fill);
  rimLight(cr, frame, w * 0.3, h, 0, 0, 1.5, 0.5);
  outline(cr, frame, lightInside ? kNavy : kGold, 2);
}
