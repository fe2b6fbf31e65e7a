#include "tools/assetgen/pictures/PixelFill.h"

#include <algorithm>
#include <cstdint>

namespace {
uint32_t toByte(double v) {
  return static_cast<uint32_t>(std::clamp(v, 0.0, 1.0) * 255.0 + 0.5);
}
}  // namespace

void fillPixels(cairo_t* cr, int w, int h,
                const std::function<Rgba(double x, double y)>& colourAt) {
  cairo_surface_t* block = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  unsigned char* data = cairo_image_surface_get_data(block);
  const int stride = cairo_image_surface_get_stride(block);
  for (int y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
    for (int x = 0; x < w; ++x) {
      const Rgba c = colourAt(x + 0.5, y + 0.5);
      const double a = std::clamp(c.alpha, 0.0, 1.0);
      row[x] = toByte(a) << 24 | toByte(c.colour.r * a) << 16 | toByte(c.colour.g * a) << 8 |
               toByte(c.colour.b * a);
    }
  }
  cairo_surface_mark_dirty(block);
  cairo_set_source_surface(cr, block, 0, 0);
  cairo_paint(cr);
  cairo_surface_destroy(block);
}
