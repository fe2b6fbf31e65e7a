#include "platform/RendererChoice.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(RendererChoice, NamesReadBackAndNothingElseParses) {
  for (RendererChoice choice :
       {RendererChoice::Automatic, RendererChoice::OpenGL, RendererChoice::Software}) {
    EXPECT_EQ(ParseRendererChoice(RendererChoiceName(choice)), choice);
  }
  for (const char* other : {"", "OpenGL", "gl", "software ", "direct3d"}) {
    EXPECT_FALSE(ParseRendererChoice(other).has_value()) << other;
  }
}

TEST(RendererChoice, CpuRasterisersAreNoGpu) {
  const struct {
    const char* Renderer;
    bool Cpu;
  } cases[] = {
      {"llvmpipe (LLVM 15.0.6, 256 bits)", true},
      {"softpipe", true},
      {"Mesa DRI swrast", true},
      {"GDI Generic Software Rasterizer", true},
      {"Mesa Intel(R) UHD Graphics 620 (KBL GT2)", false},
      {"NVIDIA GeForce GTX 1060/PCIe/SSE2", false},
      {"AMD Radeon RX 580 Series (polaris10, LLVM 15.0.6, DRM 3.49)", false},
      {"", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsCpuRasteriser(c.Renderer), c.Cpu) << c.Renderer;
}

}  // namespace
