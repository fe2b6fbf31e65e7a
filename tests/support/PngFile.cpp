#include "tests/support/PngFile.h"

#include <png.h>

#include <cstdio>
#include <vector>

bool SavePng(const PixelImage& image, const std::string& path) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(image.Width);
  png.height = static_cast<png_uint_32>(image.Height);
  png.format = PNG_FORMAT_RGBA;
  if (png_image_write_to_file(&png, path.c_str(), 0, image.Rgba.data(), 0, nullptr) == 0) {
    std::fprintf(stderr, "SavePng %s: %s\n", path.c_str(), png.message);
    return false;
  }
  return true;
}
