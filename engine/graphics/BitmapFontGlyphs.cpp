// Building a bitmap font's glyph texture from a system typeface.
#include <cmath>
#include <iostream>

#include "engine/graphics/FontFaces.h"
#include "engine/graphics/KaltoBitmapFont.h"
#include "platform/Cp1251.h"
#include "platform/FontRasterizer.h"

namespace {

int Extent(const FontRasterizer& font, const std::string& utf8, bool height) {
  int w = 0;
  int h = 0;
  if (!utf8.empty()) font.Measure(utf8, &w, &h);
  if (height && utf8.empty()) h = font.LineHeight();
  return height ? h : w;
}

// Draws white text into the coverage buffer at (x, y), replacing what was there.
void DrawCoverage(const FontRasterizer& font, const std::string& utf8, bool antialiased, int x,
                  int y, int side, std::vector<uint8_t>& coverage) {
  const PixelImage glyph = font.DrawLine(utf8);
  for (int gy = 0; gy < glyph.Height && y + gy < side; ++gy) {
    for (int gx = 0; gx < glyph.Width && x + gx < side; ++gx) {
      uint8_t a = glyph.Pixel(gx, gy)[3];
      if (!antialiased) a = a >= 128 ? 255 : 0;
      coverage[static_cast<size_t>(y + gy) * side + (x + gx)] = a;
    }
  }
}

struct GlyphBox {
  int X = 0, Y = 0, W = 0, H = 0;
};

// Places the glyphs in rows across a sheet `side` pixels wide, two pixels apart. False when
// the rows run past the bottom of the sheet.
bool PlaceGlyphs(std::vector<GlyphBox>& boxes, int32_t side) {
  int x = 0;
  int y = 0;
  bool fits = true;
  for (GlyphBox& box : boxes) {
    if (x + box.W + 2 > side) {
      y += box.H + 2;
      x = 0;
    }
    box.X = x;
    box.Y = y;
    x += box.W + 2;
    fits = fits && box.Y + box.H + 1 <= side;
  }
  return fits;
}

}  // namespace

GlyphTextureSize GlyphTextureSide(size_t characterCount, int32_t size, bool square,
                                  int32_t maxTextureSide) {
  int32_t side = 0;
  if (square) {
    const double area = double(characterCount) * 2.0 * double(size + 1) * double(size + 1);
    const double wanted = std::round(std::sqrt(area));
    side = 1;
    while (side < wanted) side *= 2;
  } else {
    side = size > 40 ? 1024 : size <= 20 ? 256 : 512;
  }
  if (maxTextureSide > 0 && maxTextureSide < side) {
    return {maxTextureSide, float(maxTextureSide) / float(side)};
  }
  return {side, 1.0f};
}

void TKaltoBitmapFont::BuildFromSystemFont(const std::string& face, const std::string& characters,
                                           uint32_t flags, int32_t size) {
  ownTexture_.reset();
  ownPixels_ = PixelImage();
  fontName_ = face;
  sizeFactor_ = 1.0f;
  const bool italic = flags & bfItalic;
  const bool square = flags & bfSquare;
  const std::string& chars = characters.empty() ? DefaultCharacters() : characters;

  const int32_t maxSide = screen_ && screen_->Device() ? screen_->Device()->MaxTextureSize() : 0;
  const GlyphTextureSize texture = GlyphTextureSide(chars.size(), size, square, maxSide);
  int32_t side = texture.Side;
  sizeFactor_ = texture.SizeFactor;

  const unsigned dpi = static_cast<unsigned>(std::trunc(96.0 * sizeFactor_));
  int style = 0;
  if (flags & bfBold) style |= FontRasterizer::kBold;
  if (italic) style |= FontRasterizer::kItalic;
  if (flags & bfUnderline) style |= FontRasterizer::kUnderline;
  if (flags & bfStrikeOut) style |= FontRasterizer::kStrikeOut;
  const std::unique_ptr<FontRasterizer> opened =
      FontRasterizer::Open(FontFileForFace(face), size, dpi, style, nullptr);
  if (!opened) return;
  const FontRasterizer& font = *opened;
  const bool antialiased = !(flags & bfDefaultQuality);

  const std::string cell = square ? "W" : "a";
  cellWidth_ = Extent(font, cell, false);
  cellHeight_ = Extent(font, cell, true);

  std::vector<GlyphBox> boxes;
  for (const char c : chars) {
    const std::string utf8 = Cp1251ToUtf8(std::string(1, c));
    GlyphBox box;
    box.W = square ? cellWidth_ : Extent(font, utf8, false);
    box.H = square ? cellHeight_ : Extent(font, utf8, true);
    if (italic) {
      box.W += 1;
      box.H += 2;
    }
    boxes.push_back(box);
  }
  // The sheet doubles until every glyph fits, as far as the device's largest texture allows.
  while (!PlaceGlyphs(boxes, side) && (maxSide <= 0 || side * 2 <= maxSide)) side *= 2;

  std::vector<uint8_t> coverage(static_cast<size_t>(side) * side, 0);
  glyphs_.fill(Glyph());
  for (size_t n = 0; n < chars.size(); ++n) {
    const GlyphBox& box = boxes[n];
    DrawCoverage(font, Cp1251ToUtf8(std::string(1, chars[n])), antialiased, box.X, box.Y, side,
                 coverage);
    Glyph& glyph = glyphs_[static_cast<uint8_t>(chars[n])];
    glyph.Width = box.W;
    glyph.Height = box.H;
    glyph.Left = float(double(box.X) / side);
    glyph.Top = float(double(box.Y) / side);
    glyph.Bottom = float(double(box.Y + box.H + 1) / side);
    glyph.Right = float(double(italic && !square ? box.X + box.W - 1 : box.X + box.W + 1) / side);
  }

  // 16 levels of coverage, as white with alpha; no coverage is transparent black.
  ownPixels_.Width = side;
  ownPixels_.Height = side;
  ownPixels_.Rgba.assign(static_cast<size_t>(side) * side * 4, 0);
  for (size_t i = 0; i < coverage.size(); ++i) {
    const uint8_t n = coverage[i] >> 4;
    if (n == 0) continue;
    uint8_t* texel = &ownPixels_.Rgba[i * 4];
    texel[0] = texel[1] = texel[2] = 255;
    texel[3] = uint8_t(n * 17);
  }
  if (screen_ && screen_->Device()) {
    ownTexture_ = screen_->Device()->CreateTexture(side, side, ownPixels_.Rgba.data());
  }
  ownSource_ = true;
  SetCharacters(chars);
  for (int32_t b = 0; b < 256; ++b) map_[static_cast<size_t>(b)] = b;
}
