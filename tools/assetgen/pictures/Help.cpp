// The three help pages and the eight animated key icons of the controls page.
#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "tools/assetgen/pictures/ArtBook.h"
#include "tools/assetgen/pictures/Effects.h"
#include "tools/assetgen/pictures/PanelKit.h"
#include "tools/assetgen/pictures/Themes.h"
#include "tools/assetgen/pictures/UiKit.h"

using namespace palette;

namespace {

constexpr double kPageX = 96, kPageY = 149;
constexpr double kSocketRadius = 8;
constexpr double kDescriptionX = 404;
// The gamepad column on the right of the descriptions (screen x of its centre).
constexpr double kPadColumnX = 648;
constexpr double kPadBadgeWidth = 72, kPadBadgeHeight = 24;

// A key icon and where its centre sits on the screen.
struct KeyIcon {
  const char* name;
  double centreX, centreY;
  const char* label;  // nullptr for the arrow keys
  double arrowAngle;  // direction of the arrow, radians clockwise from up
};

const std::array<KeyIcon, 8> kKeys = {{
    {"up_hb", 259, 233, nullptr, 0},
    {"down_hb", 259, 279, nullptr, M_PI},
    {"left_hb", 236, 325, nullptr, -M_PI / 2},
    {"right_hb", 282, 325, nullptr, M_PI / 2},
    {"p_hb", 259, 372, "P", 0},
    {"ctrl_hb", 202, 419, "Ctrl", 0},
    {"space_hb", 336, 419, "Пробел", 0},
    {"esc_hb", 261, 463, "Esc", 0},
}};

// How far the key is pressed (0..1) in each of the eight tiles: a tap, then a rest.
constexpr double kPress[8] = {0, 0.35, 1, 1, 0.6, 0.2, 0, 0};

void paintKey(cairo_t* cr, const TileRequest& t, const KeyIcon& key) {
  const double w = t.width, h = t.height, press = kPress[t.index % 8];
  // An opaque socket fills the tile: the controls page is cut open exactly over it.
  auto socket = [&](cairo_t* c) { roundedRect(c, 0, 0, w, h, kSocketRadius); };
  fillLit(cr, socket, kNavyDeep.shade(-0.3), w, h, 0, 0, 0.15);
  const double depth = 5 * (1 - press);
  const double x = 2, y = 2 + (5 - depth), kw = w - 5, kh = h - 4 - (5 - depth) - 1;
  auto base = [&](cairo_t* c) { roundedRect(c, x, y, kw, kh, 7); };
  if (press > 0) softGlow(cr, base, 5, kGold, 0.9 * press);
  softShadow(cr, base, 1, 2, 3, 0.5);
  fillLit(cr, base, kSteel.shade(-0.35), x, y, x, y + kh, 0.1);
  outline(cr, base, kNavyDeep, 1.2);
  auto top = [&](cairo_t* c) { roundedRect(c, x + 3, y + 2, kw - 6, kh - depth - 3, 5); };
  const Rgb face = kCream.mix(kOrange, press * 0.55);
  fillLit(cr, top, face, x, y, x + kw * 0.3, y + kh, 0.15);
  outline(cr, top, kSteel.shade(-0.2), 1);
  const double cx = x + kw / 2, cy = y + 2 + (kh - depth - 3) / 2;
  const Rgb ink = press > 0.5 ? kWhite : kNavyDeep;
  if (key.label) {
    TextStyle label;
    label.sizePx = std::min(h * 0.42, 17.0);
    label.colour = ink;
    label = fitText(cr, key.label, label, kw - 12);
    drawText(cr, key.label, label, cx, cy, Align::Centre, Align::Centre);
    return;
  }
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, key.arrowAngle);
  const double s = std::min(kw, kh) * 0.3;
  cairo_move_to(cr, 0, -s);
  cairo_line_to(cr, s * 0.8, 0);
  cairo_line_to(cr, s * 0.3, 0);
  cairo_line_to(cr, s * 0.3, s);
  cairo_line_to(cr, -s * 0.3, s);
  cairo_line_to(cr, -s * 0.3, 0);
  cairo_line_to(cr, -s * 0.8, 0);
  cairo_close_path(cr);
  cairo_restore(cr);
  setColour(cr, ink);
  cairo_fill(cr);
}

