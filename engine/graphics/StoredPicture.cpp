#include "engine/graphics/StoredPicture.h"

#include <cstring>

#include "engine/graphics/FileBytes.h"
#include "engine/graphics/PngCodec.h"
#include "platform/BmpCodec.h"

namespace {

constexpr uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

uint32_t BigEndian32(const uint8_t* p) {
  return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
}

int32_t LittleEndian32(const uint8_t* p) {
  return int32_t(uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) |
                 (uint32_t(p[3]) << 24));
}

bool IsPng(const std::vector<uint8_t>& b) {
  return b.size() >= 8 && std::memcmp(b.data(), kPngSignature, 8) == 0;
}

bool IsBmp(const std::vector<uint8_t>& b) {
  return b.size() >= 2 && b[0] == 'B' && b[1] == 'M';
}

}  // namespace

bool PictureSize(const OilPicture& picture, int& width, int& height) {
  width = height = 0;
  const std::vector<uint8_t>& b = picture.FileBytes;
  if (IsPng(b) && b.size() >= 24) {
    width = static_cast<int>(BigEndian32(&b[16]) & 0x7FFFFFFF);
    height = static_cast<int>(BigEndian32(&b[20]) & 0x7FFFFFFF);
    return true;
  }
  if (IsBmp(b) && b.size() >= 26) {
    const int32_t headerSize = LittleEndian32(&b[14]);
    if (headerSize == 12) {  // the old core header: 16-bit sizes
      width = b[18] | (b[19] << 8);
      height = b[20] | (b[21] << 8);
    } else {
      const int32_t w = LittleEndian32(&b[18]);
      const int32_t h = LittleEndian32(&b[22]);
      if (w < 0 || h == INT32_MIN) return false;
      width = w;
      height = h < 0 ? -h : h;  // negative height: rows stored top-down
    }
    return true;
  }
  return false;
}

bool DecodePicture(const OilPicture& picture, PixelImage& image, std::string* error) {
  const std::vector<uint8_t>& b = picture.FileBytes;
  if (IsPng(b)) return DecodePng(b.data(), b.size(), image, error);
  if (IsBmp(b)) return DecodeBmp(b, image, error);
  if (error) *error = "neither a PNG nor a BMP file";
  return false;
}

OilPicture PictureFromFileBytes(std::vector<uint8_t> bytes) {
  OilPicture picture;
  if (IsPng(bytes)) {
    picture.Kind = OilPictureKind::Png;
  } else if (IsBmp(bytes)) {
    picture.Kind = OilPictureKind::Bitmap;
  } else {
    return picture;
  }
  picture.FileBytes = std::move(bytes);
  return picture;
}

OilPicture LoadPictureFile(const std::string& path) {
  std::vector<uint8_t> bytes;
  if (!ReadFileBytes(path, bytes)) return {};
  return PictureFromFileBytes(std::move(bytes));
}
