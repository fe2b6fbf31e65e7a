#pragma once
#include <string>

#include "platform/PixelImage.h"

// Writes the picture as an 8-bit RGBA PNG; false (with the reason on stderr) on failure.
bool SavePng(const PixelImage& image, const std::string& path);
