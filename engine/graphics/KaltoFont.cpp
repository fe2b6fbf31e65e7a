#include "engine/graphics/KaltoFont.h"

#include <algorithm>
#include <iostream>

#include "engine/graphics/FontFaces.h"
#include "platform/Cp1251.h"
#include "platform/FontRasterizer.h"

static_assert(int{fsBold} == FontRasterizer::kBold && int{fsItalic} == FontRasterizer::kItalic &&
                  int{fsUnderline} == FontRasterizer::kUnderline &&
                  int{fsStrikeOut} == FontRasterizer::kStrikeOut,
              "the font's style bits are the rasteriser's");

namespace {

constexpr int kDotsPerInch = 96;
// Texts that change every frame (a running clock) would otherwise pile up: the recent
// texts move to the older generation when this many are new, and the texts of the older
// generation not drawn again by then go. A screen draws far fewer distinct texts with one
// font than this, so its steady texts are never made twice.
constexpr size_t kTextsPerGeneration = 64;

// Line breaks as the game writes them (CR LF) become the rasteriser's (LF).
std::string RenderableUtf8(const std::string& cp1251) {
  std::string utf8 = Cp1251ToUtf8(cp1251);
  utf8.erase(std::remove(utf8.begin(), utf8.end(), '\r'), utf8.end());
  return utf8;
}

}  // namespace

TKaltoFont::TKaltoFont() = default;

TKaltoFont::~TKaltoFont() {
  SetKaltoScreen(nullptr);
  ReleaseFontObject();
}

void TKaltoFont::SetKaltoScreen(TKaltoScreen* screen) {
  if (screen == screen_) return;
  if (screen_) screen_->UnregisterResourceOwner(this);
  cache_.clear();  // textures belong to the old screen's device
  olderCache_.clear();
  screen_ = screen;
  if (screen_) screen_->RegisterResourceOwner(this);
}

bool TKaltoFont::SetFont(const std::string& face, int32_t size, uint8_t style) {
  face_ = face;
  size_ = size;
  style_ = style;
  Red = Green = Blue = Alpha = 255;
  ReleaseFontObject();
  CreateFontObject();
  return true;
}

void TKaltoFont::SetColor(uint32_t argb) {
  Alpha = uint8_t(argb >> 24);
  Red = uint8_t(argb >> 16);
  Green = uint8_t(argb >> 8);
  Blue = uint8_t(argb);
}

void TKaltoFont::CreateFontObject() {
  ReleaseFontObject();
  if (face_.empty() || size_ <= 0) return;
  file_ = FontFileForFace(face_);
  std::string error;
  font_ = FontRasterizer::Open(file_, size_, kDotsPerInch, style_, &error);
  if (!font_) std::cerr << "font \"" << face_ << "\" (" << file_ << "): " << error << "\n";
}

void TKaltoFont::ReleaseFontObject() {
  cache_.clear();
  olderCache_.clear();
  font_.reset();
}

const TKaltoFont::RenderedText* TKaltoFont::Rendered(const std::string& text) {
  auto it = cache_.find(text);
  if (it != cache_.end()) return &it->second;
  auto older = olderCache_.find(text);
  if (older != olderCache_.end()) {
    auto moved = cache_.insert(olderCache_.extract(older)).position;
    return &moved->second;
  }
  if (cache_.size() >= kTextsPerGeneration) {
    olderCache_ = std::move(cache_);
    cache_.clear();
  }

  RenderedText rendered;
  const PixelImage drawn = font_->DrawLines(RenderableUtf8(text));
  if (!drawn.Rgba.empty()) {
    rendered.Texture =
        screen_->Device()->CreateTexture(drawn.Width, drawn.Height, drawn.Rgba.data());
    rendered.Width = drawn.Width;
    rendered.Height = drawn.Height;
  }
  return &cache_.emplace(text, std::move(rendered)).first->second;
}

void TKaltoFont::TextOut(int32_t x, int32_t y, const std::string& text) {
  TextOutRGBA(x, y, text, Red, Green, Blue, Alpha);
}

void TKaltoFont::TextOutRGBA(int32_t x, int32_t y, const std::string& text, uint8_t red,
                             uint8_t green, uint8_t blue, uint8_t alpha) {
  if (!font_ || !screen_ || !screen_->Device()) return;
  const RenderedText* rendered = Rendered(text);
  if (!rendered->Texture) return;
  RenderDevice& device = *screen_->Device();
  const uint32_t colour =
      (uint32_t(alpha) << 24) | (uint32_t(red) << 16) | (uint32_t(green) << 8) | blue;
  // Corners given the device's way: a quad from (x - 0.5, y - 0.5) covers pixels from x, y.
  const float left = float(x) - 0.5f;
  const float top = float(y) - 0.5f;
  const float right = left + float(rendered->Width);
  const float bottom = top + float(rendered->Height);
  const QuadVertex quad[4] = {{left, top, 0, 1, colour, 0, 0},
                              {right, top, 0, 1, colour, 1, 0},
                              {right, bottom, 0, 1, colour, 1, 1},
                              {left, bottom, 0, 1, colour, 0, 1}};
  const BlendFactor source = device.SourceBlend();
  const BlendFactor destination = device.DestinationBlend();
  device.SetBlend(BlendFactor::SrcAlpha, BlendFactor::InvSrcAlpha);
  device.SetTexture(rendered->Texture.get());
  device.DrawQuad(quad);
  device.SetBlend(source, destination);
}

int32_t TKaltoFont::TextWidth(const std::string& text) {
  int width = 0;
  if (font_) font_->Measure(RenderableUtf8(text), &width, nullptr);
  return width;
}

int32_t TKaltoFont::TextHeight(const std::string& text) {
  int height = 0;
  if (font_) font_->Measure(RenderableUtf8(text), nullptr, &height);
  return height;
}
