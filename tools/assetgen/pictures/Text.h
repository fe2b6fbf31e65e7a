#pragma once
#include <cairo.h>

#include <string>

#include "tools/assetgen/pictures/Palette.h"

// Faces used for painted texts; all of them cover Cyrillic except the title face, which
// only ever writes the Latin game name.
namespace faces {
inline constexpr const char* kDisplay = "Comfortaa";  // headings and button labels
inline constexpr const char* kBody = "Noto Sans";     // running text of help pages
inline constexpr const char* kTitle = "Lobster Two";  // "Brindle Karts"
}  // namespace faces

struct TextStyle {
  const char* family = faces::kDisplay;
  bool bold = true;
  bool italic = false;
  double sizePx = 18;
  Rgb colour = palette::kWhite;
  double outlineWidth = 0;  // drawn outside the letters, under the fill
  Rgb outlineColour = palette::kInk;
  double shadowOpacity = 0;  // soft drop shadow along the light direction
};

enum class Align { Start, Centre, End };

struct TextSize {
  double width;
  double height;
};

TextSize measureText(cairo_t* cr, const std::string& utf8, const TextStyle& style);

// Draws one line (or several, separated by '\n') anchored at (x, y): the anchor is the
// left / centre / right of the text horizontally and its top / middle / bottom vertically.
void drawText(cairo_t* cr, const std::string& utf8, const TextStyle& style, double x, double y,
              Align horizontal = Align::Start, Align vertical = Align::Start);

// The style with its size reduced until the text fits in maxWidth.
TextStyle fitText(cairo_t* cr, const std::string& utf8, TextStyle style, double maxWidth);

// Word-wrapped paragraph of the given width; returns its height.
double drawParagraph(cairo_t* cr, const std::string& utf8, const TextStyle& style, double x,
                     double y, double width, double lineSpacing = 1.0);

// Frees the font caches text drawing filled (pango's font map, cairo's static data and
// fontconfig's), so a leak checker at exit sees only real leaks. No text may be drawn
// afterwards.
void releaseTextCaches();
