#pragma once
#include <cstdint>
#include <string>

class TKaltoImageList;

// Draws a whole picture of the list with its top-left corner at (x, y), untinted, with the
// given opacity (0..255). The picture must be in the list.
void DrawPicture(const TKaltoImageList& list, const std::string& name, int32_t x, int32_t y,
                 uint8_t alpha = 255);
