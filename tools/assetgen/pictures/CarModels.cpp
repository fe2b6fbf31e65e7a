#include "tools/assetgen/pictures/CarModels.h"

#include <cmath>

#include "tools/assetgen/pictures/Effects.h"

using namespace palette;

namespace {

struct Livery {
  Rgb body;
  Rgb accent;
  Rgb helmet;
  double wheelWidth;
  double wheelLength;
  double track;  // wheel centre distance from the middle
};

Livery liveryOf(CarKind kind) {
  switch (kind) {
    case CarKind::Roadster:
      return {Rgb::hex(0xd3262e), kWhite, Rgb::hex(0xf3c623), 16, 27, 41};
    case CarKind::Turbo:
      return {Rgb::hex(0x1f63d6), Rgb::hex(0xffd21f), kWhite, 16, 28, 41};
    case CarKind::Volcano:
      return {Rgb::hex(0x2b2526), Rgb::hex(0xff7a14), Rgb::hex(0xff4b1f), 17, 28, 41};
    case CarKind::Hawk:
      return {Rgb::hex(0x23a14a), Rgb::hex(0xf4f4ee), Rgb::hex(0x1b6b35), 15, 26, 41};
    case CarKind::Beast:
      return {Rgb::hex(0x6a2fa0), Rgb::hex(0xb8ff3a), Rgb::hex(0x2a1840), 19, 32, 40};
  }
  return {};
}

void drawWheel(cairo_t* cr, double x, double y, double angle, const Livery& livery) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  const double w = livery.wheelWidth, l = livery.wheelLength;
  auto tyre = [&](cairo_t* c) { roundedRect(c, -w / 2, -l / 2, w, l, w * 0.35); };
  fillLit(cr, tyre, Rgb::hex(0x26272b), -w / 2, -l / 2, w / 2, l / 2, 0.18);
  // Tread blocks across the tyre.
  cairo_set_line_width(cr, 1.6);
  setColour(cr, kBlack, 0.55);
  for (double t = -l / 2 + 4; t < l / 2 - 2; t += 5) {
    cairo_move_to(cr, -w / 2 + 2, t);
    cairo_line_to(cr, w / 2 - 2, t + 1.5);
  }
  cairo_stroke(cr);
  setColour(cr, kWhite, 0.22);
  roundedRect(cr, -w / 2 + 2, -l / 2 + 2, w * 0.3, l - 4, 2);
  cairo_fill(cr);
  outline(cr, tyre, kBlack, 1.4);
  cairo_restore(cr);
}

void drawHelmet(cairo_t* cr, double y, Rgb colour, bool horns) {
  if (horns) {
    for (int side : {-1, 1}) {
      cairo_move_to(cr, side * 8, y - 4);
      cairo_curve_to(cr, side * 18, y - 8, side * 20, y - 16, side * 15, y - 20);
      cairo_curve_to(cr, side * 14, y - 13, side * 10, y - 10, side * 4, y - 8);
      cairo_close_path(cr);
      setColour(cr, kCream);
      cairo_fill_preserve(cr);
      setColour(cr, kInk);
      cairo_set_line_width(cr, 1);
      cairo_stroke(cr);
    }
  }
  auto shell = [&](cairo_t* c) { cairo_arc(c, 0, y, 12.5, 0, 2 * M_PI); };
  fillLit(cr, shell, colour, -12, y - 12, 10, y + 12, 0.35);
  // Visor toward the nose.
  cairo_new_path(cr);
  cairo_arc(cr, 0, y, 12.5, M_PI * 0.18, M_PI * 0.82);
  cairo_close_path(cr);
  setColour(cr, Rgb::hex(0x1a2233));
  cairo_fill(cr);
  setColour(cr, kWhite, 0.7);
  cairo_arc(cr, -4, y - 5, 3.2, 0, 2 * M_PI);
  cairo_fill(cr);
  outline(cr, shell, kInk, 1.4);
}

