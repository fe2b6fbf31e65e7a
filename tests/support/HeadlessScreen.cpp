#include "tests/support/HeadlessScreen.h"

namespace {

WindowConfig HeadlessConfig() {
  WindowConfig config;
  config.Headless = true;
  return config;
}

}  // namespace

HeadlessScreen::HeadlessScreen(TRenderMode mode) : Win(HeadlessConfig()), Screen(&Win) {
  Screen.RenderMode = mode;
  Screen.Initialize();
}
