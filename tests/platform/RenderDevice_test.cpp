#include "platform/RenderDevice.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
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

namespace {

// The window's own pixel (red, green, blue) as last presented.
std::array<int, 3> WindowPixel(Window& window, int x, int y) {
  SDL_Surface* surface = SDL_GetWindowSurface(window.Handle());
  Uint8 r = 0, g = 0, b = 0;
  const auto* row = static_cast<const uint8_t*>(surface->pixels) + y * surface->pitch;
  Uint32 value = 0;
  std::memcpy(&value, row + x * surface->format->BytesPerPixel, surface->format->BytesPerPixel);
  SDL_GetRGB(value, surface->format, &r, &g, &b);
  return {r, g, b};
}

// A window of any size shows the whole picture, shape kept, centred between black bars;
// whole multiples keep its pixels sharp, other scales smooth them; the picture read back
// stays 800 x 600.
TEST(RenderDevice, PresentsThePictureScaledIntoTheWindowAsItIsNow) {
  Window window(Headless());
  auto device = RenderDevice::Create(window, "software", 800, 600);
  ASSERT_NE(device, nullptr);
  // A white 10 x 10 square at 400,300 on grey.
  const auto draw = [&] {
    device->Clear(64, 64, 64, 255);
    QuadVertex q[4];
    Square(q, 400, 300, 10);
    device->SetTexture(nullptr);
    device->DrawQuad(q);
    const PixelImage picture = device->ReadPixels();
    EXPECT_EQ(picture.Width, 800);
    EXPECT_EQ(picture.Height, 600);
    EXPECT_EQ(picture.Pixel(405, 305)[0], 255);
    device->Present();
  };
  struct Case {
    int Width, Height;
    int WhiteX, WhiteY;  // inside the square, in the window
    int BarX, BarY;      // on a bar (-1: no bars)
    int EdgeX, EdgeY;    // just left of the square's left edge
    bool Sharp;
  };
  const Case cases[] = {
      {1600, 1200, 810, 610, -1, -1, 799, 610, true},
      {1000, 600, 505, 305, 50, 300, 499, 305, true},
      {1024, 768, 518, 390, -1, -1, 511, 390, false},  // 1.28: the edge is blended
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.Width) + "x" + std::to_string(c.Height));
    SDL_SetWindowSize(window.Handle(), c.Width, c.Height);
    draw();
    const PictureFit place = window.PicturePlace();
    EXPECT_EQ(place.WholeMultiple, c.Sharp);
    EXPECT_EQ(WindowPixel(window, c.WhiteX, c.WhiteY), (std::array<int, 3>{255, 255, 255}));
    if (c.BarX >= 0) {
      EXPECT_EQ(WindowPixel(window, c.BarX, c.BarY), (std::array<int, 3>{0, 0, 0}));
    }
    const int edge = WindowPixel(window, c.EdgeX, c.EdgeY)[0];
    if (c.Sharp) {
      EXPECT_EQ(edge, 64);
    } else {
      EXPECT_GT(edge, 64);
      EXPECT_LT(edge, 255);
    }
  }
}

}  // namespace
