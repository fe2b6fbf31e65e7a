#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The image-list file (.oil): a raw-data resource record wrapping a component stream whose
// one stored property is the collection of items. This header and its two .cpp files are
// the only code that knows the byte layout; the game, oiltool and the asset generator all
// go through ReadOil / WriteOil.

enum class OilPictureKind { None, Png, Bitmap };

// A stored picture: the whole file of one image (a PNG file, or a BMP file) as bytes.
struct OilPicture {
  OilPictureKind Kind = OilPictureKind::None;
  std::vector<uint8_t> FileBytes;

  bool Empty() const { return Kind == OilPictureKind::None || FileBytes.empty(); }
  // All empty pictures are alike: none of them is stored.
  bool operator==(const OilPicture& o) const {
    return (Empty() && o.Empty()) || (Kind == o.Kind && FileBytes == o.FileBytes);
  }
};

// One item as the file holds it. A property the file leaves out keeps the value given here
// (the value a freshly constructed item has). Texts are Windows-1251 bytes.
struct OilItem {
  std::string Name;
  OilPicture Picture;
  int32_t TileHeight = 1;
  int32_t TileWidth = 1;
  uint32_t TransparentColor = 0;  // platform colour: 24-bit (blue high, red low) or system colour
  bool Transparent = false;
  std::string Filepath;

  bool operator==(const OilItem& o) const {
    return Name == o.Name && Picture == o.Picture && TileHeight == o.TileHeight &&
           TileWidth == o.TileWidth && TransparentColor == o.TransparentColor &&
           Transparent == o.Transparent && Filepath == o.Filepath;
  }
};

struct OilReadResult {
  // Every item the stream started, with the properties read before any damage.
  std::vector<OilItem> Items;
  bool Ok = true;
  std::string Error;  // what was wrong and where (empty when Ok)
};

// Never throws and never reads outside [data, data + size), whatever the bytes.
OilReadResult ReadOil(const uint8_t* data, size_t size);

// A file ReadOil reads back to the same items.
std::vector<uint8_t> WriteOil(const std::vector<OilItem>& items);

// Value codes of the component stream.
namespace oil {
constexpr uint8_t vaNull = 0;
constexpr uint8_t vaList = 1;
constexpr uint8_t vaInt8 = 2;
constexpr uint8_t vaInt16 = 3;
constexpr uint8_t vaInt32 = 4;
constexpr uint8_t vaString = 6;
constexpr uint8_t vaIdent = 7;
constexpr uint8_t vaFalse = 8;
constexpr uint8_t vaTrue = 9;
constexpr uint8_t vaBinary = 10;
constexpr uint8_t vaLString = 12;
constexpr uint8_t vaCollection = 14;
constexpr uint8_t vaWString = 18;

constexpr char kSignature[] = "TPF0";
constexpr char kClassName[] = "TImageListCollectionComponent";
constexpr char kPngClass[] = "TPNGObject";
constexpr char kBitmapClass[] = "TBitmap";
}  // namespace oil
