#pragma once
#include <string>

#include "engine/graphics/OilFormat.h"
#include "platform/PixelImage.h"

// Size of a stored picture from its file header alone. False (sizes 0) when the header
// is not a PNG or BMP header.
bool PictureSize(const OilPicture& picture, int& width, int& height);

// The picture's pixels (RGBA). False with a reason when the file cannot be decoded.
bool DecodePicture(const OilPicture& picture, PixelImage& image, std::string* error = nullptr);

// A picture file's bytes, recognised as PNG or BMP by their signature; an empty picture
// when the bytes are neither.
OilPicture PictureFromFileBytes(std::vector<uint8_t> bytes);

// Reads a PNG or BMP file. An empty picture when it cannot be read or is neither.
OilPicture LoadPictureFile(const std::string& path);
