#include "engine/graphics/TexelMask.h"

#include "platform/PixelImage.h"

TexelMask::TexelMask(const PixelImage& texels)
    : width_(texels.Width),
      height_(texels.Height),
      solid_(static_cast<size_t>(texels.Width) * texels.Height) {
  const uint8_t* pixel = texels.Rgba.data();
  for (size_t i = 0; i < solid_.size(); ++i, pixel += 4) {
    solid_[i] = (pixel[0] | pixel[1] | pixel[2] | pixel[3]) != 0;
  }
}
