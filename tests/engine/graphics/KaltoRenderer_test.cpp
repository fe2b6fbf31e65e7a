// Pictures drawn through the renderer and the screen on a headless device, read back and
// compared with values computed here from the drawing rules. Pixel-exact checks name the
// driver they ran on.
#include "engine/graphics/KaltoRenderer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "engine/graphics/KaltoScreen.h"
#include "tests/support/HeadlessScreen.h"

namespace {

struct Rgba {
  int R, G, B, A;
};

std::unique_ptr<DeviceTexture> SolidTexture(TKaltoScreen& screen, int w, int h, Rgba c) {
  std::vector<uint8_t> px(static_cast<size_t>(w) * h * 4);
  for (size_t i = 0; i < px.size(); i += 4) {
    px[i] = static_cast<uint8_t>(c.R);
    px[i + 1] = static_cast<uint8_t>(c.G);
    px[i + 2] = static_cast<uint8_t>(c.B);
    px[i + 3] = static_cast<uint8_t>(c.A);
  }
  return screen.Device()->CreateTexture(w, h, px.data());
}

// The four corners of a picture occupying pixels left..left+w-1, top..top+h-1, given the
// way image lists give them (each coordinate minus 0.5, SetPositions adds the rest).
void PlacePicture(TKaltoRenderer& r, float left, float top, float w, float h) {
  const float l = left - 0.5f, t = top - 0.5f, rr = left + w - 0.5f, b = top + h - 0.5f;
  r.SetPositions(l, t, rr, t, rr, b, l, b);
}

void ExpectPixel(const PixelImage& img, int x, int y, Rgba want, int tolerance,
                 const std::string& driver) {
  const uint8_t* p = img.Pixel(x, y);
  const int got[3] = {p[0], p[1], p[2]};
  const int expected[3] = {want.R, want.G, want.B};
  for (int c = 0; c < 3; ++c) {
    EXPECT_NEAR(got[c], expected[c], tolerance)
        << "driver " << driver << " pixel " << x << "," << y << " channel " << c;
  }
}

class RendererTest : public ::testing::Test {
 protected:
  HeadlessScreen h{rmSoftware};
  TKaltoScreen& screen = h.Screen;
  TKaltoRenderer r;
  std::string driver = screen.Device()->DriverName();