void drawSteeringWheel(cairo_t* cr, double y) {
  cairo_new_path(cr);
  cairo_arc(cr, 0, y, 9, M_PI * 0.1, M_PI * 0.9);
  setColour(cr, kInk);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
}

// Body outlines, all symmetric about x = 0, traced from the nose clockwise.
void bodyRoadster(cairo_t* cr) {
  cairo_move_to(cr, 0, 79);
  cairo_curve_to(cr, 18, 79, 28, 70, 28, 52);
  cairo_curve_to(cr, 28, 36, 22, 22, 22, 6);
  cairo_curve_to(cr, 22, -14, 30, -30, 30, -50);
  cairo_curve_to(cr, 30, -68, 22, -75, 0, -75);
  cairo_curve_to(cr, -22, -75, -30, -68, -30, -50);
  cairo_curve_to(cr, -30, -30, -22, -14, -22, 6);
  cairo_curve_to(cr, -22, 22, -28, 36, -28, 52);
  cairo_curve_to(cr, -28, 70, -18, 79, 0, 79);
  cairo_close_path(cr);
}

void bodyTurbo(cairo_t* cr) {
  cairo_move_to(cr, -16, 79);
  cairo_line_to(cr, 16, 79);
  cairo_line_to(cr, 27, 30);
  cairo_line_to(cr, 27, -62);
  cairo_line_to(cr, 20, -72);
  cairo_line_to(cr, -20, -72);
  cairo_line_to(cr, -27, -62);
  cairo_line_to(cr, -27, 30);
  cairo_close_path(cr);
}

void bodyVolcano(cairo_t* cr) {
  cairo_move_to(cr, 0, 80);
  cairo_curve_to(cr, 14, 72, 26, 56, 28, 30);
  cairo_line_to(cr, 32, -20);
  cairo_curve_to(cr, 32, -50, 30, -72, 0, -76);
  cairo_curve_to(cr, -30, -72, -32, -50, -32, -20);
  cairo_line_to(cr, -28, 30);
  cairo_curve_to(cr, -26, 56, -14, 72, 0, 80);
  cairo_close_path(cr);
}

void bodyHawk(cairo_t* cr) {
  cairo_move_to(cr, 0, 80);
  cairo_line_to(cr, 14, 46);
  cairo_line_to(cr, 20, 8);
  cairo_line_to(cr, 48, -6);
  cairo_line_to(cr, 47, -18);
  cairo_line_to(cr, 22, -26);
  cairo_line_to(cr, 24, -72);
  cairo_line_to(cr, -24, -72);
  cairo_line_to(cr, -22, -26);
  cairo_line_to(cr, -47, -18);
  cairo_line_to(cr, -48, -6);
  cairo_line_to(cr, -20, 8);
  cairo_line_to(cr, -14, 46);
  cairo_close_path(cr);
}

void bodyBeast(cairo_t* cr) {
  roundedRect(cr, -30, -74, 60, 146, 14);
}

void bodyPath(cairo_t* cr, CarKind kind) {
  switch (kind) {
    case CarKind::Roadster:
      bodyRoadster(cr);
      break;
    case CarKind::Turbo:
      bodyTurbo(cr);
      break;
    case CarKind::Volcano:
      bodyVolcano(cr);
      break;
    case CarKind::Hawk:
      bodyHawk(cr);
      break;
    case CarKind::Beast:
      bodyBeast(cr);
      break;
  }
}

void clipToBody(cairo_t* cr, CarKind kind) {
  cairo_new_path(cr);
  bodyPath(cr, kind);
  cairo_clip(cr);
}

