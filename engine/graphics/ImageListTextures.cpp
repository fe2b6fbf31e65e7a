// Turning image-list items into device textures.
#include <algorithm>
#include <filesystem>
#include <iostream>

#include "engine/graphics/KaltoImageList.h"
#include "engine/graphics/KaltoRenderer.h"
#include "engine/graphics/KaltoScreen.h"
#include "engine/graphics/PlatformColor.h"
#include "engine/graphics/StoredPicture.h"
#include "platform/FatalError.h"
#include "platform/GamePaths.h"

namespace {

std::string Trimmed(const std::string& s) {
  const char* kSpace = " \t\r\n";
  const size_t first = s.find_first_not_of(kSpace);
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(kSpace) - first + 1);
}

// An external picture's file: an absolute name stays; a relative one (either separator) is
// found under the data root, where the executable's data lives.
std::filesystem::path ExternalPicturePath(const std::string& filepath) {
  const std::filesystem::path asGiven(filepath);
  if (asGiven.is_absolute() || filepath.find(':') != std::string::npos) return asGiven;
  return DataPath(filepath);
}

// Level 0 of the texture: the picture at the top-left of a canvas of the texture's size,
// the rest transparent black; with a colour key, opaque pixels of the key colour
// become transparent black too.
PixelImage Level0Pixels(const PixelImage& picture, bool keyed, uint32_t keyArgb) {
  PixelImage level0;
  level0.Width = TextureSide(picture.Width);
  level0.Height = TextureSide(picture.Height);
  level0.Rgba.assign(static_cast<size_t>(level0.Width) * level0.Height * 4, 0);
  const uint8_t keyRed = uint8_t(keyArgb >> 16);
  const uint8_t keyGreen = uint8_t(keyArgb >> 8);
  const uint8_t keyBlue = uint8_t(keyArgb);
  for (int y = 0; y < picture.Height; ++y) {
    const uint8_t* from = &picture.Rgba[static_cast<size_t>(y) * picture.Width * 4];
    uint8_t* to = &level0.Rgba[static_cast<size_t>(y) * level0.Width * 4];
    for (int x = 0; x < picture.Width; ++x, from += 4, to += 4) {
      if (keyed && from[3] == 0xFF && from[0] == keyRed && from[1] == keyGreen &&
          from[2] == keyBlue) {
        continue;
      }
      to[0] = from[0];
      to[1] = from[1];
      to[2] = from[2];
      to[3] = from[3];
    }
  }
  return level0;
}

}  // namespace

bool TImageListItem::BuildTexture(TKaltoImageList& list) {
  const bool firstBuild = solid_.Empty();
  if (firstBuild) {
    const std::string filepath = Trimmed(Filepath);
    if (!filepath.empty()) {
      const std::filesystem::path path = ExternalPicturePath(filepath);
      std::error_code ec;
      if (std::filesystem::exists(path, ec)) {
        Picture = LoadPictureFile(path.string());
        external_ = true;
      }
    }
  }
  // Every build decodes the picture again: its pixels are kept only in the texture, which
  // does not survive a device reset. An item whose picture lived only in an external file
  // decodes the file's bytes as first read.
  const OilPicture& source = external_ && !firstBuild ? externalPicture_ : Picture;
  if (source.Empty()) return true;  // nothing to show: the item stays without texture
  PixelImage picture;
  std::string error;
  if (!DecodePicture(source, picture, &error)) {
    std::cerr << "image list item \"" << Name << "\": " << error << "\n";
    return false;
  }
  if (firstBuild) {
    if (tileHeight_ < 1) tileHeight_ = picture.Height;
    if (tileWidth_ < 1) tileWidth_ = picture.Width;
    pictureWidth_ = std::max(picture.Width, 1);
    pictureHeight_ = std::max(picture.Height, 1);
  }
  const PixelImage level0 =
      Level0Pixels(picture, Transparent, PlatformColorToArgb(TransparentColor));
  picture = PixelImage();
  list_ = &list;
  texture_.reset();
  texture_ =
      list.KaltoScreen()->Device()->CreateTexture(level0.Width, level0.Height, level0.Rgba.data());
  if (!texture_) return false;
  solid_ = TexelMask(level0);

  textureWidth_ = std::max(texture_->Width(), 2);
  textureHeight_ = std::max(texture_->Height(), 2);
  RecomputeTiles();
  if (external_ && firstBuild) {
    externalPicture_ = std::move(Picture);  // external pictures are not kept as stored ones
    Picture = OilPicture();
  }
  return true;
}

void TKaltoImageList::BuildTextures() {
  if (!screen_ || !screen_->Device()) return;
  renderer_->Bind(screen_);
  for (int i = 0; i < list_.Count(); ++i) {
    TImageListItem& item = *list_.Items(i);
    if (!item.BuildTexture(*this)) {
      ShowMessage(kTextureErrorCaption, kTextureErrorText + item.Name);
      ExitOnFatalError();
    }
  }
}

void TKaltoImageList::ReleaseTextures() {
  for (int i = 0; i < list_.Count(); ++i) list_.Items(i)->ReleaseDevice();
}
