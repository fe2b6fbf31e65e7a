#pragma once
#include "engine/graphics/KaltoScreen.h"
#include "platform/Window.h"

// A hidden 800 x 600 window (SDL's offscreen video) with an initialised screen on it.
// rmSoftware gives the software driver; rmHardware tries opengl first (check
// Screen.Device()->DriverName() for what was made).
struct HeadlessScreen {
  explicit HeadlessScreen(TRenderMode mode = rmSoftware);

  Window Win;
  TKaltoScreen Screen;
};
