#include "engine/graphics/KaltoScreen.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "engine/graphics/KaltoRenderer.h"
#include "tests/support/HeadlessScreen.h"
#include "tests/support/ScopedEnvironment.h"

namespace {

TEST(KaltoScreenProperties, SettersKeepOnlyWhatTheRulesAllow) {
  HeadlessScreen h;
  TKaltoScreen& s = h.Screen;
  struct FrequencyCase {
    uint32_t Given, Stored;
  };
  for (const FrequencyCase c : {FrequencyCase{60, 60},
                                {65, 0},
                                {85, 85},
                                {144, 144},
                                {240, 240},
                                {241, 0},
                                {0, 0},
                                {56, 56}}) {
    s.SetFrequency(c.Given);
    EXPECT_EQ(s.Frequency(), c.Stored) << c.Given;
  }
  struct BppCase {
    int32_t Given, Stored;
  };
  for (const BppCase c : {BppCase{32, 32}, {24, 16}, {16, 16}, {8, 16}}) {
    s.SetBpp(c.Given);
    EXPECT_EQ(s.bpp(), c.Stored) << c.Given;
  }
  s.SetColor(0x80112233);
  EXPECT_EQ(s.Alpha(), 0x80);
  EXPECT_EQ(s.Red(), 0x11);
  EXPECT_EQ(s.Green(), 0x22);
  EXPECT_EQ(s.Blue(), 0x33);
  s.SetRed(0xAA);
  s.SetAlpha(0xFF);
  EXPECT_EQ(s.Color(), 0xFFAA2233u);
}

// Colours multiply channel by channel with an 8-bit shift; positions are scaled and turned
// about the centre, then offset.
TEST(KaltoScreenSubmitQuad, AppliesTheGlobalColourAndTransformInPlace) {
  HeadlessScreen h;
  TKaltoScreen& s = h.Screen;
  QuadVertex v[2];
  v[0].X = 10;
  v[0].Y = 20;
  v[0].Color = 0xFFFFFFFF;
  v[1].X = 400;
  v[1].Y = 300;
  v[1].Color = 0x80FF4000;
  s.SubmitQuad(v, 2);
  EXPECT_EQ(v[0].Color, 0xFEFEFEFEu);  // 255 x 255 >> 8
  EXPECT_FLOAT_EQ(v[0].X, 10);
  EXPECT_FLOAT_EQ(v[0].Y, 20);

  s.SetColor(0x80FF8040);
  s.CenterX = 400;
  s.CenterY = 300;
  s.OffsetX = 5;
  s.OffsetY = -7;
  s.ScaleX = 2;
  s.ScaleY = 0.5f;
  s.Rotation = 90;
  v[0].X = 410;  // dx 10, dy -100 -> scaled (20, -50) -> turned clockwise (50, 20)
  v[0].Y = 200;
  v[0].Color = 0xFFFFFFFF;
  s.SubmitQuad(v, 2);
  EXPECT_EQ(v[0].Color, (0xFFu * 0x80 >> 8) << 24 | (0xFFu * 0xFF >> 8) << 16 |
                            (0xFFu * 0x80 >> 8) << 8 | (0xFFu * 0x40 >> 8));
  EXPECT_NEAR(v[0].X, 5 + 400 + 50, 1e-3);
  EXPECT_NEAR(v[0].Y, -7 + 300 + 20, 1e-3);
  EXPECT_NEAR(v[1].X, 405, 1e-3);  // the centre stays, plus the offset
  EXPECT_NEAR(v[1].Y, 293, 1e-3);
}

// The mode number is cached: -1 and the current number change nothing, so a destination
// factor written straight to the device survives a repeated request.
TEST(KaltoScreenBlend, ModeNumberIsCached) {
  HeadlessScreen h;
  TKaltoScreen& s = h.Screen;
  RenderDevice& d = *s.Device();
  EXPECT_EQ(s.BlendMode(), 0);
  s.SetBlendMode(2);
  EXPECT_EQ(d.SourceBlend(), BlendFactor::SrcAlpha);
  EXPECT_EQ(d.DestinationBlend(), BlendFactor::One);
  s.SetBlendMode(-1);
  EXPECT_EQ(s.BlendMode(), 2);
  d.SetDestinationBlend(BlendFactor::InvSrcAlpha);
  s.SetBlendMode(2);
  EXPECT_EQ(d.DestinationBlend(), BlendFactor::InvSrcAlpha);
  s.SetBlendMode(9);
  EXPECT_EQ(d.SourceBlend(), BlendFactor::InvDestColor);
  EXPECT_EQ(d.DestinationBlend(), BlendFactor::Zero);
  s.SetBlendMode(20);
  EXPECT_EQ(s.BlendMode(), 20);
  EXPECT_EQ(d.SourceBlend(), BlendFactor::SrcAlpha);
  EXPECT_EQ(d.DestinationBlend(), BlendFactor::InvSrcAlpha);
}

// Records the walks the screen makes over its device-resource owners.
class Owner : public DeviceResourceOwner {
 public:
  Owner(Kind kind, std::string name, std::vector<std::string>& log)
      : kind_(kind), name_(std::move(name)), log_(log) {}
  Kind DeviceResourceKind() const override { return kind_; }
  void RestoreDeviceResources() override { log_.push_back("restore " + name_); }
  void ReleaseDeviceResources() override { log_.push_back("release " + name_); }

