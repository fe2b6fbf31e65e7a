// The draw operations of an image-list item. Every operation ends in DrawCorners.
#include "engine/graphics/KaltoImageList.h"
#include "engine/graphics/KaltoRenderer.h"
#include "engine/graphics/KaltoScreen.h"

namespace {

uint32_t Argb(uint8_t alpha, uint8_t red, uint8_t green, uint8_t blue) {
  return (uint32_t(alpha) << 24) | (uint32_t(red) << 16) | (uint32_t(green) << 8) | blue;
}

float Fraction(double part, double whole) {
  return static_cast<float>(part / whole);
}

}  // namespace

void TImageListItem::DrawCorners(float X, float Y, float X2, float Y2, float X3, float Y3, float X4,
                                 float Y4, float Angle, float OriginX, float OriginY, float ScaleX,
                                 float ScaleY, uint32_t Colour1, uint32_t Colour2, uint32_t Colour3,
                                 uint32_t Colour4, bool MirrorY, bool MirrorX, int32_t PatternIndex,
                                 int32_t BlendMode) {
  if (!list_ || !texture_) return;
  TKaltoScreen* screen = list_->KaltoScreen();
  TKaltoRenderer& renderer = list_->Renderer();
  if (!screen || !screen->Device()) return;

  if (ScaleX == 0.0f) ScaleX = 1.0f;
  if (ScaleY == 0.0f) ScaleY = 1.0f;
  if (BlendMode != -1) screen->SetBlendMode(BlendMode);
  renderer.SetColors(Colour1, Colour2, Colour3, Colour4);
  renderer.SetFlipFlags(MirrorY, MirrorX);

  float originX = 0.0f;
  float originY = 0.0f;
  if (PatternIndex != -1) {
    if (PatternCount() <= 0) return;  // tiles larger than the picture: nothing to pick
    if (PatternIndex >= PatternCount()) PatternIndex = PatternCount() - 1;
    const int32_t left = PatternX(PatternIndex);
    const int32_t top = PatternY(PatternIndex);
    const float leftU = Fraction(left, textureWidth_);
    const float rightU = Fraction(left + tileWidth_, textureWidth_);
    const float topV = Fraction(top, textureHeight_);
    const float bottomV = Fraction(top + tileHeight_, textureHeight_);
    renderer.SetTexCoords(leftU, topV, rightU, topV, rightU, bottomV, leftU, bottomV);
    originX = X + tileWidth_ * OriginX;
    originY = Y + tileHeight_ * OriginY;
  } else {
    const float right = Fraction(pictureWidth_, textureWidth_);
    const float bottom = Fraction(pictureHeight_, textureHeight_);
    renderer.SetTexCoords(0, 0, right, 0, right, bottom, 0, bottom);
    originX = X + pictureWidth_ * OriginX;
    originY = Y + pictureHeight_ * OriginY;
  }
  renderer.SetTexture(texture_.get());
  renderer.SetPositions(X - 0.5f, Y - 0.5f, X2 - 0.5f, Y2 - 0.5f, X3 - 0.5f, Y3 - 0.5f, X4 - 0.5f,
                        Y4 - 0.5f);
  renderer.Transform(originX, originY, Angle, ScaleX, ScaleY);
  renderer.RenderQuad();
}

void TImageListItem::DrawColors(int32_t X, int32_t Y, float Angle, float OriginX, float OriginY,
                                float ScaleX, float ScaleY, uint32_t Colour1, uint32_t Colour2,
                                uint32_t Colour3, uint32_t Colour4, bool MirrorY, bool MirrorX,
                                int32_t PatternIndex, int32_t BlendMode) {
  const float left = static_cast<float>(X);
  const float top = static_cast<float>(Y);
  const float right = static_cast<float>(X + tileWidth_);
  const float bottom = static_cast<float>(Y + tileHeight_);
  DrawCorners(left, top, right, top, right, bottom, left, bottom, Angle, OriginX, OriginY, ScaleX,
              ScaleY, Colour1, Colour2, Colour3, Colour4, MirrorY, MirrorX, PatternIndex,
              BlendMode);
}

void TImageListItem::DrawTinted(int32_t X, int32_t Y, float Angle, float OriginX, float OriginY,
                                float ScaleX, float ScaleY, uint32_t Colour, bool MirrorY,
                                bool MirrorX, int32_t PatternIndex, int32_t BlendMode) {
  DrawColors(X, Y, Angle, OriginX, OriginY, ScaleX, ScaleY, Colour, Colour, Colour, Colour, MirrorY,
             MirrorX, PatternIndex, BlendMode);
}

void TImageListItem::DrawRGBA(int32_t X, int32_t Y, float Angle, float OriginX, float OriginY,
                              float ScaleX, float ScaleY, uint8_t Red, uint8_t Green, uint8_t Blue,
                              uint8_t Alpha, bool Additive, int32_t PatternIndex,
                              int32_t BlendMode) {
  if (list_ && list_->KaltoScreen() && list_->KaltoScreen()->Device()) {
    list_->KaltoScreen()->Device()->SetDestinationBlend(Additive ? BlendFactor::One
                                                                 : BlendFactor::InvSrcAlpha);
  }
  DrawTinted(X, Y, Angle, OriginX, OriginY, ScaleX, ScaleY, Argb(Alpha, Red, Green, Blue), false,
             false, PatternIndex, BlendMode);
}

void TImageListItem::DrawPlain(int32_t X, int32_t Y, int32_t PatternIndex) {
  DrawTinted(X, Y, 0, 0, 0, 1, 1, 0xFFFFFFFFu, false, false, PatternIndex, 0);
}

void TImageListItem::DrawStretched(const TRect& Rect, int32_t X, int32_t Y, float Angle,
                                   float OriginX, float OriginY, float ScaleX, float ScaleY,
                                   uint8_t Red, uint8_t Green, uint8_t Blue, uint8_t Alpha,
                                   bool MirrorY, bool MirrorX, int32_t PatternIndex,
                                   int32_t BlendMode) {
  const uint32_t colour = Argb(Alpha, Red, Green, Blue);
  const float left = static_cast<float>(Rect.Left + X);
  const float top = static_cast<float>(Rect.Top + Y);
  const float right = static_cast<float>(Rect.Right + X);
  const float bottom = static_cast<float>(Rect.Bottom + Y);
  DrawCorners(left, top, right, top, right, bottom, left, bottom, Angle, OriginX, OriginY, ScaleX,
              ScaleY, colour, colour, colour, colour, MirrorY, MirrorX, PatternIndex, BlendMode);
}
