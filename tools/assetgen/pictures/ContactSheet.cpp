#include "tools/assetgen/pictures/ContactSheet.h"

#include <algorithm>
#include <cmath>

#include "tools/assetgen/pictures/Canvas.h"
#include "tools/assetgen/pictures/Text.h"

namespace {
constexpr int kSheetWidth = 2000;
constexpr int kMargin = 12;
constexpr int kLabelHeight = 18;
constexpr double kMaxCellSide = 260;

struct Placed {
  const SheetEntry* entry;
  double x, y, scale;
};

double scaleFor(const Canvas& picture) {
  const double side = std::max(picture.width(), picture.height());
  return side > kMaxCellSide ? kMaxCellSide / side : std::min(2.0, std::floor(kMaxCellSide / side));
}

void drawChecker(cairo_t* cr, double x, double y, double w, double h) {
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  cairo_set_source_rgb(cr, 0.78, 0.78, 0.8);
  cairo_paint(cr);
  cairo_set_source_rgb(cr, 0.62, 0.62, 0.66);
  for (double cy = y; cy < y + h; cy += 8) {
    for (double cx = x + (static_cast<int>((cy - y) / 8) % 2) * 8; cx < x + w; cx += 16) {
      cairo_rectangle(cr, cx, cy, 8, 8);
    }
  }
  cairo_fill(cr);
  cairo_restore(cr);
}
}  // namespace

void writeContactSheet(const std::vector<SheetEntry>& entries, const std::string& path) {
  std::vector<Placed> placed;
  double x = kMargin, y = kMargin, rowHeight = 0;
  for (const SheetEntry& entry : entries) {
    const double scale = scaleFor(*entry.picture);
    const double w = entry.picture->width() * scale, h = entry.picture->height() * scale;
    const double cellW = std::max(w, 120.0);
    if (x + cellW > kSheetWidth - kMargin) {
      x = kMargin;
      y += rowHeight + kLabelHeight + kMargin;
      rowHeight = 0;
    }
    placed.push_back({&entry, x, y, scale});
    x += cellW + kMargin;
    rowHeight = std::max(rowHeight, h);
  }
  const int height = static_cast<int>(y + rowHeight + kLabelHeight + kMargin);
  Canvas sheet(kSheetWidth, height);
  cairo_t* cr = sheet.cr();
  cairo_set_source_rgb(cr, 0.16, 0.17, 0.2);
  cairo_paint(cr);
  TextStyle label;
  label.family = faces::kBody;
  label.bold = false;
  label.sizePx = 12;
  label.colour = Rgb::hex(0xe8e8e8);
  for (const Placed& p : placed) {
    const Canvas& picture = *p.entry->picture;
    const double w = picture.width() * p.scale, h = picture.height() * p.scale;
    drawChecker(cr, p.x, p.y, w, h);
    cairo_save(cr);
    cairo_translate(cr, p.x, p.y);
    cairo_scale(cr, p.scale, p.scale);
    cairo_set_source_surface(cr, picture.surface(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_set_source_rgba(cr, 1, 0.2, 0.8, 0.8);
    cairo_set_line_width(cr, 1);
    for (int tx = 0; tx <= picture.width(); tx += p.entry->tileWidth) {
      cairo_move_to(cr, p.x + tx * p.scale + 0.5, p.y);
      cairo_line_to(cr, p.x + tx * p.scale + 0.5, p.y + h);
    }
    for (int ty = 0; ty <= picture.height(); ty += p.entry->tileHeight) {
      cairo_move_to(cr, p.x, p.y + ty * p.scale + 0.5);
      cairo_line_to(cr, p.x + w, p.y + ty * p.scale + 0.5);
    }
    cairo_stroke(cr);
    drawText(cr, p.entry->heading, label, p.x, p.y + h + 2);
  }
  sheet.writePng(path);
}
