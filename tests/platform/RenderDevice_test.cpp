#include "platform/RenderDevice.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
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

// A square showing the whole texture.
void Square(QuadVertex q[4], float x, float y, float size) {
  const float xs[4] = {x, x + size, x + size, x};
  const float ys[4] = {y, y, y + size, y + size};
  const float us[4] = {0, 1, 1, 0};
  const float vs[4] = {0, 0, 1, 1};
  for (int i = 0; i < 4; ++i) {
    q[i] = QuadVertex{};
    q[i].X = xs[i];
    q[i].Y = ys[i];
    q[i].U = us[i];
    q[i].V = vs[i];
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

// An opaque picture at an alpha of 254 or more is copied, not blended: one level darker
// than full white through its colour, nothing of the red below; a picture with any
// transparent pixel still blends. Copies at 254 and 255 share one SDL call.
TEST(RenderDevice, OpaquePicturesAtAlmostFullAlphaAreCopied) {
  Window window(Headless());
  auto device = RenderDevice::Create(window, "software", 800, 600);
  ASSERT_NE(device, nullptr);
  const std::vector<uint8_t> white(8 * 8 * 4, 255);
  std::vector<uint8_t> holed = white;
  holed[3] = 0;  // one transparent pixel
  auto opaque = device->CreateTexture(8, 8, white.data());
  auto transparent = device->CreateTexture(8, 8, holed.data());
  ASSERT_TRUE(opaque && transparent);
  EXPECT_FALSE(transparent->Opaque());

  device->Clear(255, 0, 0, 255);
  const int64_t callsBefore = device->DrawCalls();
  QuadVertex q[4];
  device->SetTexture(opaque.get());
  for (const uint32_t colour : {0xFEFEFEFEu, 0xFFFFFFFFu}) {
    Square(q, colour == 0xFFFFFFFFu ? 20.0f : 10.0f, 10, 8);
    for (QuadVertex& v : q) v.Color = colour;
    device->DrawQuad(q);
  }
  device->SetTexture(transparent.get());
  Square(q, 40, 10, 8);
  for (QuadVertex& v : q) v.Color = 0xFEFEFEFE;
  device->DrawQuad(q);
  const PixelImage img = device->ReadPixels();
  EXPECT_EQ(device->DrawCalls() - callsBefore, 2);
  const uint8_t* copied = img.Pixel(14, 14);
  EXPECT_EQ((std::array<int, 3>{copied[0], copied[1], copied[2]}),
            (std::array<int, 3>{254, 254, 254}));
  const uint8_t* blended = img.Pixel(44, 14);
  EXPECT_GT(blended[0], blended[1]);  // the red below shows through by a level
}

// Whole-pixel copies are drawn with nearest sampling whatever the filter asked for: they
// give the same pixels. Which quads are such copies:
TEST(RenderDevice, WholePixelCopiesAreUprightUnscaledAndOnPixelAndTexelEdges) {
  Window window(Headless());
  auto device = RenderDevice::Create(window, "software", 800, 600);
  ASSERT_NE(device, nullptr);
  const std::vector<uint8_t> pixels(64 * 32 * 4, 255);
  auto texture = device->CreateTexture(64, 32, pixels.data());
  ASSERT_NE(texture, nullptr);
  // A 16 x 16 tile from texel 16,0, its top-left pixel centre at x, y (edges half a pixel
  // out), its width w.
  auto tile = [](QuadVertex q[4], float x, float y, float w, float u0) {
    Square(q, x - 0.5f, y - 0.5f, 16);
    q[1].X = q[2].X = q[0].X + w;
    const float u1 = u0 + 0.25f;
    const float us[4] = {u0, u1, u1, u0};
    const float vs[4] = {0, 0, 0.5f, 0.5f};
    for (int i = 0; i < 4; ++i) {
      q[i].U = us[i];
      q[i].V = vs[i];
    }
  };
  QuadVertex q[4];
  const struct {
    const char* Name;
    float X, Y, Width, U0;
    bool Copy;
  } cases[] = {
      {"on whole pixels", 100, 50, 16, 0.25f, true},
      {"mirrored", 100, 50, 16, 0.5f, true},  // u runs back from 0.75 to 0.5 (swapped below)
      {"half a pixel off", 100.5f, 50, 16, 0.25f, false},
      {"stretched", 100, 50, 24, 0.25f, false},
      {"between texels", 100, 50, 16, 0.25f + 0.5f / 64, false},
  };
  for (const auto& c : cases) {
    tile(q, c.X, c.Y, c.Width, c.U0);
    if (std::string(c.Name) == "mirrored") std::swap(q[0].U, q[1].U), std::swap(q[2].U, q[3].U);
    EXPECT_EQ(IsWholePixelCopy(q, *texture), c.Copy) << c.Name;
  }
  // Turned by a quarter: not upright in vertex order.
  tile(q, 100, 50, 16, 0.25f);
  const QuadVertex turned[4] = {q[3], q[0], q[1], q[2]};
  EXPECT_FALSE(IsWholePixelCopy(turned, *texture));

  // Filter asked linear or nearest, a whole-pixel copy goes in the same call.
  device->SetTexture(texture.get());
  const int64_t callsBefore = device->DrawCalls();
  for (bool linear : {true, false}) {
    device->SetTextureFilter(linear);
    tile(q, linear ? 100.0f : 200.0f, 50, 16, 0.25f);
    device->DrawQuad(q);
  }
  device->ReadPixels();
  EXPECT_EQ(device->DrawCalls() - callsBefore, 1);
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

namespace {

// A picture of size x size whose every pixel differs from its neighbours, with the given
// alpha everywhere.
std::vector<uint8_t> Speckled(int size, int seed, uint8_t alpha) {
  std::vector<uint8_t> pixels(static_cast<size_t>(size) * size * 4);
  for (int i = 0; i < size * size; ++i) {
    pixels[i * 4 + 0] = static_cast<uint8_t>(i * 7 + seed);
    pixels[i * 4 + 1] = static_cast<uint8_t>(i * 13 + seed * 3);
    pixels[i * 4 + 2] = static_cast<uint8_t>((i / size) * 5 + seed);
    pixels[i * 4 + 3] = alpha;
  }
  return pixels;
}

// A picture drawn by the game's rule: its top-left pixel at x, y, its quad from half a pixel
// before that to its far edges (see TKaltoRenderer::SetPositions), turned by `angle`
// degrees about its centre; mirrored swaps its left and right texels.
void Placed(QuadVertex q[4], float x, float y, float size, uint32_t colour, float angle = 0,
            bool mirrored = false) {
  Square(q, x - 0.5f, y - 0.5f, size + 0.5f);
  const float turn = angle * 3.14159265f / 180.0f;
  const float cx = x + size / 2, cy = y + size / 2;
  for (int i = 0; i < 4; ++i) {
    const float dx = q[i].X - cx, dy = q[i].Y - cy;
    q[i].X = cx + dx * std::cos(turn) - dy * std::sin(turn);
    q[i].Y = cy + dx * std::sin(turn) + dy * std::cos(turn);
    q[i].Color = colour;
    if (mirrored) q[i].U = 1 - q[i].U;
  }
}

// Ground tiles, road tiles over them out of step with their grid, sprites and effects in
// between and on top: the picture is the same, pixel for pixel, whether what the road
// hides is drawn or left out; and left out it is.
TEST(RenderDevice, LeavingOutHiddenQuadsKeepsThePictureOnSoftwareAndOpenGl) {
  for (const char* driver : {"software", "opengl"}) {
    SCOPED_TRACE(driver);
    Window window(Headless());
    auto device = RenderDevice::Create(window, driver, 800, 600);
    if (device == nullptr && std::string(driver) == "opengl") continue;  // no GL here
    ASSERT_NE(device, nullptr);
    const std::vector<uint8_t> grassPixels = Speckled(64, 1, 255);
    const std::vector<uint8_t> roadPixels = Speckled(48, 90, 255);
    const std::vector<uint8_t> carPixels = Speckled(16, 40, 160);
    auto grass = device->CreateTexture(64, 64, grassPixels.data());
    auto road = device->CreateTexture(48, 48, roadPixels.data());
    auto car = device->CreateTexture(16, 16, carPixels.data());
    ASSERT_TRUE(grass && road && car);
    constexpr uint32_t kScreenWhite = 0xFEFEFEFE;

    const auto draw = [&](bool leaveOut) {
      device->SetLeaveOutHidden(leaveOut);
      device->Clear(30, 30, 30, 255);
      device->SetTextureFilter(true);
      device->SetBlend(BlendFactor::SrcAlpha, BlendFactor::InvSrcAlpha);
      QuadVertex q[4];
      device->SetTexture(grass.get());
      for (int row = 0; row < 11; ++row) {
        for (int column = 0; column < 14; ++column) {
          Placed(q, -23.0f + column * 64, -9.0f + row * 64, 64, kScreenWhite);
          device->DrawQuad(q);
        }
      }
      device->SetTexture(car.get());
      Placed(q, 130, 170, 16, kScreenWhite, 30);  // under the road
      device->DrawQuad(q);
      device->SetBlend(BlendFactor::SrcAlpha, BlendFactor::One);
      Placed(q, 170, 140, 16, 0x80FFFFFF);  // an added glow, half under the road
      device->DrawQuad(q);
      device->SetBlend(BlendFactor::SrcAlpha, BlendFactor::InvSrcAlpha);
      device->SetTexture(road.get());
      for (int column = 0; column < 9; ++column) {  // a straight, then a bend down
        Placed(q, 101.0f + column * 48, 150, 48, kScreenWhite, 0, column == 4);
        device->DrawQuad(q);
      }
      for (int row = 1; row < 6; ++row) {
        Placed(q, 485, 150.0f + row * 48, 48, kScreenWhite);
        device->DrawQuad(q);
      }
      Placed(q, 300, 400, 48, kScreenWhite, 90);  // turned a quarter
      device->DrawQuad(q);
      Placed(q, 320, 420, 48, kScreenWhite, 10);  // turned a little: hides nothing
      device->DrawQuad(q);
      device->SetTexture(nullptr);
      Placed(q, 600, 30, 100, 0xFF336699);  // a plain panel
      device->DrawQuad(q);
      device->SetTexture(car.get());
      Placed(q, 200, 160, 16, kScreenWhite, 45);  // a car on the road
      device->DrawQuad(q);
      Placed(q, 640, 60, 16, 0xC0FFFFFF);  // and one on the panel
      device->DrawQuad(q);
      return device->ReadPixels();
    };
    const int64_t hiddenBefore = device->QuadsHidden();
    const PixelImage whole = draw(false);
    EXPECT_EQ(device->QuadsHidden(), hiddenBefore);
    const PixelImage leftOut = draw(true);
    EXPECT_GT(device->QuadsHidden(), hiddenBefore + 10);
    ASSERT_EQ(whole.Rgba.size(), leftOut.Rgba.size());
    int differing = 0;
    for (size_t i = 0; i < whole.Rgba.size(); i += 4) {
      if (std::memcmp(&whole.Rgba[i], &leftOut.Rgba[i], 3) != 0) ++differing;
    }
    EXPECT_EQ(differing, 0);
  }
}

}  // namespace
