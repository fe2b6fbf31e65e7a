#include <gtest/gtest.h>
#include <png.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "engine/graphics/KaltoRenderer.h"
#include "tests/support/HeadlessScreen.h"
#include "tests/support/PngFile.h"

namespace {

// A small scene: a tiled, coloured background and turned, half-transparent squares.
void DrawScene(TKaltoScreen& screen, const DeviceTexture& texture) {
  TKaltoRenderer r;
  r.Bind(&screen);
  r.SetTexture(&texture);
  for (int y = 0; y < 600; y += 100) {
    for (int x = 0; x < 800; x += 100) {
      const uint32_t tint = 0xFF000000u | static_cast<uint32_t>(x / 4) << 16 |
                            static_cast<uint32_t>(y / 3) << 8 | 0x60;
      r.SetColors(tint, tint, tint, tint);
      const float l = x - 0.5f, t = y - 0.5f;
      r.SetPositions(l, t, l + 100, t, l + 100, t + 100, l, t + 100);
      r.RenderQuad();
    }
  }
  screen.SetBlendMode(0);
  for (int i = 0; i < 6; ++i) {
    r.SetColors(0x90FFFFFF, 0x90FF4040, 0x904040FF, 0x9040FF40);
    const float cx = 120.0f + i * 110.0f, cy = 300;
    r.SetPositions(cx - 40, cy - 40, cx + 40, cy - 40, cx + 40, cy + 40, cx - 40, cy + 40);
    r.Transform(cx, cy, i * 15.0f, 1, 1);
    r.RenderQuad();
  }
}

TEST(FramePng, SavedFrameReadsBackAsDrawn) {
  HeadlessScreen h;
  std::vector<uint8_t> px(32 * 32 * 4);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const uint8_t v = ((x / 8 + y / 8) % 2) ? 255 : 160;
      uint8_t* p = &px[(y * 32 + x) * 4];
      p[0] = p[1] = p[2] = v;
      p[3] = 255;
    }
  }
  auto texture = h.Screen.Device()->CreateTexture(32, 32, px.data());
  h.Screen.Clear(0, 0, 0, 255);
  h.Screen.BeginScene();
  DrawScene(h.Screen, *texture);
  const PixelImage frame = h.Screen.Device()->ReadPixels();
  h.Screen.EndScene();

  const char* keep = std::getenv("BK_KEEP_FRAME");  // a path, to look at the picture
  const std::string path = keep ? keep : testing::TempDir() + "frame.png";
  ASSERT_TRUE(SavePng(frame, path));
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  ASSERT_NE(png_image_begin_read_from_file(&png, path.c_str()), 0);
  png.format = PNG_FORMAT_RGBA;
  std::vector<uint8_t> read(PNG_IMAGE_SIZE(png));
  ASSERT_NE(png_image_finish_read(&png, nullptr, read.data(), 0, nullptr), 0);
  EXPECT_EQ(png.width, 800u);
  EXPECT_EQ(png.height, 600u);
  EXPECT_EQ(read, frame.Rgba);
}

}  // namespace
