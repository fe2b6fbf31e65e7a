#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "engine/graphics/OilFormat.h"
#include "engine/graphics/PngCodec.h"
#include "platform/PixelImage.h"

// Small pictures for the image-list tests.

struct Rgba8 {
  uint8_t R, G, B, A;
  bool operator==(const Rgba8& o) const { return R == o.R && G == o.G && B == o.B && A == o.A; }
};

inline Rgba8 PixelAt(const PixelImage& image, int x, int y) {
  const uint8_t* p = image.Pixel(x, y);
  return {p[0], p[1], p[2], p[3]};
}

// Colours drawn through the device may lose a step (the global colour turns 255 into 254).
inline void ExpectNear(Rgba8 got, Rgba8 want, const std::string& where) {
  EXPECT_NEAR(got.R, want.R, 3) << where;
  EXPECT_NEAR(got.G, want.G, 3) << where;
  EXPECT_NEAR(got.B, want.B, 3) << where;
}

// A picture of columns x rows tiles of w x h pixels; tile t is filled with colours[t].
inline PixelImage TileSheet(int w, int h, int columns, int rows,
                            const std::vector<Rgba8>& colours) {
  PixelImage image;
  image.Width = w * columns;
  image.Height = h * rows;
  image.Rgba.resize(static_cast<size_t>(image.Width) * image.Height * 4);
  for (int y = 0; y < image.Height; ++y) {
    for (int x = 0; x < image.Width; ++x) {
      const Rgba8 c = colours[static_cast<size_t>((y / h) * columns + x / w) % colours.size()];
      uint8_t* p = &image.Rgba[(static_cast<size_t>(y) * image.Width + x) * 4];
      p[0] = c.R;
      p[1] = c.G;
      p[2] = c.B;
      p[3] = c.A;
    }
  }
  return image;
}

inline OilPicture PngPicture(const PixelImage& image) {
  return OilPicture{OilPictureKind::Png, EncodePng(image)};
}

// Six distinct opaque colours, one per tile of a 3 x 2 sheet.
inline const std::vector<Rgba8>& SixColours() {
  static const std::vector<Rgba8> colours = {{255, 0, 0, 255},   {0, 255, 0, 255},
                                             {0, 0, 255, 255},   {255, 255, 0, 255},
                                             {0, 255, 255, 255}, {255, 0, 255, 255}};
  return colours;
}
