#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/PixelImage.h"

// Windows bitmap files, read and written by the system's own codec.

// Decodes a whole BMP file held in memory into RGBA pixels, rows top to bottom. A bitmap
// without an alpha channel comes out opaque, whatever its padding bytes hold. False with a
// reason ("BMP: ...") when the bytes are no bitmap the codec can read.
bool DecodeBmp(const std::vector<uint8_t>& bytes, PixelImage& image, std::string* error);

// Writes the picture as a 32-bit BMP file, replacing it. False when it cannot be written.
bool SaveBmp(const PixelImage& image, const std::string& fileName);