// A gamepad control's name on a small dark plate, centred on x, y.
void drawPadBadge(cairo_t* cr, const char* name, double x, double y) {
  const double left = x - kPadBadgeWidth / 2, top = y - kPadBadgeHeight / 2;
  auto plate = [&](cairo_t* c) {
    roundedRect(c, left, top, kPadBadgeWidth, kPadBadgeHeight, kPadBadgeHeight / 2);
  };
  softShadow(cr, plate, 1, 2, 3, 0.5);
  fillLit(cr, plate, kNavyDeep.shade(0.15), left, top, left, top + kPadBadgeHeight, 0.2);
  outline(cr, plate, kGold, 1.5, 0.9);
  TextStyle label = panelLabelStyle(14, kWhite);
  label = fitText(cr, name, label, kPadBadgeWidth - 12);
  drawText(cr, name, label, x, y, Align::Centre, Align::Centre);
}

// A description centred on y; a text with a line break becomes two smaller lines. Each line
// shrinks to the width when it must.
void drawRowText(cairo_t* cr, const std::string& text, TextStyle style, double x, double y,
                 double width) {
  const size_t breakAt = text.find('\n');
  if (breakAt == std::string::npos) {
    drawText(cr, text, fitText(cr, text, style, width), x, y, Align::Start, Align::Centre);
    return;
  }
  style.sizePx -= 2;
  const double half = style.sizePx * 0.6;
  const std::string first = text.substr(0, breakAt), second = text.substr(breakAt + 1);
  drawText(cr, first, fitText(cr, first, style, width), x, y - half, Align::Start, Align::Centre);
  drawText(cr, second, fitText(cr, second, style, width), x, y + half, Align::Start, Align::Centre);
}

double drawHelpPage(cairo_t* cr, const TileRequest& t, const char* heading) {
  return drawHeadedPanel(cr, t.width, t.height, heading);
}

void paintAboutPage(cairo_t* cr, const TileRequest& t) {
  const double top = drawHelpPage(cr, t, "ОБ ИГРЕ");
  const TextStyle body = panelBodyStyle(16);
  double y = top + 14;
  const char* paragraphs[] = {
      "Обгоните соперников и первым пересеките финиш!",
      "Проезжайте контрольные ворота по порядку: стрелка радара рядом со спидометром всегда "
      "показывает, куда ехать дальше.",
      "За 1-е, 2-е и 3-е место трасса даёт призовые очки (на первой трассе 100, 70 и 50), "
      "они копятся в общем счёте.",
      "Лучшее время становится рекордом трассы.",
  };
  for (const char* text : paragraphs) {
    cairo_arc(cr, 36, y + 11, 4, 0, 2 * M_PI);
    setColour(cr, kGold);
    cairo_fill(cr);
    y += drawParagraph(cr, text, body, 50, y, t.width - 260) + 12;
  }
  // A podium on the right.
  const double px = t.width - 190, py = t.height - 60;
  const double heights[3] = {70, 100, 50};
  const int places[3] = {2, 1, 3};
  const Rgb medals[3] = {Rgb::hex(0xc0c6d0), kGold, Rgb::hex(0xcd7f32)};
  for (int i = 0; i < 3; ++i) {
    const double x = px + i * 56, hgt = heights[i];
    auto block = [&](cairo_t* c) { roundedRect(c, x, py - hgt, 52, hgt, 4); };
    softShadow(cr, block, 2, 3, 4, 0.5);
    fillLit(cr, block, medals[i], x, py - hgt, x + 52, py, 0.3);
    outline(cr, block, kNavyDeep, 1.5);
    TextStyle number = panelLabelStyle(30, kNavyDeep);
    drawText(cr, std::to_string(places[i]), number, x + 26, py - hgt / 2, Align::Centre,
             Align::Centre);
  }
}