// Markings inside the body, one style per car.
void drawLivery(cairo_t* cr, CarKind kind, const Livery& livery) {
  cairo_save(cr);
  clipToBody(cr, kind);
  switch (kind) {
    case CarKind::Roadster:
      // Two thin racing lines either side of the centre and a round number plate.
      setColour(cr, livery.accent);
      cairo_rectangle(cr, -9, -80, 4, 160);
      cairo_rectangle(cr, 5, -80, 4, 160);
      cairo_fill(cr);
      setColour(cr, livery.accent);
      cairo_arc(cr, 0, 50, 10, 0, 2 * M_PI);
      cairo_fill(cr);
      setColour(cr, kInk);
      cairo_set_line_width(cr, 1.5);
      cairo_arc(cr, 0, 50, 6, 0, 2 * M_PI);
      cairo_stroke(cr);
      break;
    case CarKind::Turbo:
      // One broad yellow stripe with a black centre line, and air intakes.
      setColour(cr, livery.accent);
      cairo_rectangle(cr, -10, -80, 20, 160);
      cairo_fill(cr);
      setColour(cr, kInk);
      cairo_rectangle(cr, -1.5, -80, 3, 160);
      cairo_fill(cr);
      for (int side : {-1, 1}) {
        setColour(cr, kInk, 0.8);
        roundedRect(cr, side * 24 - 4, -30, 8, 28, 3);
        cairo_fill(cr);
      }
      break;
    case CarKind::Volcano: {
      // Flames licking back from the nose.
      for (int layer = 0; layer < 2; ++layer) {
        const double scale = layer == 0 ? 1.0 : 0.6;
        cairo_new_path(cr);
        cairo_move_to(cr, -30 * scale, 80);
        for (int i = 0; i < 5; ++i) {
          const double x = (-30 + 15 * i) * scale, tip = 20 - (i % 2 == 0 ? 30 : 10) * scale;
          cairo_curve_to(cr, x + 2, 50, x + 12 * scale, tip + 20, x + 7.5 * scale, tip);
          cairo_curve_to(cr, x + 14 * scale, tip + 30, x + 15 * scale, 55, x + 15 * scale, 80);
        }
        cairo_close_path(cr);
        setColour(cr, layer == 0 ? livery.accent : Rgb::hex(0xffd23a));
        cairo_fill(cr);
      }
      break;
    }
    case CarKind::Hawk:
      // White chevrons like feathers along the wings.
      setColour(cr, livery.accent);
      for (int i = 0; i < 3; ++i) {
        const double y = 30 - i * 14;
        cairo_move_to(cr, -48, y - 40);
        cairo_line_to(cr, 0, y);
        cairo_line_to(cr, 48, y - 40);
        cairo_line_to(cr, 48, y - 46);
        cairo_line_to(cr, 0, y - 6);
        cairo_line_to(cr, -48, y - 46);
        cairo_close_path(cr);
      }
      cairo_fill(cr);
      break;
    case CarKind::Beast:
      // Three claw slashes across the bonnet and a dark roll cage band.
      setColour(cr, livery.accent);
      for (int i = 0; i < 3; ++i) {
        const double x = -16 + i * 11;
        cairo_move_to(cr, x, 30);
        cairo_curve_to(cr, x + 3, 40, x + 8, 52, x + 12, 62);
        cairo_line_to(cr, x + 8, 62);
        cairo_curve_to(cr, x + 4, 52, x, 42, x, 30);
        cairo_close_path(cr);
      }
      cairo_fill(cr);
      setColour(cr, kInk, 0.6);
      cairo_rectangle(cr, -40, -40, 80, 6);
      cairo_fill(cr);
      break;
  }
  cairo_restore(cr);
}

