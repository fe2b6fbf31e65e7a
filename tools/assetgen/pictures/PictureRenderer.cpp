#include "tools/assetgen/pictures/PictureRenderer.h"

std::unique_ptr<Canvas> renderPicture(const TilePainter& painter, int tileWidth, int tileHeight,
                                      int tileCount, int columns) {
  const int rows = (tileCount + columns - 1) / columns;
  auto canvas = std::make_unique<Canvas>(columns * tileWidth, rows * tileHeight);
  cairo_t* cr = canvas->cr();
  for (int index = 0; index < tileCount; ++index) {
    cairo_save(cr);
    cairo_translate(cr, (index % columns) * tileWidth, (index / columns) * tileHeight);
    cairo_rectangle(cr, 0, 0, tileWidth, tileHeight);
    cairo_clip(cr);
    cairo_new_path(cr);
    painter(cr, {tileWidth, tileHeight, index, tileCount});
    cairo_restore(cr);
  }
  return canvas;
}
