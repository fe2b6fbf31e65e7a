#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

#include "engine/graphics/KaltoScreen.h"

class FontRasterizer;

// Font style bits, the same as the rasteriser's.
enum TFontStyle : uint8_t {
  fsBold = 1,
  fsItalic = 2,
  fsUnderline = 4,
  fsStrikeOut = 8,
};

// Text in one system typeface at one size and colour, drawn straight to the device (the
// screen's global transform and colour do not apply, and the blend state is left as it
// was). Texts are Windows-1251 bytes. Each distinct text is rendered once and kept as a
// texture while it is drawn, since screens draw the same texts every frame; a text that
// changes (a running clock) makes a texture for each new value only.
class TKaltoFont : public DeviceResourceOwner {
 public:
  TKaltoFont();
  ~TKaltoFont() override;
  TKaltoFont(const TKaltoFont&) = delete;
  TKaltoFont& operator=(const TKaltoFont&) = delete;

  TKaltoScreen* KaltoScreen() const { return screen_; }
  void SetKaltoScreen(TKaltoScreen* screen);

  // Face as the game names it ("Arial Black"), size in points at 96 dots per inch, style
  // bits (TFontStyle). Resets the colour to opaque white. Always true.
  bool SetFont(const std::string& face, int32_t size, uint8_t style);
  void SetColor(uint32_t argb);

  // Nothing is drawn without a font or a device.
  void TextOut(int32_t x, int32_t y, const std::string& text);
  void TextOutRGBA(int32_t x, int32_t y, const std::string& text, uint8_t red, uint8_t green,
                   uint8_t blue, uint8_t alpha);
  // Size of the text in pixels (0 without a font).
  int32_t TextWidth(const std::string& text);
  int32_t TextHeight(const std::string& text);

  const std::string& FaceName() const { return face_; }
  int32_t Size() const { return size_; }
  uint8_t Style() const { return style_; }
  // The font file standing for the face (empty before SetFont).
  const std::string& FontFile() const { return file_; }

  // The text colour; the game writes these directly after SetFont.
  uint8_t Red = 255;
  uint8_t Blue = 255;
  uint8_t Green = 255;
  uint8_t Alpha = 255;

  Kind DeviceResourceKind() const override { return Kind::Font; }
  void RestoreDeviceResources() override { CreateFontObject(); }
  void ReleaseDeviceResources() override { ReleaseFontObject(); }

 private:
  struct RenderedText {
    std::unique_ptr<DeviceTexture> Texture;
    int Width = 0;
    int Height = 0;
  };

  void CreateFontObject();
  void ReleaseFontObject();
  const RenderedText* Rendered(const std::string& text);

  TKaltoScreen* screen_ = nullptr;
  std::string face_;
  std::string file_;
  int32_t size_ = 0;
  uint8_t style_ = 0;
  std::unique_ptr<FontRasterizer> font_;
  // Rendered texts: drawn lately, and the generation before (see Rendered).
  std::unordered_map<std::string, RenderedText> cache_;
  std::unordered_map<std::string, RenderedText> olderCache_;
};
