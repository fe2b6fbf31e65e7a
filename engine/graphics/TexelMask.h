#pragma once
#include <cstddef>
#include <vector>

struct PixelImage;

// Which texels of a texture hold anything (any byte of the pixel non-zero): what
// pixel-exact collision tests read, kept at one bit a texel instead of the texture's pixels.
class TexelMask {
 public:
  TexelMask() = default;
  explicit TexelMask(const PixelImage& texels);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return solid_.empty(); }
  // False outside the texture.
  bool Solid(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return false;
    return solid_[static_cast<size_t>(y) * width_ + x];
  }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<bool> solid_;
};
