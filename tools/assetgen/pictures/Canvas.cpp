#include "tools/assetgen/pictures/Canvas.h"

#include <stdexcept>

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {
  if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS) {
    throw std::runtime_error("cannot create a " + std::to_string(width) + "x" +
                             std::to_string(height) + " drawing surface");
  }
}

Canvas::~Canvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

namespace {
cairo_status_t appendBytes(void* closure, const unsigned char* data, unsigned int length) {
  auto* out = static_cast<std::vector<uint8_t>*>(closure);
  out->insert(out->end(), data, data + length);
  return CAIRO_STATUS_SUCCESS;
}
}  // namespace

std::vector<uint8_t> Canvas::encodePng() const {
  cairo_surface_flush(surface_);
  std::vector<uint8_t> png;
  if (cairo_surface_write_to_png_stream(surface_, appendBytes, &png) != CAIRO_STATUS_SUCCESS) {
    throw std::runtime_error("cannot encode a picture as PNG");
  }
  return png;
}

void Canvas::writePng(const std::string& path) const {
  cairo_surface_flush(surface_);
  if (cairo_surface_write_to_png(surface_, path.c_str()) != CAIRO_STATUS_SUCCESS) {
    throw std::runtime_error("cannot write " + path);
  }
}
