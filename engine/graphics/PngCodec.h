#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/PixelImage.h"

// PNG files to and from RGBA pixels (libpng). Pictures larger than kMaxPngSide on a side
// are refused rather than allocated.
constexpr int kMaxPngSide = 16384;

// False with a reason in `error` when the bytes are not a PNG file libpng can decode.
bool DecodePng(const uint8_t* data, size_t size, PixelImage& image, std::string* error = nullptr);
std::vector<uint8_t> EncodePng(const PixelImage& image);
