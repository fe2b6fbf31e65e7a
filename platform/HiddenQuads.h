#pragma once
#include <vector>

#include "platform/RenderDevice.h"

// Pixels left..right-1 by top..bottom-1.
struct PixelRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  bool Empty() const { return Left >= Right || Top >= Bottom; }
  bool operator==(const PixelRect& o) const {
    return Left == o.Left && Top == o.Top && Right == o.Right && Bottom == o.Bottom;
  }
};

// A quad of the frame waiting to be drawn, with the state it is drawn with.
struct PendingQuad {
  QuadVertex Vertices[4];
  const DeviceTexture* Texture = nullptr;
  int Blend = 0;  // the SDL blend mode
  bool Linear = false;
  // Its pixels do not depend on what was below them (drawn without blending).
  bool Replaces = false;
  // When set, only the pixels inside Clip are drawn.
  bool Clipped = false;
  PixelRect Clip;
};

// Every pixel the quad may touch, with a pixel to spare on each side (vertex positions
// have their pixel centres on whole coordinates).
PixelRect OuterPixels(const QuadVertex vertices[4]);
// The pixels wholly inside the quad when it is an upright rectangle; empty otherwise.
PixelRect InnerPixels(const QuadVertex vertices[4]);

// Leaves out of the frame what later quads paint over. An upright quad that replaces its
// pixels hides what was drawn before it in the pixels wholly inside it. A quad hidden whole
// is dropped; one hidden in part by a few rectangles is drawn once for each rectangle still
// seen, clipped to it, so its pixels keep their values. Everything else is kept as it is.
// Returns how many quads were dropped or clipped.
int LeaveOutHiddenQuads(std::vector<PendingQuad>& frame);
