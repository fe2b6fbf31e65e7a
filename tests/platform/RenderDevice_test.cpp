#include "platform/RenderDevice.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/Window.h"

namespace {

WindowConfig Headless() {
  WindowConfig c;
  c.Headless = true;
  return c;
}

void Square(QuadVertex q[4], float x, float y, float size) {
  const float xs[4] = {x, x + size, x + size, x};
  const float ys[4] = {y, y, y + size, y + size};
  for (int i = 0; i < 4; ++i) {
    q[i] = QuadVertex{};
    q[i].X = xs[i];
    q[i].Y = ys[i];
  }
}

// Quads that share texture, blend and filter go to SDL together; a change starts a new
// call; quads wholly outside the picture never reach SDL.
TEST(RenderDevice, BatchesQuadsAndSkipsThoseOutOfView) {
  Window window(Headless());
  auto device = RenderDevice::Create(window, "software", 800, 600);
  ASSERT_NE(device, nullptr);
  EXPECT_EQ(device->DriverName(), "software");
  const std::vector<uint8_t> white(4 * 4 * 4, 255);
  auto a = device->CreateTexture(4, 4, white.data());
  auto b = device->CreateTexture(4, 4, white.data());
  ASSERT_TRUE(a && b);
  EXPECT_TRUE(a->Opaque());
  QuadVertex q[4];

  device->Clear(0, 0, 0, 255);
  device->SetTexture(a.get());
  for (int i = 0; i < 5; ++i) {
    Square(q, 10.0f * i, 10, 8);
    device->DrawQuad(q);
  }
  Square(q, 900, 10, 8);  // right of the picture
  device->DrawQuad(q);
  Square(q, 10, -30, 20);  // above it
  device->DrawQuad(q);
  device->SetTexture(b.get());
  Square(q, 100, 100, 8);
  device->DrawQuad(q);
  device->SetBlend(BlendFactor::SrcAlpha, BlendFactor::One);
  device->DrawQuad(q);
  device->DrawQuad(q);
  const PixelImage img = device->ReadPixels();
  EXPECT_EQ(device->QuadsSubmitted(), 10);
  EXPECT_EQ(device->DrawCalls(), 3);
  EXPECT_EQ(img.Pixel(44, 14)[0], 255);  // the fifth quad of the first call was drawn
  EXPECT_EQ(img.Pixel(104, 104)[0], 255);

  // Switched off, quads are only counted.
  device->SetRasterize(false);
  Square(q, 300, 300, 8);
  device->DrawQuad(q);
  EXPECT_EQ(device->QuadsSubmitted(), 11);
  EXPECT_EQ(device->ReadPixels().Pixel(304, 304)[0], 0);
}

TEST(RenderDevice, KeepsThePresentedFrameWhenAsked) {
  Window window(Headless());
  auto device = RenderDevice::Create(window, "software", 800, 600);
  ASSERT_NE(device, nullptr);
  device->SetKeepPresentedFrame(true);
  device->Clear(1, 2, 3, 255);
  device->Present();
  const PixelImage& shown = device->LastPresented();
  ASSERT_EQ(shown.Width, 800);
  ASSERT_EQ(shown.Height, 600);
  EXPECT_EQ(shown.Pixel(799, 599)[0], 1);
  EXPECT_EQ(shown.Pixel(799, 599)[2], 3);
}

TEST(RenderDevice, UnknownDriverIsRefusedWithAReason) {
  Window window(Headless());
  std::string error;
  EXPECT_EQ(RenderDevice::Create(window, "no-such-driver", 800, 600, &error), nullptr);
  EXPECT_NE(error.find("no-such-driver"), std::string::npos);
}

}  // namespace
