#include "engine/graphics/KaltoBitmapFont.h"

#include <algorithm>
#include <cmath>

#include "base/Windows1251.h"
#include "engine/graphics/KaltoImageList.h"

const std::string& TKaltoBitmapFont::DefaultCharacters() {
  static constexpr auto kCharacters = cp1251::Convert(
      " !\"#$%&'()*+,-./0123456789:;<=>?@"
      "ЯФЙЦЫЧСВУКАМИПЕНРТЬОГШЛБЮДЩЗЖЁЪХЭ"
      "[\\]^_`"
      "йфячыцувсмакепитрнгоьблшщдюжзёъхэ"
      "{|}~"
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  static const std::string characters(kCharacters.Bytes, kCharacters.Size);
  return characters;
}

TKaltoBitmapFont::TKaltoBitmapFont() {
  map_.fill(-1);
  SetAllCorners();
}

TKaltoBitmapFont::~TKaltoBitmapFont() {
  SetKaltoScreen(nullptr);
}

void TKaltoBitmapFont::SetKaltoScreen(TKaltoScreen* screen) {
  if (screen == screen_) return;
  if (screen_) screen_->UnregisterResourceOwner(this);
  screen_ = screen;
  if (screen_) {
    screen_->RegisterResourceOwner(this);
    renderer_.Bind(screen_);
  }
}

void TKaltoBitmapFont::SetKaltoImageList(TKaltoImageList* list) {
  if (list == imageList_) return;
  imageList_ = list;
  if (imageList_) SetKaltoImageIndex(imageIndex_);
}

void TKaltoBitmapFont::SetKaltoImageIndex(int32_t index) {
  if (index < 0) return;
  imageIndex_ = index;
  if (!imageList_ || index >= imageList_->Count()) return;
  const TImageListItem& item = *imageList_->Items(index);
  ownSource_ = false;
  fontName_ = item.Name;
  sizeFactor_ = 1.0f;
  ownTexture_.reset();
  ownPixels_ = PixelImage();
  cellWidth_ = item.TileWidth();
  cellHeight_ = item.TileHeight();
  const int32_t textureWidth =
      item.TextureWidth() >= 2 ? item.TextureWidth() : TextureSide(item.PictureWidth());
  const int32_t textureHeight =
      item.TextureHeight() >= 2 ? item.TextureHeight() : TextureSide(item.PictureHeight());
  const int32_t columns = item.Columns();
  const int32_t tiles = item.Columns() * item.Rows();
  for (int32_t g = 0; g < 256; ++g) {
    Glyph& glyph = glyphs_[static_cast<size_t>(g)];
    glyph.Width = cellWidth_;
    glyph.Height = cellHeight_;
    const int32_t tile = std::min(g, tiles);
    const int32_t left = columns > 0 ? cellWidth_ * (tile % columns) : 0;
    const int32_t top = columns > 0 ? cellHeight_ * (tile / columns) : 0;
    glyph.Left = float(double(left) / textureWidth);
    glyph.Top = float(double(top) / textureHeight);
    glyph.Right = float(double(left + cellWidth_) / textureWidth);
    glyph.Bottom = float(double(top + cellHeight_) / textureHeight);
  }
}

void TKaltoBitmapFont::SetCharacters(const std::string& characters) {
  characters_ = characters.empty() ? DefaultCharacters() : characters;
  map_.fill(-1);
  for (size_t p = characters_.size(); p-- > 0;) {
    map_[static_cast<uint8_t>(characters_[p])] = static_cast<int32_t>(p);
  }
  if (map_[' '] == -1) map_[' '] = 0;
}

void TKaltoBitmapFont::SetAllCorners() {
  const uint32_t argb = (uint32_t(alpha_ & 0xFF) << 24) | (uint32_t(red_ & 0xFF) << 16) |
                        (uint32_t(green_ & 0xFF) << 8) | uint32_t(blue_ & 0xFF);
  corners_.fill(argb);
}

void TKaltoBitmapFont::SetRed(int32_t value) {
  red_ = value;
  SetAllCorners();
}
void TKaltoBitmapFont::SetGreen(int32_t value) {
  green_ = value;
  SetAllCorners();
}
void TKaltoBitmapFont::SetBlue(int32_t value) {
  blue_ = value;
  SetAllCorners();
}
void TKaltoBitmapFont::SetAlpha(int32_t value) {
  alpha_ = value;
  SetAllCorners();
}

const DeviceTexture* TKaltoBitmapFont::GlyphTexture() const {
  if (ownSource_) return ownTexture_.get();
  const TImageListItem* item = imageList_ ? imageList_->Items(imageIndex_) : nullptr;
  return item ? item->Texture() : nullptr;
}

void TKaltoBitmapFont::TextOutColors(int32_t X, int32_t Y, float Angle, float scaleX, float scaleY,
                                     uint32_t Colour1, uint32_t Colour2, uint32_t Colour3,
                                     uint32_t Colour4, const std::string& Text, int32_t BlendMode) {
  const DeviceTexture* texture = GlyphTexture();
  if (!screen_ || !screen_->Device() || !texture) return;
  renderer_.SetTexture(texture);
  renderer_.SetFlipFlags(false, false);

  float x = float(X);
  float y = float(Y);
  if (PositionMode == pmCenter) {
    x = float(X) - std::nearbyint(double(Text.size()) * 0.5 * cellWidth_);
    y = float(Y) - std::nearbyint(cellHeight_ * 0.25);
  }
  if (BlendMode != -1) screen_->SetBlendMode(BlendMode);

  for (const char c : Text) {
    const uint8_t b = static_cast<uint8_t>(c);
    const int32_t g = map_[b];
    if (b == 13) {
      y += float(cellHeight_ + LineSpace);
      x = float(X);
    }
    if (g == -1) continue;
    const Glyph& glyph = glyphs_[static_cast<size_t>(g)];
    const float w = float(glyph.Width);
    const float h = float(glyph.Height);
    if (b != ' ') {
      renderer_.SetPositions(x, y, x + w, y, x + w, y + h, x, y + h);
      renderer_.SetColors(Colour1, Colour2, Colour3, Colour4);
      renderer_.SetTexCoords(glyph.Left, glyph.Top, glyph.Right, glyph.Top, glyph.Right,
                             glyph.Bottom, glyph.Left, glyph.Bottom);
      renderer_.Transform(x + w * 0.5f, y + h * 0.5f, CharRotation, 1.0f, 1.0f);
      renderer_.Transform(float(X) + CenterX, float(Y) + CenterY, Angle, scaleX * sizeFactor_,
                          scaleY * sizeFactor_);
      renderer_.RenderQuad();
    }
    x += w + float(Spacing);
  }
}

void TKaltoBitmapFont::TextOut(int32_t X, int32_t Y, float Angle, float scaleX, float scaleY,
                               uint32_t Colour, const std::string& Text, int32_t BlendMode) {
  TextOutColors(X, Y, Angle, scaleX, scaleY, Colour, Colour, Colour, Colour, Text, BlendMode);
}

void TKaltoBitmapFont::RestoreDeviceResources() {
  if (!screen_) return;
  renderer_.Bind(screen_);
  ownSource_ = false;
  SetKaltoImageIndex(imageIndex_);
  SetCharacters(characters_);
  if (!imageList_) BuildFromSystemFont("Arial", characters_, bfBold, 12);
}