  void SetUp() override {
    r.Bind(&screen);
    screen.Clear(0, 0, 0, 255);
    screen.BeginScene();
  }
  PixelImage Read() { return screen.Device()->ReadPixels(); }
};

TEST_F(RendererTest, SoftwareDriverIsInUse) {
  EXPECT_EQ(driver, "software");
}

// Each vertex colour channel is multiplied by the global colour and shifted right by 8,
// so even opaque white becomes 254 and a mid-grey global colour halves the picture.
TEST_F(RendererTest, GlobalColourScalesEveryChannel) {
  auto white = SolidTexture(screen, 4, 4, {255, 255, 255, 255});
  r.SetTexture(white.get());
  PlacePicture(r, 10, 10, 4, 4);
  r.RenderQuad();
  EXPECT_EQ(r.Vertices()[0].Color, 0xFEFEFEFEu);

  screen.SetColor(0xFF80C040);
  r.SetColors(0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF);
  PlacePicture(r, 20, 10, 4, 4);
  r.RenderQuad();
  const PixelImage img = Read();
  ExpectPixel(img, 11, 11, {254, 254, 254, 0}, 2, driver);
  ExpectPixel(img, 21, 11, {255 * 0x80 >> 8, 255 * 0xC0 >> 8, 255 * 0x40 >> 8, 0}, 2, driver);
}

// The texture-coordinate table: vertical flip swaps top and bottom rows, horizontal flip
// swaps columns, both turn the picture half round; the horizontal flag waits for the next
// SetTexCoords.
TEST_F(RendererTest, FlipsMirrorThePicture) {
  const Rgba corners[4] = {{255, 0, 0, 255},
                           {0, 255, 0, 255},
                           {0, 0, 255, 255},
                           {255, 255, 0, 255}};  // top-left, top-right, bottom-left, bottom-right
  std::vector<uint8_t> px;
  for (const Rgba& c : corners) {
    for (const int channel : {c.R, c.G, c.B, c.A}) {
      px.push_back(static_cast<uint8_t>(channel));
    }
  }
  auto tex = screen.Device()->CreateTexture(2, 2, px.data());
  r.SetTexture(tex.get());
  struct Case {
    bool Vertical, Horizontal;
    int TopLeft, TopRight, BottomLeft, BottomRight;  // which texel each screen pixel shows
  };
  const Case cases[] = {{false, false, 0, 1, 2, 3},
                        {true, false, 2, 3, 0, 1},
                        {false, true, 1, 0, 3, 2},
                        {true, true, 3, 2, 1, 0}};
  int x = 100;
  for (const Case& c : cases) {
    r.SetVerticalFlip(c.Vertical);
    r.SetHorizontalFlip(c.Horizontal);
    r.SetTexCoords(0, 0, 1, 0, 1, 1, 0, 1);
    r.SetColors(0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF);
    PlacePicture(r, static_cast<float>(x), 50, 2, 2);
    r.RenderQuad();
    x += 10;
  }
  // Horizontal flip set after SetTexCoords: not yet applied.
  r.SetFlipFlags(false, false);
  r.SetTexCoords(0, 0, 1, 0, 1, 1, 0, 1);
  r.SetHorizontalFlip(true);
  r.SetColors(0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF);
  PlacePicture(r, static_cast<float>(x), 50, 2, 2);
  r.RenderQuad();

  const PixelImage img = Read();
  auto shown = [](int texel) {
    const Rgba c = texel == 0   ? Rgba{255, 0, 0, 255}
                   : texel == 1 ? Rgba{0, 255, 0, 255}
                   : texel == 2 ? Rgba{0, 0, 255, 255}
                                : Rgba{255, 255, 0, 255};
    return Rgba{c.R * 254 / 255, c.G * 254 / 255, c.B * 254 / 255, 255};
  };
  x = 100;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "vertical " << c.Vertical << " horizontal " << c.Horizontal);
    ExpectPixel(img, x, 50, shown(c.TopLeft), 2, driver);
    ExpectPixel(img, x + 1, 50, shown(c.TopRight), 2, driver);
    ExpectPixel(img, x, 51, shown(c.BottomLeft), 2, driver);
    ExpectPixel(img, x + 1, 51, shown(c.BottomRight), 2, driver);
    x += 10;
  }
  ExpectPixel(img, x, 50, shown(0), 2, driver);
  ExpectPixel(img, x + 1, 51, shown(3), 2, driver);
}

// Transform scales along the picture's axes, then turns it clockwise about the centre.
TEST_F(RendererTest, RotationAndScaleMoveTheCorners) {
  PlacePicture(r, 100, 100, 40, 10);  // corners (99.5,99.5) (140,99.5) (140,110) (99.5,110)
  r.Transform(120, 105, 90, 2, 1);
  const auto& v = r.Vertices();
  // Top-left: dx = -20.5, dy = -5.5 -> scaled (-41, -5.5) -> turned 90 deg clockwise: (5.5, -41).
  EXPECT_NEAR(v[0].X, 120 + 5.5, 1e-4);
  EXPECT_NEAR(v[0].Y, 105 - 41, 1e-4);
  // Bottom-right: dx = 20, dy = 5 -> (40, 5) -> (-5, 40).
  EXPECT_NEAR(v[2].X, 120 - 5, 1e-4);
  EXPECT_NEAR(v[2].Y, 105 + 40, 1e-4);

  auto white = SolidTexture(screen, 4, 4, {255, 255, 255, 255});
  r.SetTexture(white.get());
  r.RenderQuad();
  const PixelImage img = Read();
  // The turned picture is about 10 wide and 80 tall around (120, 105).
  EXPECT_GT(img.Pixel(120, 70)[0], 200) << driver;
  EXPECT_GT(img.Pixel(118, 140)[0], 200) << driver;
  EXPECT_EQ(img.Pixel(135, 105)[0], 0) << driver;  // was inside before the turn
  EXPECT_EQ(img.Pixel(120, 150)[0], 0) << driver;
}

