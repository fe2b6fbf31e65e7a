#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// A picture read back from the device: rows top to bottom, 4 bytes per pixel in the order
// red, green, blue, alpha.
struct PixelImage {
  int Width = 0;
  int Height = 0;
  std::vector<uint8_t> Rgba;

  const uint8_t* Pixel(int x, int y) const {
    return &Rgba[(static_cast<size_t>(y) * Width + x) * 4];
  }
};
