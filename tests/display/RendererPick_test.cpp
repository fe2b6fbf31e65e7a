// Which renderer draws the game in a real window (make test runs these under Xvfb, whose
// OpenGL is Mesa's llvmpipe: a rasteriser on the processor).
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/Clock.h"
#include "platform/RenderDevice.h"
#include "platform/RendererChoice.h"
#include "platform/Window.h"
#include "shell/Unit_pr.h"

namespace {

// Without a GPU the game's own choice is the software renderer; with one it is opengl.
TEST(RendererPick, TheGamesOwnChoiceSkipsAnOpenGlDriverOnTheProcessor) {
  ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "these tests need an X display";
  std::string glRenderer;
  {
    Window window;
    auto opengl = RenderDevice::Create(window, "opengl", 800, 600);
    if (!opengl) GTEST_SKIP() << "no opengl driver here";
    glRenderer = opengl->GlRenderer();
  }
  ASSERT_FALSE(glRenderer.empty());
  Window window;
  auto chosen = RenderDevice::Create(window, "", 800, 600);
  ASSERT_NE(chosen, nullptr);
  EXPECT_EQ(chosen->DriverName(), IsCpuRasteriser(glRenderer) ? "software" : "opengl")
      << glRenderer;
}

// A renderer named on the command line draws the game and goes into the options.
TEST(RendererPick, AForcedRendererDrawsAndIsKeptInTheOptions) {
  ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "these tests need an X display";
  const RealClock clock;
  for (RendererChoice forced : {RendererChoice::OpenGL, RendererChoice::Software}) {
    const std::string name = RendererChoiceName(forced);
    TForm1 form(GameSetup{clock, 1, /*Headless=*/false, forced});
    EXPECT_EQ(form.State.Renderer, name);
    ASSERT_NE(form.KaltoScreen1.Device(), nullptr);
    EXPECT_EQ(form.KaltoScreen1.Device()->DriverName(), name);
  }
}

}  // namespace
