#include "engine/graphics/PngCodec.h"

#include <png.h>

bool DecodePng(const uint8_t* data, size_t size, PixelImage& image, std::string* error) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_memory(&png, data, size) == 0) {
    if (error) *error = png.message;
    return false;
  }
  if (png.width > kMaxPngSide || png.height > kMaxPngSide) {
    png_image_free(&png);
    if (error) *error = "picture too large";
    return false;
  }
  png.format = PNG_FORMAT_RGBA;
  PixelImage decoded;
  decoded.Width = static_cast<int>(png.width);
  decoded.Height = static_cast<int>(png.height);
  decoded.Rgba.resize(PNG_IMAGE_SIZE(png));
  if (png_image_finish_read(&png, nullptr, decoded.Rgba.data(), 0, nullptr) == 0) {
    if (error) *error = png.message;
    png_image_free(&png);
    return false;
  }
  image = std::move(decoded);
  return true;
}

std::vector<uint8_t> EncodePng(const PixelImage& image) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(image.Width);
  png.height = static_cast<png_uint_32>(image.Height);
  png.format = PNG_FORMAT_RGBA;
  png_alloc_size_t size = 0;
  if (png_image_write_get_memory_size(png, size, 0, image.Rgba.data(), 0, nullptr) == 0) return {};
  std::vector<uint8_t> out(size);
  if (png_image_write_to_memory(&png, out.data(), &size, 0, image.Rgba.data(), 0, nullptr) == 0) {
    return {};
  }
  out.resize(size);
  return out;
}