// The controls page is drawn over the key icons, so it is cut open where each icon sits.
void paintControlsPage(cairo_t* cr, const TileRequest& t) {
  drawHelpPage(cr, t, "УПРАВЛЕНИЕ");
  for (const KeyIcon& key : kKeys) {
    const PictureEntry& size = tableEntry(key.name);
    const double x = key.centreX - kPageX - size.TileWidth / 2.0;
    const double y = key.centreY - kPageY - size.TileHeight / 2.0;
    auto hole = [&](cairo_t* c) {
      roundedRect(c, x, y, size.TileWidth, size.TileHeight, kSocketRadius);
    };
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_new_path(cr);
    hole(cr);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 0, t.width, t.height);
    hole(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_clip(cr);
    outline(cr, hole, kGold, 3, 0.8);
    cairo_restore(cr);
  }
  const struct {
    double y;
    const char* text;
    const char* pad;  // the gamepad control that does the same
  } rows[] = {{233, "газ", "RT"},
              {279, "тормоз / задний ход", "LT"},
              {325, "поворот влево / вправо", "стик"},
              {372, "P или F1 — пауза", "Start"},
              {419, "Ctrl или Пробел —\nручной тормоз", "X"},
              {463, "Esc — выход из гонки", "B"}};
  const double padX = kPadColumnX - kPageX;
  const double descriptionWidth = padX - kPadBadgeWidth / 2 - 10 - (kDescriptionX - kPageX);
  TextStyle text = panelLabelStyle(17, kWhite);
  text.outlineWidth = 1.2;
  text.outlineColour = kNavyDeep;
  for (const auto& row : rows) {
    const double y = row.y - kPageY;
    cairo_arc(cr, kDescriptionX - kPageX - 8, y, 3, 0, 2 * M_PI);
    setColour(cr, kGold);
    cairo_fill(cr);
    drawRowText(cr, row.text, text, kDescriptionX - kPageX, y, descriptionWidth);
    drawPadBadge(cr, row.pad, padX, y);
  }
  TextStyle heading = panelLabelStyle(13, kGold);
  drawText(cr, "геймпад", heading, padX, rows[0].y - kPageY - 26, Align::Centre, Align::Centre);
  // Below the column, clear of the key icons on the left: the keys that have no icon.
  const char* noteLines[] = {"R или Y — назад на трассу, T — заезд на время",
                             "крестовина — как стрелки, A — Enter"};
  // Two lines between the last badge and the page's frame, where one line used to sit.
  const TextStyle note = panelLabelStyle(12, kCream);
  double noteY = t.height - 34;
  for (const char* line : noteLines) {
    drawText(cr, line, note, padX + kPadBadgeWidth / 2, noteY, Align::End, Align::Centre);
    noteY += 13;
  }
}

void paintScorePage(cairo_t* cr, const TileRequest& t) {
  const double top = drawHelpPage(cr, t, "ОЧКИ И ОТКРЫТИЯ");
  const TextStyle body = panelBodyStyle(16);
  double y = top + 14;
  const char* paragraphs[] = {
      "Призовые очки за места на подиуме складываются в ваш счёт.",
      "Счёт открывает новые трассы и машины: первое открытие — при 300 очках, "
      "каждое следующее требует больше.",
      "Сначала доступны 3 трассы из 12 и 2 машины из 5. Закрытые показаны с замком.",
  };
  for (const char* text : paragraphs) {
    cairo_arc(cr, 36, y + 11, 4, 0, 2 * M_PI);
    setColour(cr, kGold);
    cairo_fill(cr);
    y += drawParagraph(cr, text, body, 50, y, t.width - 100) + 12;
  }
  // A progress track of unlock steps with padlocks.
  const double barY = t.height - 70, x0 = 50, x1 = t.width - 60;
  auto track = [&](cairo_t* c) { roundedRect(c, x0, barY - 7, x1 - x0, 14, 7); };
  drawDarkWell(cr, x0, barY - 7, x1 - x0, 14, 7);
  auto filled = [&](cairo_t* c) { roundedRect(c, x0, barY - 7, (x1 - x0) * 0.3, 14, 7); };
  fillLit(cr, filled, kGold, x0, barY - 7, x0, barY + 7, 0.3);
  outline(cr, track, kNavyDeep, 1);
  for (int i = 0; i < 5; ++i) {
    const double x = x0 + (x1 - x0) * (0.15 + i * 0.2), lockY = barY - 30;
    const bool open = i == 0;
    cairo_new_path(cr);
    cairo_arc(cr, x, lockY - 6, 6, M_PI, 0);
    setColour(cr, open ? kGold : kSteel);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    auto body2 = [&](cairo_t* c) { roundedRect(c, x - 9, lockY - 6, 18, 14, 3); };
    fillLit(cr, body2, open ? kGold : kSteel, x - 9, lockY - 6, x + 9, lockY + 8, 0.3);
    outline(cr, body2, kNavyDeep, 1);
  }
}

}  // namespace

void addHelpArt(ArtBook& book) {
  book.add("scr_help", paintAboutPage);
  book.add("scr_help2", paintControlsPage);
  book.add("scr_help3", paintScorePage);
  for (const KeyIcon& key : kKeys) {
    book.add(key.name, [&key](cairo_t* cr, const TileRequest& t) { paintKey(cr, t, key); });
  }
}
