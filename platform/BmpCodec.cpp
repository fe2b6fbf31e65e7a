#include "platform/BmpCodec.h"

#include <SDL.h>

#include <cstring>

bool DecodeBmp(const std::vector<uint8_t>& bytes, PixelImage& image, std::string* error) {
  SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
  SDL_Surface* loaded = rw ? SDL_LoadBMP_RW(rw, 1) : nullptr;
  SDL_Surface* rgba =
      loaded ? SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ABGR8888, 0) : nullptr;
  SDL_FreeSurface(loaded);
  if (!rgba) {
    if (error) *error = std::string("BMP: ") + SDL_GetError();
    return false;
  }
  image.Width = rgba->w;
  image.Height = rgba->h;
  image.Rgba.resize(static_cast<size_t>(rgba->w) * rgba->h * 4);
  for (int y = 0; y < rgba->h; ++y) {
    std::memcpy(&image.Rgba[static_cast<size_t>(y) * rgba->w * 4],
                static_cast<const uint8_t*>(rgba->pixels) + static_cast<size_t>(y) * rgba->pitch,
                static_cast<size_t>(rgba->w) * 4);
  }
  if (!SDL_ISPIXELFORMAT_ALPHA(rgba->format->format) || rgba->format->Amask == 0) {
    for (size_t i = 3; i < image.Rgba.size(); i += 4) image.Rgba[i] = 0xFF;
  }
  SDL_FreeSurface(rgba);
  return true;
}

bool SaveBmp(const PixelImage& image, const std::string& fileName) {
  // SDL reads the pixels only; the surface merely borrows them.
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
      const_cast<uint8_t*>(image.Rgba.data()), image.Width, image.Height, 32, image.Width * 4,
      SDL_PIXELFORMAT_ABGR8888);
  if (surface == nullptr) return false;
  const bool saved = SDL_SaveBMP(surface, fileName.c_str()) == 0;
  SDL_FreeSurface(surface);
  return saved;
}
