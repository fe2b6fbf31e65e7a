// Labelled buttons, arrow buttons, on/off switches and text field frames.
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "tools/assetgen/pictures/ArtBook.h"
#include "tools/assetgen/pictures/Effects.h"
#include "tools/assetgen/pictures/Text.h"
#include "tools/assetgen/pictures/Themes.h"
#include "tools/assetgen/pictures/UiKit.h"

using namespace palette;

namespace {

ButtonState stateOf(const TileRequest& tile) {
  return tile.index == 0 ? ButtonState::Normal : ButtonState::Hover;
}

// A round button carrying a triangular arrow pointing right (+1) or left (-1).
void drawArrowButton(cairo_t* cr, const TileRequest& tile, int direction) {
  const bool hover = tile.index != 0;
  const double w = tile.width, h = tile.height;
  const double r = std::min(w, h) / 2 - 5, cx = w / 2, cy = h / 2 - 1;
  auto disc = [&](cairo_t* c) { cairo_arc(c, cx, cy, r, 0, 2 * M_PI); };
  if (hover) {
    softGlow(cr, disc, 8, kGold, 0.9);
  } else {
    softShadow(cr, disc, 2, 3, 4, 0.5);
  }
  fillLit(cr, disc, hover ? kOrange : kButtonBlue, cx - r, cy - r, cx + r * 0.3, cy + r, 0.28);
  rimLight(cr, disc, cx - r, cy - r, cx + r, cy + r, 2, 0.6);
  outline(cr, disc, hover ? kWhite : kNavyDeep, 2);
  auto arrow = [&](cairo_t* c) {
    const double s = r * 0.55;
    cairo_move_to(c, cx + direction * s * 1.05, cy);
    cairo_line_to(c, cx - direction * s * 0.6, cy - s);
    cairo_line_to(c, cx - direction * s * 0.6, cy + s);
    cairo_close_path(c);
  };
  softShadow(cr, arrow, 1.5, 2, 3, 0.5);
  fillLit(cr, arrow, kWhite, cx - r, cy - r, cx, cy + r, 0.1);
  outline(cr, arrow, hover ? kOrangeDeep.shade(-0.3) : kButtonBlueDeep, 1.5);
}

// A sliding switch; only tile 1 is ever shown, tile 0 is the same switch dimmed.
void drawSwitch(cairo_t* cr, const TileRequest& tile, bool on) {
  const double w = tile.width, h = tile.height;
  const double x = 4, y = 4, sw = w - 8, sh = h - 9;
  auto track = [&](cairo_t* c) { roundedRect(c, x, y, sw, sh, sh / 2); };
  softShadow(cr, track, 2, 3, 4, 0.5);
  const Rgb base = on ? Rgb::hex(0x2f9e44) : Rgb::hex(0xa23a3a);
  fillLit(cr, track, tile.index == 0 ? base.shade(-0.45) : base, x, y, x, y + sh, 0.25);
  rimLight(cr, track, x, y + sh, x, y, 2, 0.45);
  outline(cr, track, kNavyDeep, 1.5);
  const double knobR = sh / 2 - 3;
  const double knobX = on ? x + sw - sh / 2 : x + sh / 2, knobY = y + sh / 2;
  auto knob = [&](cairo_t* c) { cairo_arc(c, knobX, knobY, knobR, 0, 2 * M_PI); };
  softShadow(cr, knob, 1.5, 2, 3, 0.55);
  fillLit(cr, knob, kCream, knobX - knobR, knobY - knobR, knobX + knobR, knobY + knobR, 0.25);
  outline(cr, knob, kSteel.shade(-0.4), 1);
  TextStyle style;
  style.sizePx = sh * 0.5;
  style.outlineWidth = 1.2;
  style.outlineColour = base.shade(-0.55);
  const double textCentre = on ? x + (sw - sh) / 2 + 4 : x + sh + (sw - sh) / 2 - 4;
  drawText(cr, on ? "Вкл" : "Выкл", style, textCentre, knobY, Align::Centre, Align::Centre);
}

// The difficulty switch, one picture per level: a pill with the level's name and one to
// three stars; only tile 1 is ever shown, tile 0 is the same pill dimmed.
void drawLevelSwitch(cairo_t* cr, const TileRequest& tile, int level) {
  const double w = tile.width, h = tile.height;
  const double x = 4, y = 4, sw = w - 8, sh = h - 9;
  auto pill = [&](cairo_t* c) { roundedRect(c, x, y, sw, sh, sh / 2); };
  softShadow(cr, pill, 2, 3, 4, 0.5);
  const Rgb colours[3] = {Rgb::hex(0x2f9e44), Rgb::hex(0x1c6ea4), Rgb::hex(0xa23a3a)};
  const Rgb base = colours[level];
  fillLit(cr, pill, tile.index == 0 ? base.shade(-0.45) : base, x, y, x, y + sh, 0.25);
  rimLight(cr, pill, x, y + sh, x, y, 2, 0.45);
  outline(cr, pill, kNavyDeep, 1.5);
  const char* names[3] = {"Лёгкая", "Обычная", "Трудная"};
  TextStyle style;
  style.sizePx = sh * 0.5;
  style.outlineWidth = 1.2;
  style.outlineColour = base.shade(-0.55);
  const double starsWidth = 30;
  drawText(cr, names[level], style, x + (sw - starsWidth) / 2 + 2, y + sh / 2, Align::Centre,
           Align::Centre);
  for (int i = 0; i < 3; ++i) {
    const double cx = x + sw - starsWidth + 2 + i * 9, cy = y + sh / 2, r = 4;
    cairo_new_path(cr);
    for (int k = 0; k < 10; ++k) {
      const double a = -M_PI / 2 + k * M_PI / 5, rr = k % 2 ? r * 0.45 : r;
      cairo_line_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
    }
    cairo_close_path(cr);
    setColour(cr, i <= level ? kGold : kNavyDeep, i <= level ? 1.0 : 0.5);
    cairo_fill(cr);
  }
}

// The studio badge in the bottom-left corner, a link to the developer's site.
void drawStudioBadge(cairo_t* cr, const TileRequest& tile) {
  const bool hover = tile.index != 0;
  const double w = tile.width, h = tile.height;
  const double cx = w / 2, cy = h * 0.42, r = std::min(w, h) * 0.34;
  auto disc = [&](cairo_t* c) { cairo_arc(c, cx, cy, r, 0, 2 * M_PI); };
  if (hover) softGlow(cr, disc, 10, kGold, 0.95);
  softShadow(cr, disc, 2, 3, 5, 0.5);
  fillLit(cr, disc, kNavy, cx - r, cy - r, cx + r, cy + r, 0.3);
  // A chequered flag waving across the badge.
  cairo_save(cr);
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy, r - 4, 0, 2 * M_PI);
  cairo_clip(cr);
  const double cell = r * 0.28;
  for (int row = -4; row < 4; ++row) {
    for (int col = -4; col < 4; ++col) {
      if ((row + col) % 2 != 0) continue;
      const double px = cx + col * cell, py = cy + row * cell + std::sin(col * 0.9) * cell * 0.35;
      cairo_rectangle(cr, px, py, cell, cell);
    }
  }
  setColour(cr, kWhite, 0.9);
  cairo_fill(cr);
  cairo_restore(cr);
  TextStyle mono;
  mono.family = faces::kTitle;
  mono.italic = true;
  mono.sizePx = r * 0.95;
  mono.colour = kGold;
  mono.outlineWidth = 2.2;
  mono.outlineColour = kNavyDeep;
  drawText(cr, "BK", mono, cx, cy, Align::Centre, Align::Centre);
  rimLight(cr, disc, cx - r, cy - r, cx + r, cy + r, 2.5, 0.6);
  outline(cr, disc, hover ? kWhite : kGold, 2.5);
  TextStyle caption;
  caption.sizePx = h * 0.13;
  caption.colour = hover ? kGold : kWhite;
  caption.outlineWidth = 2;
  caption.outlineColour = kNavyDeep;
  drawText(cr, "Наш сайт", caption, cx, h - 4, Align::Centre, Align::End);
}

}  // namespace

