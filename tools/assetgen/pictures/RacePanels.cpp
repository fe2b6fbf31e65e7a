// Panels of the race screens: quit question, pause, race over, score sending, game over
// and the game-completed picture.
#include <algorithm>
#include <cmath>

#include "tools/assetgen/pictures/ArtBook.h"
#include "tools/assetgen/pictures/CarModels.h"
#include "tools/assetgen/pictures/Effects.h"
#include "tools/assetgen/pictures/Noise.h"
#include "tools/assetgen/pictures/PanelKit.h"
#include "tools/assetgen/pictures/Themes.h"
#include "tools/assetgen/pictures/UiKit.h"

using namespace palette;

namespace {

void paintQuitRace(cairo_t* cr, const TileRequest& t) {
  const double top = drawHeadedPanel(cr, t.width, t.height, "ВЫЙТИ ИЗ ГОНКИ?");
  drawText(cr, "Результат этой гонки не будет засчитан.", panelBodyStyle(19), t.width / 2.0 - 4,
           top + 60, Align::Centre, Align::Centre);
  drawText(cr, "«Да» — в меню, «Нет» — продолжить гонку.", panelBodyStyle(17, kCreamShade),
           t.width / 2.0 - 4, top + 110, Align::Centre, Align::Centre);
}

void paintPause(cairo_t* cr, const TileRequest& t) {
  const double w = t.width, h = t.height;
  drawPanelPlate(cr, 4, 4, w - 12, h - 12, 20);
  TextStyle big;
  big.sizePx = h * 0.36;
  big.colour = kGold;
  big.outlineWidth = 2;
  big.outlineColour = kNavyDeep;
  big.shadowOpacity = 0.5;
  drawText(cr, "ПАУЗА", big, w / 2 - 4, h * 0.36, Align::Centre, Align::Centre);
  drawText(cr, "P, F1 или Esc — продолжить", panelBodyStyle(h * 0.17), w / 2 - 4, h * 0.7,
           Align::Centre, Align::Centre);
}

// Race over: labels on the left of each result row; the game writes the values centred on
// x 518 of the screen (372 in the panel) in dark grey, so the value column is light.
constexpr double kPanelX = 146, kPanelY = 129;
constexpr double kResultRowsY[4] = {224, 268, 314, 361};
constexpr double kValueCentreX = 518;
// The wells leave the gap under the time row (y 296..312) to the "newrecord" stamp, which
// the game draws at y 298.
constexpr double kWellHeight = 30;

void paintRaceOver(cairo_t* cr, const TileRequest& t) {
  const double w = t.width, h = t.height;
  drawHeadedPanel(cr, w, h, "ФИНИШ!");
  const double wellX = kValueCentreX - kPanelX - 118, wellW = 236;
  const char* labels[4] = {"Место:", "Время:", "Бонус:", "Счёт:"};
  for (int i = 0; i < 4; ++i) {
    const double y = kResultRowsY[i] - kPanelY;
    drawLightWell(cr, wellX, y - 2, wellW, kWellHeight, 10);
    TextStyle label = panelLabelStyle(22, kWhite);
    label.outlineWidth = 1.5;
    label.outlineColour = kNavyDeep;
    drawText(cr, labels[i], label, wellX - 16, y + 13, Align::End, Align::Centre);
  }
}

void paintSendScore(cairo_t* cr, const TileRequest& t) {
  const double w = t.width;
  const double top = drawHeadedPanel(cr, w, t.height, "ОТПРАВИТЬ РЕЗУЛЬТАТ?");
  drawText(cr, "Отправить ваш счёт\nв мировую таблицу рекордов?", panelBodyStyle(20), w / 2 - 4,
           top + 70, Align::Centre, Align::Centre);
  drawText(cr, "Нужно подключение к Интернету.", panelBodyStyle(15, kCreamShade), w / 2 - 4,
           top + 130, Align::Centre, Align::Centre);
}

void paintNewRecord(cairo_t* cr, const TileRequest& t) {
  const double w = t.width, h = t.height;
  auto stamp = [&](cairo_t* c) { roundedRect(c, 1, 1, w - 2, h - 2, h / 2 - 1); };
  fillLit(cr, stamp, kRed, 0, 0, 0, h, 0.25);
  outline(cr, stamp, kGold, 1.5);
  TextStyle style;
  style.sizePx = h * 0.68;
  style = fitText(cr, "НОВЫЙ РЕКОРД!", style, w - h);
  drawText(cr, "НОВЫЙ РЕКОРД!", style, w / 2, h / 2, Align::Centre, Align::Centre);
}

// Banner under the race-over panel; the game writes the unlock message on it in dark grey.
void paintUnlockBanner(cairo_t* cr, const TileRequest& t) {
  const double w = t.width, h = t.height;
  auto banner = [&](cairo_t* c) { roundedRect(c, 3, 3, w - 8, h - 8, (h - 8) / 2); };
  softShadow(cr, banner, 2, 3, 5, 0.5);
  fillLit(cr, banner, kGold, 0, 3, 0, h - 5, 0.25);
  auto inner = [&](cairo_t* c) { roundedRect(c, 9, 8, w - 20, h - 18, (h - 18) / 2); };
  cairo_new_path(cr);
  inner(cr);
  setColour(cr, kCream);
  cairo_fill(cr);
  outline(cr, banner, kOrangeDeep, 2);
  for (int side : {-1, 1}) {  // stars at both ends
    const double cx = side < 0 ? 26 : w - 30, cy = h / 2 - 2;
    for (int i = 0; i < 10; ++i) {
      const double a = -M_PI / 2 + M_PI * i / 5, r = i % 2 == 0 ? 11 : 4.5;
      cairo_line_to(cr, cx + std::cos(a) * r, cy + std::sin(a) * r);
    }
    cairo_close_path(cr);
    setColour(cr, kOrange);
    cairo_fill(cr);
  }
}

void paintGameOver(cairo_t* cr, const TileRequest& t) {
  const double top = drawHeadedPanel(cr, t.width, t.height, "ИГРА ОКОНЧЕНА");
  drawText(cr, "Спасибо за гонку!", panelBodyStyle(24, kGold), t.width / 2.0 - 4, top + 80,
           Align::Centre, Align::Centre);
}

// Game over, name phase: the game writes the score centred on x 255 at y 177 of the screen
// (230, 102 in the panel) and places the name field at 95,351 (70, 276).
void paintYouLose(cairo_t* cr, const TileRequest& t) {
  const double w = t.width;
  drawHeadedPanel(cr, w, t.height, "ВЫ ПРОИГРАЛИ");
  TextStyle label = panelLabelStyle(20, kWhite);
  drawText(cr, "Ваш счёт:", label, 230, 70, Align::Centre, Align::Centre);
  drawLightWell(cr, 120, 90, 220, 44, 12);
  drawText(cr, "Введите имя:", label, 230, 252, Align::Centre, Align::Centre);
}

// Game completed: a full-screen celebration with the five karts on a podium of light.
void paintGameCompleted(cairo_t* cr, const TileRequest& t) {
  const double w = t.width, h = t.height;
  cairo_pattern_t* sky = cairo_pattern_create_radial(w / 2, h * 0.45, 20, w / 2, h / 2, w * 0.7);
  addStop(sky, 0, kNavyLight.shade(0.2));
  addStop(sky, 0.5, kNavy);
  addStop(sky, 1, kNavyDeep.shade(-0.5));
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_set_source(cr, sky);
  cairo_fill(cr);
  cairo_pattern_destroy(sky);
  // Rays.
  for (int i = 0; i < 24; ++i) {
    const double a = 2 * M_PI * i / 24;
    cairo_move_to(cr, w / 2, h * 0.45);
    cairo_line_to(cr, w / 2 + std::cos(a) * w, h * 0.45 + std::sin(a) * w);
    cairo_line_to(cr, w / 2 + std::cos(a + 0.12) * w, h * 0.45 + std::sin(a + 0.12) * w);
    cairo_close_path(cr);
  }
  setColour(cr, kGold, 0.08);
  cairo_fill(cr);
  // Confetti.
  Rng rng(71);
  const Rgb confetti[5] = {kRed, kGold, kTeal, kOrange, kWhite};
  for (int i = 0; i < 160; ++i) {
    cairo_save(cr);
    cairo_translate(cr, rng.uniform(0, w), rng.uniform(0, h));
    cairo_rotate(cr, rng.uniform(0, M_PI));
    cairo_rectangle(cr, -4, -2, 8, 4);
    setColour(cr, confetti[rng.below(5)], 0.85);
    cairo_fill(cr);
    cairo_restore(cr);
  }
  const CarKind kinds[5] = {CarKind::Hawk, CarKind::Turbo, CarKind::Roadster, CarKind::Volcano,
                            CarKind::Beast};
  for (int i = 0; i < 5; ++i) {
    cairo_save(cr);
    cairo_translate(cr, w / 2 + (i - 2) * 130, h * 0.62 + std::abs(i - 2) * 18);
    cairo_rotate(cr, M_PI);  // noses up, toward the title
    cairo_scale(cr, 0.8, 0.8);
    drawCar(cr, kinds[i], 0);
    cairo_restore(cr);
  }
  TextStyle title;
  title.sizePx = 58;
  title.colour = kGold;
  title.outlineWidth = 3;
  title.outlineColour = kNavyDeep;
  title.shadowOpacity = 0.6;
  drawText(cr, "ПОЗДРАВЛЯЕМ!", title, w / 2, h * 0.18, Align::Centre, Align::Centre);
  TextStyle sub = title;
  sub.sizePx = 34;
  sub.colour = kWhite;
  drawText(cr, "ИГРА ПРОЙДЕНА!", sub, w / 2, h * 0.3, Align::Centre, Align::Centre);
  drawText(cr, "Все трассы и все машины — ваши.", panelBodyStyle(22, kCream), w / 2, h * 0.88,
           Align::Centre, Align::Centre);
}

}  // namespace

void addRacePanelArt(ArtBook& book) {
  book.add("scr_exitgame", paintQuitRace);
  book.add("scr_pause", paintPause);
  book.add("scr_raceover", paintRaceOver);
  book.add("scr_send", paintSendScore);
  book.add("newrecord", paintNewRecord);
  book.add("scr_av", paintUnlockBanner);
  book.add("scr_gameover", paintGameOver);
  book.add("scr_youlose", paintYouLose);
  book.add("gamecompl", paintGameCompleted);
}
