#pragma once
#include <cstdint>
#include <string>

// Colours in the platform's form: a 24-bit value with blue in bits 16-23 and red in bits
// 0-7, or a system colour (high byte 0xFF, low byte the system-colour index).

// Looks up a colour identifier as image-list files write them ("clFuchsia", "clBtnFace").
// Case-insensitive, like the format's own reader. False for an unknown name.
bool ColorFromIdentifier(const std::string& name, uint32_t& color);

// A system colour becomes the fixed value of the classic desktop scheme (so a file keyed on
// "clBtnFace" looks the same on every machine); any other value keeps its low 24 bits.
uint32_t ResolvePlatformColor(uint32_t color);

// Opaque ARGB (alpha in the top byte) from a platform colour.
inline uint32_t PlatformColorToArgb(uint32_t color) {
  const uint32_t bgr = ResolvePlatformColor(color);
  return 0xFF000000u | ((bgr & 0xFFu) << 16) | (bgr & 0xFF00u) | ((bgr >> 16) & 0xFFu);
}