// What sits on the back: spoilers, exhausts, vents.
void drawRearParts(cairo_t* cr, CarKind kind, const Livery& livery) {
  switch (kind) {
    case CarKind::Turbo: {
      auto wing = [](cairo_t* c) { roundedRect(c, -46, -80, 92, 13, 3); };
      fillLit(cr, wing, livery.accent, -46, -80, -46, -67, 0.3);
      outline(cr, wing, kInk, 1.5);
      setColour(cr, kInk);
      cairo_rectangle(cr, -24, -80, 6, 13);
      cairo_rectangle(cr, 18, -80, 6, 13);
      cairo_fill(cr);
      break;
    }
    case CarKind::Volcano:
      for (int side : {-1, 1}) {
        auto vent = [side](cairo_t* c) { cairo_arc(c, side * 16, -56, 7, 0, 2 * M_PI); };
        softGlow(cr, vent, 6, livery.accent, 0.9);
        fillLit(cr, vent, Rgb::hex(0xffc23a), side * 16 - 7, -63, side * 16 + 7, -49, 0.3);
        outline(cr, vent, kInk, 1.5);
      }
      break;
    case CarKind::Hawk: {
      auto tail = [](cairo_t* c) {
        cairo_move_to(c, -30, -78);
        cairo_line_to(c, 30, -78);
        cairo_line_to(c, 22, -68);
        cairo_line_to(c, -22, -68);
        cairo_close_path(c);
      };
      fillLit(cr, tail, livery.accent, 0, -78, 0, -68, 0.2);
      outline(cr, tail, kInk, 1.2);
      break;
    }
    case CarKind::Roadster:
    case CarKind::Beast:
      for (int side : {-1, 1}) {
        auto pipe = [side](cairo_t* c) { roundedRect(c, side * 12 - 4, -82, 8, 12, 3); };
        fillLit(cr, pipe, kSteel, side * 12 - 4, -82, side * 12 + 4, -70, 0.35);
        outline(cr, pipe, kInk, 1);
      }
      break;
  }
  if (kind == CarKind::Beast) {
    // Bull bar across the nose.
    auto bar = [](cairo_t* c) { roundedRect(c, -30, 70, 60, 8, 4); };
    fillLit(cr, bar, kSteel, -30, 70, -30, 78, 0.4);
    outline(cr, bar, kInk, 1.2);
  }
}

}  // namespace

void drawCar(cairo_t* cr, CarKind kind, double steer) {
  const Livery livery = liveryOf(kind);
  const double rearY = -48, frontY = 48;
  auto silhouette = [&](cairo_t* c) {
    bodyPath(c, kind);
    for (int side : {-1, 1}) {
      roundedRect(c, side * livery.track - livery.wheelWidth / 2, rearY - livery.wheelLength / 2,
                  livery.wheelWidth, livery.wheelLength, 4);
      roundedRect(c, side * livery.track - livery.wheelWidth / 2, frontY - livery.wheelLength / 2,
                  livery.wheelWidth, livery.wheelLength, 4);
    }
  };
  softShadow(cr, silhouette, 3, 4, 6, 0.45);
  for (int side : {-1, 1}) {
    drawWheel(cr, side * livery.track, rearY, 0, livery);
    drawWheel(cr, side * livery.track, frontY, steer, livery);
  }
  // Axles under the body.
  setColour(cr, kInk);
  cairo_rectangle(cr, -livery.track, rearY - 2.5, 2 * livery.track, 5);
  cairo_rectangle(cr, -livery.track, frontY - 2.5, 2 * livery.track, 5);
  cairo_fill(cr);
  auto body = [&](cairo_t* c) { bodyPath(c, kind); };
  fillLit(cr, body, livery.body, -40, -80, 40, 80, 0.3);
  drawLivery(cr, kind, livery);
  // Cockpit tub around the driver.
  auto cockpit = [](cairo_t* c) { roundedRect(c, -16, -30, 32, 44, 14); };
  fillLit(cr, cockpit, Rgb::hex(0x1b1d24), 16, 14, -16, -30, 0.25);
  outline(cr, cockpit, kInk, 1.2);
  drawSteeringWheel(cr, 8);
  drawHelmet(cr, -8, livery.helmet, kind == CarKind::Beast);
  drawRearParts(cr, kind, livery);
  // Lit rim on the body: highlight top-left, darker bottom-right.
  rimLight(cr, body, -40, -80, 40, 80, 3, 0.55);
  outline(cr, body, kInk, 2);
}

void drawCarPlaced(cairo_t* cr, double x, double y, double scale, CarKind kind, double angle) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  cairo_scale(cr, scale, scale);
  drawCar(cr, kind, 0);
  cairo_restore(cr);
}