 private:
  Kind kind_;
  std::string name_;
  std::vector<std::string>& log_;
};

void PushSdlEvent(Uint32 type) {
  SDL_Event e{};
  e.type = type;
  SDL_PushEvent(&e);
}

// A render reset skips the frame that notices it, rebuilds resources in their order, and
// the next frame draws again.
TEST(KaltoScreenLifecycle, ResetWalksOwnersInOrderAndSkipsOneFrame) {
  HeadlessScreen h;
  TKaltoScreen& s = h.Screen;
  std::vector<std::string> log;
  using K = DeviceResourceOwner::Kind;
  Owner gui(K::Gui, "gui", log), font(K::Font, "font", log), list1(K::ImageList, "list1", log),
      bitmap(K::BitmapFont, "bitmap", log), list2(K::ImageList, "list2", log);
  for (Owner* o : {&gui, &font, &list1, &bitmap, &list2}) s.RegisterResourceOwner(o);
  int inits = 0, uninits = 0;
  s.OnInit = [&] { ++inits; };
  s.OnUnInit = [&] { ++uninits; };

  s.BeginScene();
  EXPECT_TRUE(s.InScene());
  s.EndScene();
  EXPECT_TRUE(log.empty());

  PushSdlEvent(SDL_RENDER_DEVICE_RESET);
  SDL_PumpEvents();
  EXPECT_EQ(s.Device()->TestCooperativeLevel(), DeviceState::NeedsReset);
  s.BeginScene();
  EXPECT_FALSE(s.InScene());
  s.EndScene();  // nothing to end
  const std::vector<std::string> expected = {
      "release bitmap", "release gui",   "release font", "release list1", "release list2",
      "restore list1",  "restore list2", "restore gui",  "restore font",  "restore bitmap"};
  EXPECT_EQ(log, expected);
  EXPECT_EQ(inits, 1);
  EXPECT_EQ(uninits, 1);
  EXPECT_EQ(s.Device()->TestCooperativeLevel(), DeviceState::Ok);

  s.BeginScene();
  EXPECT_TRUE(s.InScene());
  s.EndScene();
  for (Owner* o : {&gui, &font, &list1, &bitmap, &list2}) s.UnregisterResourceOwner(o);
}

// A non-standard size gets the 800 x 600 picture in full screen only; full screen starts
// with at least one back buffer.
TEST(KaltoScreenLifecycle, FullScreenUsesAStandardSizeAndOneBackBuffer) {
  HeadlessScreen h;
  TKaltoScreen& s = h.Screen;
  s.Width = 1000;
  s.Height = 700;
  EXPECT_EQ(s.ResetDevice(), 0);
  EXPECT_EQ(s.BackBufferWidth(), 1000);
  EXPECT_EQ(s.BackBufferHeight(), 700);
  EXPECT_EQ(s.BBCount, 0);

  s.ToggleFullScreen();
  EXPECT_TRUE(s.FullScreen);
  EXPECT_TRUE(h.Win.FullScreen());
  EXPECT_EQ(s.BackBufferWidth(), 800);
  EXPECT_EQ(s.BackBufferHeight(), 600);
  EXPECT_EQ(s.BBCount, 1);
  EXPECT_TRUE(s.Initialized());
  EXPECT_TRUE(s.Active());

  s.ToggleFullScreen();
  EXPECT_FALSE(h.Win.FullScreen());
  EXPECT_EQ(s.BackBufferWidth(), 1000);
}

// The screenshot is the finished frame, written as BMP when the frame is shown.
TEST(KaltoScreenLifecycle, ScreenshotIsWrittenAtEndOfFrame) {
  HeadlessScreen h;
  TKaltoScreen& s = h.Screen;
  const std::string path = testing::TempDir() + "screen_shot.bmp";
  std::remove(path.c_str());
  s.Clear(10, 200, 30, 255);
  s.BeginScene();
  s.SaveScreenshot(path);
  SDL_Surface* none = SDL_LoadBMP(path.c_str());
  EXPECT_EQ(none, nullptr);  // not before the frame ends
  s.EndScene();
  SDL_Surface* shot = SDL_LoadBMP(path.c_str());
  ASSERT_NE(shot, nullptr);
  EXPECT_EQ(shot->w, 800);
  EXPECT_EQ(shot->h, 600);
  Uint32 pixel = 0;
  SDL_LockSurface(shot);
  const int bytes = shot->format->BytesPerPixel;
  std::memcpy(&pixel, static_cast<const uint8_t*>(shot->pixels) + 5 * shot->pitch + 5 * bytes,
              bytes);
  SDL_UnlockSurface(shot);
  Uint8 r, g, b;
  SDL_GetRGB(pixel, shot->format, &r, &g, &b);
  EXPECT_EQ(r, 10);
  EXPECT_EQ(g, 200);
  EXPECT_EQ(b, 30);
  SDL_FreeSurface(shot);
}

// Video runs on a driver that draws nowhere, so the message goes to stderr only: on a real
// display the fatal error's message box would wait for a click.
TEST(KaltoScreenDeathTest, NoWindowIsFatalWithExitCodeOne) {
  EXPECT_EXIT(
      {
        const ScopedEnvironmentVariable noDisplay("SDL_VIDEODRIVER", "offscreen");
        TKaltoScreen s(nullptr);
        s.Initialize();
      },
      testing::ExitedWithCode(1), "Could not initialize Direct3D");
}

}  // namespace