// The global transform: with the centre at the middle of the screen and a half turn, a
// picture near the top-left corner appears at the bottom-right one; the offset moves
// everything.
TEST_F(RendererTest, GlobalTransformTurnsAndMovesTheWholePicture) {
  auto white = SolidTexture(screen, 4, 4, {255, 255, 255, 255});
  r.SetTexture(white.get());
  screen.CenterX = 400;
  screen.CenterY = 300;
  screen.Rotation = 180;
  PlacePicture(r, 10, 20, 30, 10);  // pixels 10..39 x 20..29
  r.RenderQuad();
  screen.Rotation = 0;
  screen.ScaleX = 2;
  screen.OffsetX = -100;
  r.SetColors(0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF);
  PlacePicture(r, 400, 200, 10, 10);  // scaled about x=400 then moved: x 300..319
  r.RenderQuad();

  const PixelImage img = Read();
  // Half turn about (400,300): x -> 800 - x, y -> 600 - y, with the quad's half-pixel edges
  // from 9.5..40 and 19.5..30 becoming 760..790.5 and 570..580.5.
  for (int x : {761, 775, 789}) EXPECT_GT(img.Pixel(x, 575)[0], 200) << driver << " x " << x;
  EXPECT_EQ(img.Pixel(755, 575)[0], 0) << driver;
  EXPECT_EQ(img.Pixel(775, 565)[0], 0) << driver;
  EXPECT_EQ(img.Pixel(20, 25)[0], 0) << driver;
  for (int x : {300, 310, 318}) EXPECT_GT(img.Pixel(x, 205)[0], 200) << driver << " x " << x;
  EXPECT_EQ(img.Pixel(297, 205)[0], 0) << driver;
  EXPECT_EQ(img.Pixel(322, 205)[0], 0) << driver;
}

// A 1:1 checkerboard drawn unscaled at whole coordinates reads back pixel for pixel.
void ExpectCheckerboardPixelExact(TRenderMode mode) {
  HeadlessScreen hs(mode);
  RenderDevice& device = *hs.Screen.Device();
  const std::string driver = device.DriverName();
  if (mode == rmHardware && driver != "opengl") GTEST_SKIP() << "no opengl driver: " << driver;
  constexpr int kSize = 16;
  std::vector<uint8_t> px(kSize * kSize * 4);
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      uint8_t* p = &px[(y * kSize + x) * 4];
      const bool on = (x + y) % 2 == 1;
      p[0] = on ? 255 : 0;
      p[1] = static_cast<uint8_t>(x * 16);
      p[2] = static_cast<uint8_t>(y * 16);
      p[3] = 255;
    }
  }
  auto tex = device.CreateTexture(kSize, kSize, px.data());
  hs.Screen.Clear(7, 7, 7, 255);
  // Straight to the device with white vertices: the screen's colour rule would darken it.
  const float l = 37 - 0.5f, t = 51 - 0.5f, rr = 37 + kSize, b = 51 + kSize;
  const QuadVertex quad[4] = {{l, t, 0, 1, 0xFFFFFFFF, 0, 0},
                              {rr, t, 0, 1, 0xFFFFFFFF, 1, 0},
                              {rr, b, 0, 1, 0xFFFFFFFF, 1, 1},
                              {l, b, 0, 1, 0xFFFFFFFF, 0, 1}};
  device.SetTexture(tex.get());
  device.DrawQuad(quad);
  const PixelImage img = device.ReadPixels();
  int wrong = 0;
  for (int y = 49; y < 51 + kSize + 2; ++y) {
    for (int x = 35; x < 37 + kSize + 2; ++x) {
      const int tx = x - 37, ty = y - 51;
      const bool inside = tx >= 0 && tx < kSize && ty >= 0 && ty < kSize;
      const uint8_t* want = inside ? &px[(ty * kSize + tx) * 4] : nullptr;
      const uint8_t* got = img.Pixel(x, y);
      for (int c = 0; c < 3; ++c) {
        const int expected = want ? want[c] : 7;
        if (got[c] != expected) ++wrong;
      }
    }
  }
  EXPECT_EQ(wrong, 0) << "driver " << driver;
}

TEST(RendererPixelExact, CheckerboardReadsBackPixelForPixelOnSoftware) {
  ExpectCheckerboardPixelExact(rmSoftware);
}

TEST(RendererPixelExact, CheckerboardReadsBackPixelForPixelOnOpenGl) {
  ExpectCheckerboardPixelExact(rmHardware);
}

}  // namespace
