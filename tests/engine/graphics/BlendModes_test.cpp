// Every blend mode drawn over a known background and compared with
// result = source x source factor + destination x destination factor, per channel.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/graphics/KaltoRenderer.h"
#include "engine/graphics/KaltoScreen.h"
#include "tests/support/HeadlessScreen.h"

namespace {

enum Factor { Zero, One, SrcColor, InvSrcColor, SrcAlpha, InvSrcAlpha, DestColor, InvDestColor };

struct ModeRow {
  int Mode;
  Factor Source;
  Factor Destination;
};

// The game's blend-mode table.
const ModeRow kModes[] = {
    {0, SrcAlpha, InvSrcAlpha},
    {1, One, One},
    {2, SrcAlpha, One},
    {3, SrcColor, InvSrcColor},
    {4, SrcColor, One},
    {5, Zero, SrcColor},
    {6, Zero, SrcAlpha},
    {7, Zero, InvSrcColor},
    {8, Zero, InvSrcAlpha},
    {9, InvDestColor, Zero},
    {10, SrcColor, SrcColor},
    {11, DestColor, DestColor},
    {12, InvSrcColor, InvSrcColor},
    {13, InvDestColor, InvDestColor},
    {20, SrcAlpha, InvSrcAlpha},  // any other number
};

double FactorValue(Factor f, double s, double a, double d) {
  switch (f) {
    case Zero:
      return 0;
    case One:
      return 1;
    case SrcColor:
      return s;
    case InvSrcColor:
      return 1 - s;
    case SrcAlpha:
      return a;
    case InvSrcAlpha:
      return 1 - a;
    case DestColor:
      return d;
    case InvDestColor:
      return 1 - d;
  }
  return 0;
}

constexpr int kBackground[3] = {60, 120, 200};
constexpr int kSource[4] = {200, 100, 40, 160};

int Expected(const ModeRow& row, int channel) {
  // The vertex colour, opaque white scaled by the screen's global white, is 254 in every
  // channel: the source reaching the blender is the texel times 254/255.
  const double s = kSource[channel] * 254.0 / 255.0 / 255.0;
  const double a = kSource[3] * 254.0 / 255.0 / 255.0;
  const double d = kBackground[channel] / 255.0;
  const double out =
      s * FactorValue(row.Source, s, a, d) + d * FactorValue(row.Destination, s, a, d);
  return static_cast<int>(std::clamp(out, 0.0, 1.0) * 255.0 + 0.5);
}

// Draws each mode in its own 8 x 8 square; returns the picture.
PixelImage DrawAllModes(TKaltoScreen& screen, const std::vector<ModeRow>& rows) {
  const uint8_t texel[4] = {kSource[0], kSource[1], kSource[2], kSource[3]};
  std::vector<uint8_t> px;
  for (int i = 0; i < 16; ++i) px.insert(px.end(), texel, texel + 4);
  auto tex = screen.Device()->CreateTexture(4, 4, px.data());
  TKaltoRenderer r;
  r.Bind(&screen);
  screen.Clear(kBackground[0], kBackground[1], kBackground[2], 255);
  screen.BeginScene();
  r.SetTexture(tex.get());
  int x = 0;
  for (const ModeRow& row : rows) {
    screen.SetBlendMode(row.Mode);
    r.SetColors(0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF);
    r.SetPositions(x - 0.5f, -0.5f, x + 7.5f, -0.5f, x + 7.5f, 7.5f, x - 0.5f, 7.5f);
    r.RenderQuad();
    x += 10;
  }
  return screen.Device()->ReadPixels();
}

void ExpectModes(const PixelImage& img, const std::vector<ModeRow>& rows,
                 const std::string& driver) {
  int x = 0;
  for (const ModeRow& row : rows) {
    for (int c = 0; c < 3; ++c) {
      EXPECT_NEAR(img.Pixel(x + 4, 4)[c], Expected(row, c), 2)
          << "driver " << driver << " mode " << row.Mode << " channel " << c;
    }
    x += 10;
  }
}

TEST(BlendModes, FullTableOnOpenGl) {
  HeadlessScreen h(rmHardware);
  const std::string driver = h.Screen.Device()->DriverName();
  if (driver != "opengl") GTEST_SKIP() << "no opengl driver headless, got " << driver;
  const std::vector<ModeRow> rows(std::begin(kModes), std::end(kModes));
  ExpectModes(DrawAllModes(h.Screen, rows), rows, driver);
}

// The software driver has SDL's built-in modes only: the game's sprite modes (0 and 2) and
// mode 5 map onto them exactly; the others fall back, said once each on stderr.
TEST(BlendModes, SoftwareDrawsTheBuiltInOnesExactlyAndReportsFallbacksOnce) {
  HeadlessScreen h(rmSoftware);
  const std::string driver = h.Screen.Device()->DriverName();
  ASSERT_EQ(driver, "software");
  const std::vector<ModeRow> exact = {kModes[0], kModes[2], kModes[5], kModes[14]};
  ExpectModes(DrawAllModes(h.Screen, exact), exact, driver);

  testing::internal::CaptureStderr();
  const std::vector<ModeRow> twice = {kModes[1], kModes[0], kModes[1], kModes[3]};
  DrawAllModes(h.Screen, twice);
  const std::string said = testing::internal::GetCapturedStderr();
  const auto count = [&said](const std::string& what) {
    size_t n = 0;
    for (size_t at = said.find(what); at != std::string::npos; at = said.find(what, at + 1)) ++n;
    return n;
  };
  EXPECT_EQ(count("cannot blend one / one"), 1u) << said;
  EXPECT_EQ(count("cannot blend src colour / 1-src colour"), 1u) << said;
}

}  // namespace
