#include "engine/graphics/KaltoRenderer.h"

#include <cmath>

#include "engine/graphics/KaltoScreen.h"

TKaltoRenderer::TKaltoRenderer() {
  for (QuadVertex& v : quad_) {
    v.Z = 0.0f;
    v.Rhw = 1.0f;
  }
}

void TKaltoRenderer::Bind(TKaltoScreen* screen) {
  screen_ = screen;
  verticalFlip_ = false;
  horizontalFlip_ = false;
  SetPositions(0, 0, 100, 0, 100, 100, 0, 100);
  SetTexCoords(0, 0, 1, 0, 1, 1, 0, 1);
  SetColors(0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF);
}

void TKaltoRenderer::SetPositions(float x0, float y0, float x1, float y1, float x2, float y2,
                                  float x3, float y3) {
  quad_[0].X = x0;
  quad_[0].Y = y0;
  quad_[1].X = x1 + 0.5f;
  quad_[1].Y = y1;
  quad_[2].X = x2 + 0.5f;
  quad_[2].Y = y2 + 0.5f;
  quad_[3].X = x3;
  quad_[3].Y = y3 + 0.5f;
}

void TKaltoRenderer::SetTexCoords(float u0, float v0, float u1, float v1, float u2, float v2,
                                  float u3, float v3) {
  texCoords_ = {u0, v0, u1, v1, u2, v2, u3, v3};
  ApplyTexCoords();
}

void TKaltoRenderer::ApplyTexCoords() {
  // Which stored corner each vertex shows: a vertical flip swaps top and bottom, a
  // horizontal one left and right.
  static constexpr int kCorner[2][2][4] = {{{0, 1, 2, 3}, {1, 0, 3, 2}},
                                           {{3, 2, 1, 0}, {2, 3, 0, 1}}};
  const int* corner = kCorner[verticalFlip_ ? 1 : 0][horizontalFlip_ ? 1 : 0];
  for (int i = 0; i < 4; ++i) {
    quad_[i].U = texCoords_[corner[i] * 2];
    quad_[i].V = texCoords_[corner[i] * 2 + 1];
  }
}

void TKaltoRenderer::SetColors(uint32_t c0, uint32_t c1, uint32_t c2, uint32_t c3) {
  quad_[0].Color = c0;
  quad_[1].Color = c1;
  quad_[2].Color = c2;
  quad_[3].Color = c3;
}

void TKaltoRenderer::SetVerticalFlip(bool flip) {
  verticalFlip_ = flip;
  ApplyTexCoords();
}

void TKaltoRenderer::SetHorizontalFlip(bool flip) {
  horizontalFlip_ = flip;
}

void TKaltoRenderer::SetFlipFlags(bool vertical, bool horizontal) {
  verticalFlip_ = vertical;
  horizontalFlip_ = horizontal;
}

void TKaltoRenderer::Transform(float cx, float cy, float angle, float scaleX, float scaleY) {
  const double r = static_cast<double>(angle) * M_PI / 180.0;
  const double cosR = std::cos(r);
  const double sinR = std::sin(r);
  for (QuadVertex& v : quad_) {
    const double dx = static_cast<double>(v.X) - cx;
    const double dy = static_cast<double>(v.Y) - cy;
    v.X = static_cast<float>(cx + cosR * scaleX * dx - sinR * scaleY * dy);
    v.Y = static_cast<float>(cy + sinR * scaleX * dx + cosR * scaleY * dy);
  }
}

void TKaltoRenderer::RenderQuad() {
  if (screen_ == nullptr || screen_->Device() == nullptr) return;
  screen_->SubmitQuad(quad_.data(), 4);
  screen_->Device()->DrawQuad(quad_.data());
}

void TKaltoRenderer::SetTexture(const DeviceTexture* texture) {
  if (screen_ && screen_->Device()) screen_->Device()->SetTexture(texture);
}
