#include "platform/FontRasterizer.h"

#include <SDL_ttf.h>

#include <algorithm>

struct FontRasterizer::Face {
  TTF_Font* Font;
};

namespace {

constexpr SDL_Color kWhite{255, 255, 255, 255};

// Takes the surface and gives its pixels as RGBA.
PixelImage RgbaPixels(SDL_Surface* drawn) {
  PixelImage image;
  SDL_Surface* rgba =
      drawn ? SDL_ConvertSurfaceFormat(drawn, SDL_PIXELFORMAT_ABGR8888, 0) : nullptr;
  SDL_FreeSurface(drawn);
  if (!rgba) return image;
  image.Width = rgba->w;
  image.Height = rgba->h;
  image.Rgba.resize(static_cast<size_t>(rgba->w) * rgba->h * 4);
  for (int y = 0; y < rgba->h; ++y) {
    std::copy_n(static_cast<const uint8_t*>(rgba->pixels) + static_cast<size_t>(y) * rgba->pitch,
                static_cast<size_t>(rgba->w) * 4,
                &image.Rgba[static_cast<size_t>(y) * rgba->w * 4]);
  }
  SDL_FreeSurface(rgba);
  return image;
}

int TtfStyle(int style) {
  int ttf = TTF_STYLE_NORMAL;
  if (style & FontRasterizer::kBold) ttf |= TTF_STYLE_BOLD;
  if (style & FontRasterizer::kItalic) ttf |= TTF_STYLE_ITALIC;
  if (style & FontRasterizer::kUnderline) ttf |= TTF_STYLE_UNDERLINE;
  if (style & FontRasterizer::kStrikeOut) ttf |= TTF_STYLE_STRIKETHROUGH;
  return ttf;
}

}  // namespace

std::unique_ptr<FontRasterizer> FontRasterizer::Open(const std::string& file, int points,
                                                     unsigned dpi, int style, std::string* error) {
  // Every open font holds the font library; it stops when the last one closes.
  if (TTF_Init() != 0) {
    if (error) *error = TTF_GetError();
    return nullptr;
  }
  TTF_Font* font = TTF_OpenFontDPI(file.c_str(), points, dpi, dpi);
  if (!font) {
    if (error) *error = TTF_GetError();
    TTF_Quit();
    return nullptr;
  }
  TTF_SetFontStyle(font, TtfStyle(style));
  return std::unique_ptr<FontRasterizer>(new FontRasterizer(std::make_unique<Face>(Face{font})));
}

FontRasterizer::FontRasterizer(std::unique_ptr<Face> face) : face_(std::move(face)) {}

FontRasterizer::~FontRasterizer() {
  TTF_CloseFont(face_->Font);
  TTF_Quit();
}

void FontRasterizer::Measure(const std::string& utf8, int* width, int* height) const {
  TTF_SizeUTF8(face_->Font, utf8.c_str(), width, height);
}

int FontRasterizer::LineHeight() const {
  return TTF_FontHeight(face_->Font);
}

PixelImage FontRasterizer::DrawLine(const std::string& utf8) const {
  if (utf8.empty()) return {};
  return RgbaPixels(TTF_RenderUTF8_Blended(face_->Font, utf8.c_str(), kWhite));
}

PixelImage FontRasterizer::DrawLines(const std::string& utf8) const {
  if (utf8.empty()) return {};
  return RgbaPixels(TTF_RenderUTF8_Blended_Wrapped(face_->Font, utf8.c_str(), kWhite, 0));
}
