// The bitmap font's sheet: one white glyph per tile on transparent, in the order of the
// game's default character string; the game tints the glyphs when it draws text.
#include <algorithm>
#include <string>
#include <vector>

#include "tools/assetgen/pictures/ArtBook.h"
#include "tools/assetgen/pictures/Text.h"
#include "tools/assetgen/pictures/Themes.h"

namespace {

// Tile p shows character p of this string: space and ASCII 0x21-0x40, the capitals in
// keyboard-row order, ASCII 0x5B-0x60, the small letters, ASCII 0x7B-0x7E, then the Latin
// capitals and small letters in alphabetical order.
const std::vector<std::string>& glyphOrder() {
  static const std::vector<std::string> glyphs = [] {
    std::vector<std::string> out;
    for (char c = 0x20; c <= 0x40; ++c) out.emplace_back(1, c);
    const char* capitals[] = {"Я", "Ф", "Й", "Ц", "Ы", "Ч", "С", "В", "У", "К", "А",
                              "М", "И", "П", "Е", "Н", "Р", "Т", "Ь", "О", "Г", "Ш",
                              "Л", "Б", "Ю", "Д", "Щ", "З", "Ж", "Ё", "Ъ", "Х", "Э"};
    out.insert(out.end(), std::begin(capitals), std::end(capitals));
    for (char c = 0x5B; c <= 0x60; ++c) out.emplace_back(1, c);
    const char* smalls[] = {"й", "ф", "я", "ч", "ы", "ц", "у", "в", "с", "м", "а",
                            "к", "е", "п", "и", "т", "р", "н", "г", "о", "ь", "б",
                            "л", "ш", "щ", "д", "ю", "ж", "з", "ё", "ъ", "х", "э"};
    out.insert(out.end(), std::begin(smalls), std::end(smalls));
    for (char c = 0x7B; c <= 0x7E; ++c) out.emplace_back(1, c);
    for (char c = 'A'; c <= 'Z'; ++c) out.emplace_back(1, c);
    for (char c = 'a'; c <= 'z'; ++c) out.emplace_back(1, c);
    return out;
  }();
  return glyphs;
}

void paintGlyph(cairo_t* cr, const TileRequest& t) {
  const std::vector<std::string>& glyphs = glyphOrder();
  if (t.index >= static_cast<int>(glyphs.size())) return;
  TextStyle style;
  style.family = "DejaVu Sans";
  style.bold = false;
  style.sizePx = t.height * 0.7;
  const std::string& glyph = glyphs[static_cast<size_t>(t.index)];
  const TextSize size = measureText(cr, glyph, style);
  // Wide letters are narrowed to the cell; all glyphs share one baseline.
  const double squeeze = std::min(1.0, (t.width - 1) / std::max(size.width, 1.0));
  cairo_save(cr);
  cairo_translate(cr, t.width / 2.0, 0);
  cairo_scale(cr, squeeze, 1);
  drawText(cr, glyph, style, 0, (t.height - size.height) / 2, Align::Centre, Align::Start);
  cairo_restore(cr);
}

}  // namespace

void addGlyphSheetArt(ArtBook& book) {
  book.add("font", paintGlyph);
}
