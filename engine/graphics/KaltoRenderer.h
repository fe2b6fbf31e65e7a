#pragma once
#include <array>
#include <cstdint>

#include "platform/RenderDevice.h"

class TKaltoScreen;

// Builds one textured, coloured quad and hands it to the screen. Vertex order: top-left,
// top-right, bottom-right, bottom-left. Image lists and fonts each own one.
class TKaltoRenderer {
 public:
  TKaltoRenderer();

  // Takes the screen's device; clears both flips; positions (0,0)..(100,100) through
  // SetPositions, texture coordinates (0,0)..(1,1), all colours opaque white.
  void Bind(TKaltoScreen* screen);
  TKaltoScreen* Screen() const { return screen_; }

  // Vertex 0 unchanged; 0.5 added to the right edge's x (vertices 1, 2) and to the bottom
  // edge's y (vertices 2, 3), so a quad given from (left - 0.5, top - 0.5) to (right - 0.5,
  // bottom - 0.5) covers exactly the pixels left..right-1, top..bottom-1.
  void SetPositions(float x0, float y0, float x1, float y1, float x2, float y2, float x3, float y3);
  // Stored unmirrored; the vertices get them permuted by the flip flags.
  void SetTexCoords(float u0, float v0, float u1, float v1, float u2, float v2, float u3, float v3);
  void SetColors(uint32_t c0, uint32_t c1, uint32_t c2, uint32_t c3);  // ARGB
  // Re-applies the stored texture coordinates.
  void SetVerticalFlip(bool flip);
  // Takes effect at the next SetTexCoords.
  void SetHorizontalFlip(bool flip);
  // Both flags at once, without re-applying: the next SetTexCoords uses them.
  void SetFlipFlags(bool vertical, bool horizontal);
  bool VerticalFlip() const { return verticalFlip_; }
  bool HorizontalFlip() const { return horizontalFlip_; }
  // Scales along the quad's own axes, then rotates clockwise by angle degrees, about (cx, cy).
  void Transform(float cx, float cy, float angle, float scaleX, float scaleY);
  // The screen's global transform and colour, applied to the held quad in place (so set
  // positions and colours again before drawing it a second time), then one quad to the device.
  void RenderQuad();
  void SetTexture(const DeviceTexture* texture);

  const std::array<QuadVertex, 4>& Vertices() const { return quad_; }

 private:
  TKaltoScreen* screen_ = nullptr;
  std::array<QuadVertex, 4> quad_{};
  std::array<float, 8> texCoords_{};
  bool verticalFlip_ = false;
  bool horizontalFlip_ = false;

  void ApplyTexCoords();
};
