#pragma once
#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

// An ARGB32 cairo surface with its drawing context; owns both. Pixels are premultiplied,
// as cairo keeps them; encodePng() writes straight alpha, as PNG requires.
class Canvas {
 public:
  Canvas(int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  cairo_t* cr() const { return cr_; }
  cairo_surface_t* surface() const { return surface_; }
  int width() const { return width_; }
  int height() const { return height_; }

  std::vector<uint8_t> encodePng() const;
  void writePng(const std::string& path) const;

 private:
  int width_;
  int height_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};
