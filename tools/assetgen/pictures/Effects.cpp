#include "tools/assetgen/pictures/Effects.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// One horizontal and one vertical running-sum pass over an A8 surface.
void boxBlurPass(unsigned char* data, int width, int height, int stride, int radius) {
  std::vector<int> line(static_cast<size_t>(std::max(width, height)));
  const int span = 2 * radius + 1;
  for (int y = 0; y < height; ++y) {
    unsigned char* row = data + y * stride;
    int sum = 0;
    for (int x = -radius - 1; x < radius; ++x) sum += (x >= 0 && x < width) ? row[x] : 0;
    for (int x = 0; x < width; ++x) {
      const int add = x + radius, sub = x - radius - 1;
      sum += (add < width ? row[add] : 0) - (sub >= 0 ? row[sub] : 0);
      line[static_cast<size_t>(x)] = sum / span;
    }
    for (int x = 0; x < width; ++x)
      row[x] = static_cast<unsigned char>(line[static_cast<size_t>(x)]);
  }
  for (int x = 0; x < width; ++x) {
    int sum = 0;
    for (int y = -radius - 1; y < radius; ++y)
      sum += (y >= 0 && y < height) ? data[y * stride + x] : 0;
    for (int y = 0; y < height; ++y) {
      const int add = y + radius, sub = y - radius - 1;
      sum += (add < height ? data[add * stride + x] : 0) - (sub >= 0 ? data[sub * stride + x] : 0);
      line[static_cast<size_t>(y)] = sum / span;
    }
    for (int y = 0; y < height; ++y)
      data[y * stride + x] = static_cast<unsigned char>(line[static_cast<size_t>(y)]);
  }
}

// The shape as a blurred alpha mask in device space; (originX, originY) is the mask's
// top-left device pixel.
cairo_surface_t* blurredMask(cairo_t* cr, const PathFn& path, double blur, int* originX,
                             int* originY) {
  cairo_save(cr);
  cairo_new_path(cr);
  path(cr);
  double x0, y0, x1, y1;
  cairo_path_extents(cr, &x0, &y0, &x1, &y1);
  cairo_new_path(cr);
  cairo_restore(cr);
  double xs[4] = {x0, x1, x1, x0}, ys[4] = {y0, y0, y1, y1};
  double minX = 1e9, minY = 1e9, maxX = -1e9, maxY = -1e9;
  for (int i = 0; i < 4; ++i) {
    cairo_user_to_device(cr, &xs[i], &ys[i]);
    minX = std::min(minX, xs[i]);
    minY = std::min(minY, ys[i]);
    maxX = std::max(maxX, xs[i]);
    maxY = std::max(maxY, ys[i]);
  }
  const int radius = std::max(1, static_cast<int>(std::lround(blur / 2)));
  const int margin = 3 * radius + 2;
  *originX = static_cast<int>(std::floor(minX)) - margin;
  *originY = static_cast<int>(std::floor(minY)) - margin;
  const int width = static_cast<int>(std::ceil(maxX)) + margin - *originX;
  const int height = static_cast<int>(std::ceil(maxY)) + margin - *originY;
  cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, width, height);
  cairo_t* mcr = cairo_create(mask);
  cairo_matrix_t matrix;
  cairo_get_matrix(cr, &matrix);
  cairo_translate(mcr, -*originX, -*originY);
  cairo_transform(mcr, &matrix);
  path(mcr);
  cairo_set_source_rgba(mcr, 0, 0, 0, 1);
  cairo_fill(mcr);
  cairo_destroy(mcr);
  cairo_surface_flush(mask);
  unsigned char* data = cairo_image_surface_get_data(mask);
  const int stride = cairo_image_surface_get_stride(mask);
  for (int pass = 0; pass < 3; ++pass) boxBlurPass(data, width, height, stride, radius);
  cairo_surface_mark_dirty(mask);
  return mask;
}

void paintMask(cairo_t* cr, const PathFn& path, double dx, double dy, double blur, Rgb colour,
               double opacity) {
  int originX = 0, originY = 0;
  cairo_surface_t* mask = blurredMask(cr, path, blur, &originX, &originY);
  cairo_user_to_device_distance(cr, &dx, &dy);
  cairo_save(cr);
  cairo_identity_matrix(cr);
  setColour(cr, colour, opacity);
  cairo_mask_surface(cr, mask, originX + dx, originY + dy);
  cairo_restore(cr);
  cairo_surface_destroy(mask);
}

}  // namespace

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double radius) {
  const double r = std::min(radius, std::min(w, h) / 2);
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

void softShadow(cairo_t* cr, const PathFn& path, double dx, double dy, double blur,
                double opacity) {
  paintMask(cr, path, dx, dy, blur, Rgb::hex(0x05070d), opacity);
}

void softGlow(cairo_t* cr, const PathFn& path, double blur, Rgb colour, double opacity) {
  paintMask(cr, path, 0, 0, blur, colour, opacity);
}

void fillLit(cairo_t* cr, const PathFn& path, Rgb base, double x0, double y0, double x1, double y1,
             double contrast) {
  cairo_pattern_t* gradient = cairo_pattern_create_linear(x0, y0, x1, y1);
  addStop(gradient, 0, base.shade(contrast));
  addStop(gradient, 0.5, base);
  addStop(gradient, 1, base.shade(-contrast));
  cairo_new_path(cr);
  path(cr);
  cairo_set_source(cr, gradient);
  cairo_fill(cr);
  cairo_pattern_destroy(gradient);
}

void rimLight(cairo_t* cr, const PathFn& path, double x0, double y0, double x1, double y1,
              double width, double strength) {
  cairo_pattern_t* gradient = cairo_pattern_create_linear(x0, y0, x1, y1);
  addStop(gradient, 0, palette::kWhite, strength);
  addStop(gradient, 0.45, palette::kWhite, 0);
  addStop(gradient, 0.55, palette::kBlack, 0);
  addStop(gradient, 1, palette::kBlack, strength * 0.8);
  cairo_save(cr);
  cairo_new_path(cr);
  path(cr);
  cairo_clip_preserve(cr);
  cairo_set_line_width(cr, width * 2);
  cairo_set_source(cr, gradient);
  cairo_stroke(cr);
  cairo_restore(cr);
  cairo_pattern_destroy(gradient);
}

void outline(cairo_t* cr, const PathFn& path, Rgb colour, double width, double alpha) {
  cairo_new_path(cr);
  path(cr);
  setColour(cr, colour, alpha);
  cairo_set_line_width(cr, width);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}
