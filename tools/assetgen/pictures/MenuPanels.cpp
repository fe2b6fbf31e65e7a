// Panels of the menu screens: main-menu plate, name entry, exit question, options,
// records table and the clear-records question. Positions are screen coordinates minus the
// panel's own position, so texts the game writes land on the areas left for them.
#include <algorithm>
#include <cmath>

#include "tools/assetgen/pictures/ArtBook.h"
#include "tools/assetgen/pictures/CarModels.h"
#include "tools/assetgen/pictures/Effects.h"
#include "tools/assetgen/pictures/PanelKit.h"
#include "tools/assetgen/pictures/Themes.h"
#include "tools/assetgen/pictures/UiKit.h"

using namespace palette;

namespace {

// Plate behind the main-menu button column.
void paintMainMenuPlate(cairo_t* cr, const TileRequest& t) {
  const double w = t.width, h = t.height;
  drawPanelPlate(cr, 4, 20, w - 12, h - 28, 20);
  drawHeadingRibbon(cr, w / 2 - 4, 2, w - 16, 40, "ГЛАВНОЕ МЕНЮ");
}

void paintEnterName(cairo_t* cr, const TileRequest& t) {
  const double w = t.width;
  const double top = drawHeadedPanel(cr, w, t.height, "ВВЕДИТЕ ВАШЕ ИМЯ");
  drawText(cr, "Привет, гонщик!", panelLabelStyle(26, kGold), w / 2 - 4, top + 40, Align::Centre,
           Align::Centre);
  drawText(cr, "Под этим именем вас запомнит\nтаблица рекордов.", panelBodyStyle(18), w / 2 - 4,
           top + 110, Align::Centre, Align::Centre);
  drawCarPlaced(cr, 70, top + 80, 0.55, CarKind::Roadster, -0.5);
  drawCarPlaced(cr, w - 78, top + 80, 0.55, CarKind::Turbo, 0.5);
}

void paintExitQuestion(cairo_t* cr, const TileRequest& t) {
  const double w = t.width;
  const double top = drawHeadedPanel(cr, w, t.height, "ВЫЙТИ ИЗ ИГРЫ?");
  drawText(cr, "Уже уходите?", panelLabelStyle(26, kGold), w / 2 - 4, top + 50, Align::Centre,
           Align::Centre);
  drawText(cr, "Трассы будут ждать вас.\nВозвращайтесь скорее!", panelBodyStyle(19), w / 2 - 4,
           top + 130, Align::Centre, Align::Centre);
  drawCarPlaced(cr, 80, top + 150, 0.55, CarKind::Hawk, 0.3);
  drawCarPlaced(cr, w - 88, top + 150, 0.55, CarKind::Beast, -0.3);
}

// Options: five rows, labels on the left; the switches (x 600), the text field (553,399)
// and the difficulty switch (600,458) are placed over the right side by the game. The
// panel sits at 50,211.
void paintOptions(cairo_t* cr, const TileRequest& t) {
  const double w = t.width, h = t.height;
  drawPanelPlate(cr, 4, 4, w - 12, h - 12, 20);
  const char* labels[5] = {"Полный экран", "Музыка", "Звуковые эффекты", "Доп. текст", "Сложность"};
  const PictureEntry& toggle = tableEntry("b_on");
  const PictureEntry& edit = tableEntry("Edit");
  const PictureEntry& level = tableEntry("b_normal");
  const double centres[5] = {220 - 211 + toggle.TileHeight / 2.0,
                             279 - 211 + toggle.TileHeight / 2.0,
                             338 - 211 + toggle.TileHeight / 2.0, 399 - 211 + edit.TileHeight / 2.0,
                             458 - 211 + level.TileHeight / 2.0};
  for (int i = 0; i < 5; ++i) {
    const double y = std::clamp(centres[i], 24.0, h - 24.0);
    TextStyle label = panelLabelStyle(21, kWhite);
    label.outlineWidth = 1.5;
    label.outlineColour = kNavyDeep;
    drawText(cr, labels[i], label, 40, y, Align::Start, Align::Centre);
    // Dotted leader toward the control.
    const double textEnd = 40 + measureText(cr, labels[i], label).width + 12;
    const double controlX = (i == 3 ? 553 : 600) - 50 - 14;
    for (double x = textEnd; x < controlX; x += 10) {
      cairo_arc(cr, x, y + 2, 1.6, 0, 2 * M_PI);
      cairo_new_sub_path(cr);
    }
    setColour(cr, kGold, 0.55);
    cairo_fill(cr);
  }
}

// Records: the game writes the rows in near-black from y 271 (place centred on x 300, name
// on 480, score on 680); the panel sits at 266,190.
constexpr double kRecordsX = 266, kRecordsY = 190;

void paintRecords(cairo_t* cr, const TileRequest& t) {
  const double w = t.width, h = t.height;
  drawPanelPlate(cr, 0, 22, w - 4, h - 26, 18);
  drawHeadingRibbon(cr, w / 2, 2, w * 0.78, 38, "ТАБЛИЦА РЕКОРДОВ");
  const double wellTop = 265 - kRecordsY;
  drawLightWell(cr, 4, wellTop, w - 12, h - wellTop - 6, 10);
  // Alternate row shading inside the well.
  for (int i = 0; i < 10; ++i) {
    if (i % 2) continue;
    cairo_rectangle(cr, 8, 271 - kRecordsY + 20 * i - 2, w - 20, 20);
  }
  setColour(cr, kCreamShade, 0.45);
  cairo_fill(cr);
  TextStyle column = panelLabelStyle(15, kGold);
  column.outlineWidth = 1.2;
  column.outlineColour = kNavyDeep;
  const double titleY = (44 + wellTop) / 2 + 1;
  drawText(cr, "Место", column, 300 - kRecordsX, titleY, Align::Centre, Align::Centre);
  drawText(cr, "Имя", column, 480 - kRecordsX, titleY, Align::Centre, Align::Centre);
  drawText(cr, "Очки", column, 680 - kRecordsX, titleY, Align::Centre, Align::Centre);
}

// "No" clears the table and "Yes" keeps it, so the question asks whether to keep it.
void paintClearRecords(cairo_t* cr, const TileRequest& t) {
  const double w = t.width;
  drawPanelPlate(cr, 4, 4, w - 12, t.height - 12, 18);
  drawText(cr, "Оставить таблицу\nрекордов?", panelLabelStyle(22, kGold), w / 2 - 4, 44,
           Align::Centre, Align::Centre);
  drawText(cr, "«Нет» очистит таблицу.", panelBodyStyle(15, kCreamShade), w / 2 - 4, 88,
           Align::Centre, Align::Centre);
}

}  // namespace

void addMenuPanelArt(ArtBook& book) {
  book.add("dobav", paintMainMenuPlate);
  book.add("scr_entername", paintEnterName);
  book.add("scr_ExitTheGame", paintExitQuestion);
  book.add("scr_opt", paintOptions);
  book.add("scr_hiscr", paintRecords);
  book.add("scr_clearhiscr", paintClearRecords);
}
