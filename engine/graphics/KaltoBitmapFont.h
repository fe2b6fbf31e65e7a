#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "engine/graphics/KaltoRenderer.h"
#include "engine/graphics/KaltoScreen.h"

class TKaltoImageList;

enum TBitmapFontPositionMode { pmTopLeft = 0, pmCenter = 1 };

// Flags of BuildFromSystemFont.
enum TBitmapFontFlags : uint32_t {
  bfBold = 1,
  bfItalic = 2,
  bfUnderline = 4,
  bfStrikeOut = 8,
  bfDefaultQuality = 16,  // clear: antialiased glyphs
  bfSquare = 32,          // every glyph in a cell of the size of "W"
};

// Side of the glyph texture built from a system typeface, and the factor the glyphs shrink
// by when the device cannot take a texture that large.
struct GlyphTextureSize {
  int32_t Side;
  float SizeFactor;
};
GlyphTextureSize GlyphTextureSide(size_t characterCount, int32_t size, bool square,
                                  int32_t maxTextureSide);

// Text drawn as one textured quad per character. The glyphs come from the tiles of an
// image-list item (tile p = glyph p) or from a system typeface rendered into a texture of
// the font's own (white glyphs, 16 levels of coverage in the alpha channel).
class TKaltoBitmapFont : public DeviceResourceOwner {
 public:
  struct Glyph {
    int32_t Width = 0;
    int32_t Height = 0;
    float Left = 0, Top = 0, Right = 0, Bottom = 0;  // texture rectangle
  };

  // The 161 characters (Windows-1251) in the order of the glyph tiles; used when
  // Characters is set empty.
  static const std::string& DefaultCharacters();

  TKaltoBitmapFont();
  ~TKaltoBitmapFont() override;
  TKaltoBitmapFont(const TKaltoBitmapFont&) = delete;
  TKaltoBitmapFont& operator=(const TKaltoBitmapFont&) = delete;

  const std::string& FontName() const { return fontName_; }
  TKaltoScreen* KaltoScreen() const { return screen_; }
  void SetKaltoScreen(TKaltoScreen* screen);
  TKaltoImageList* KaltoImageList() const { return imageList_; }
  void SetKaltoImageList(TKaltoImageList* list);
  int32_t KaltoImageIndex() const { return imageIndex_; }
  // Takes the glyphs from the tiles of that item; negative values are ignored.
  void SetKaltoImageIndex(int32_t index);
  const std::string& Characters() const { return characters_; }
  // Maps each byte to its first position in the string; space falls back to glyph 0.
  void SetCharacters(const std::string& characters);

  int32_t Red() const { return red_; }
  int32_t Green() const { return green_; }
  int32_t Blue() const { return blue_; }
  int32_t Alpha() const { return alpha_; }
  void SetRed(int32_t value);
  void SetGreen(int32_t value);
  void SetBlue(int32_t value);
  void SetAlpha(int32_t value);
  // ARGB of the four corners, set by the colour setters.
  const std::array<uint32_t, 4>& CornerColours() const { return corners_; }

  int32_t LineSpace = 10;
  float CenterX = 0;
  float CenterY = 0;
  float ScaleX = 1.0f;
  float ScaleY = 1.0f;
  float Rotation = 0;
  float CharRotation = 0;
  int32_t Spacing = 0;
  TBitmapFontPositionMode PositionMode = pmTopLeft;

  // Corner colours top-left, top-right, bottom-right, bottom-left; BlendMode -1 leaves the
  // blend state alone. A carriage return starts a new line at X; bytes with no glyph are
  // skipped.
  void TextOutColors(int32_t X, int32_t Y, float Angle, float scaleX, float scaleY,
                     uint32_t Colour1, uint32_t Colour2, uint32_t Colour3, uint32_t Colour4,
                     const std::string& Text, int32_t BlendMode);
  void TextOut(int32_t X, int32_t Y, float Angle, float scaleX, float scaleY, uint32_t Colour,
               const std::string& Text, int32_t BlendMode);

  // Renders the characters of a typeface into the font's own texture (TBitmapFontFlags).
  // Gives up silently when the typeface cannot be opened.
  void BuildFromSystemFont(const std::string& face, const std::string& characters, uint32_t flags,
                           int32_t size);

  // The glyph a byte draws (-1: none), the glyph table, the reference cell.
  int32_t GlyphOf(uint8_t byte) const { return map_[byte]; }
  const Glyph& GlyphAt(int32_t glyph) const { return glyphs_[static_cast<size_t>(glyph)]; }
  int32_t CellWidth() const { return cellWidth_; }
  int32_t CellHeight() const { return cellHeight_; }
  float SizeFactor() const { return sizeFactor_; }
  bool UsesOwnTexture() const { return ownSource_; }
  // The own glyph texture's level 0 (white, alpha = coverage); empty when glyphs come
  // from an image item.
  const PixelImage& OwnGlyphs() const { return ownPixels_; }

  Kind DeviceResourceKind() const override { return Kind::BitmapFont; }
  // Back to the image item's glyphs (or, without an image list, bold 12-point "Arial").
  void RestoreDeviceResources() override;
  // Keeps texture and tables.
  void ReleaseDeviceResources() override {}

 private:
  void SetAllCorners();
  const DeviceTexture* GlyphTexture() const;

  std::string fontName_;
  TKaltoScreen* screen_ = nullptr;
  TKaltoImageList* imageList_ = nullptr;
  int32_t imageIndex_ = 0;
  std::string characters_;
  int32_t red_ = 255, green_ = 255, blue_ = 255, alpha_ = 255;
  std::array<uint32_t, 4> corners_{};

  std::array<Glyph, 256> glyphs_{};
  std::array<int32_t, 256> map_{};
  int32_t cellWidth_ = 0;
  int32_t cellHeight_ = 0;
  bool ownSource_ = false;
  std::unique_ptr<DeviceTexture> ownTexture_;
  PixelImage ownPixels_;
  float sizeFactor_ = 1.0f;
  TKaltoRenderer renderer_;
};