void addButtonArt(ArtBook& book) {
  const std::vector<std::pair<const char*, const char*>> labelled = {
      {"b_stgame", "Начать игру"},
      {"b_opt", "Опции"},
      {"b_help", "Помощь"},
      {"b_visit", "Другие игры"},
      {"b_exit", "Выход"},
      {"b_ok", "ОК"},
      {"b_back", "Назад"},
      {"b_next", "Следующая"},
      {"b_prev", "Предыдущая"},
      {"b_apply", "Применить"},
      {"b_cancel", "Отмена"},
      {"b_clrhiscr", "Очистить рекорды"},
      {"b_viewwhiscr", "Мировые рекорды"},
      {"b_yes", "Да"},
      {"b_no", "Нет"},
      {"b_yes1", "Да"},
      {"b_no1", "Нет"},
      {"bro_next", "Далее"},
      {"bc_race", "Вперёд!"},
      {"bc_trial", "На время"},
  };
  for (const auto& [name, label] : labelled) {
    const std::string text = label;
    book.add(name, [text](cairo_t* cr, const TileRequest& tile) {
      drawButton(cr, tile.width, tile.height, text, stateOf(tile));
    });
  }
  book.add("bc_next", [](cairo_t* cr, const TileRequest& tile) { drawArrowButton(cr, tile, 1); });
  book.add("bc_prev", [](cairo_t* cr, const TileRequest& tile) { drawArrowButton(cr, tile, -1); });
  book.add("b_on", [](cairo_t* cr, const TileRequest& tile) { drawSwitch(cr, tile, true); });
  book.add("b_off", [](cairo_t* cr, const TileRequest& tile) { drawSwitch(cr, tile, false); });
  book.add("b_easy", [](cairo_t* cr, const TileRequest& tile) { drawLevelSwitch(cr, tile, 0); });
  book.add("b_normal", [](cairo_t* cr, const TileRequest& tile) { drawLevelSwitch(cr, tile, 1); });
  book.add("b_hard", [](cairo_t* cr, const TileRequest& tile) { drawLevelSwitch(cr, tile, 2); });
  book.add("b_logo", drawStudioBadge);
  book.add("e_name", [](cairo_t* cr, const TileRequest& tile) {
    drawEditFrame(cr, tile.width, tile.height, true);
  });
  book.add("editname", [](cairo_t* cr, const TileRequest& tile) {
    drawEditFrame(cr, tile.width, tile.height, true);
  });
  book.add("Edit", [](cairo_t* cr, const TileRequest& tile) {
    drawEditFrame(cr, tile.width, tile.height, false);
  });
}
