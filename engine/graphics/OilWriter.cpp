#include <cstring>

#include "engine/graphics/OilFormat.h"

namespace {

class ByteWriter {
 public:
  std::vector<uint8_t>& Bytes() { return out_; }

  void U8(uint8_t v) { out_.push_back(v); }
  void Le(uint32_t v, size_t bytes) {
    for (size_t i = 0; i < bytes; ++i) out_.push_back(uint8_t(v >> (8 * i)));
  }
  void Raw(const void* data, size_t n) {
    const auto* p = static_cast<const uint8_t*>(data);
    out_.insert(out_.end(), p, p + n);
  }
  void ShortString(const std::string& s) {
    U8(uint8_t(s.size()));
    Raw(s.data(), s.size());
  }

  // Values, each with its type code.
  void Integer(int32_t v) {
    if (v >= -128 && v <= 127) {
      U8(oil::vaInt8);
      Le(uint32_t(v), 1);
    } else if (v >= -32768 && v <= 32767) {
      U8(oil::vaInt16);
      Le(uint32_t(v), 2);
    } else {
      U8(oil::vaInt32);
      Le(uint32_t(v), 4);
    }
  }
  void String(const std::string& s) {
    if (s.size() <= 255) {
      U8(oil::vaString);
      ShortString(s);
    } else {
      U8(oil::vaLString);
      Le(uint32_t(s.size()), 4);
      Raw(s.data(), s.size());
    }
  }
  void Boolean(bool v) { U8(v ? oil::vaTrue : oil::vaFalse); }

 private:
  std::vector<uint8_t> out_;
};

std::vector<uint8_t> PictureBlock(const OilPicture& picture) {
  ByteWriter block;
  if (picture.Kind == OilPictureKind::Png) {
    block.ShortString(oil::kPngClass);
    block.Raw(picture.FileBytes.data(), picture.FileBytes.size());
  } else {
    block.ShortString(oil::kBitmapClass);
    block.Le(uint32_t(picture.FileBytes.size()), 4);
    block.Raw(picture.FileBytes.data(), picture.FileBytes.size());
  }
  return std::move(block.Bytes());
}

void WriteItem(ByteWriter& out, const OilItem& item) {
  out.U8(oil::vaList);
  // Same order as the properties are published; values equal to a fresh item's are still
  // written where that keeps the file self-describing, and left out otherwise.
  out.ShortString("Name");
  out.String(item.Name);
  if (!item.Picture.Empty()) {
    const std::vector<uint8_t> block = PictureBlock(item.Picture);
    out.ShortString("Picture.Data");
    out.U8(oil::vaBinary);
    out.Le(uint32_t(block.size()), 4);
    out.Raw(block.data(), block.size());
  }
  out.ShortString("TileHeight");
  out.Integer(item.TileHeight);
  out.ShortString("TileWidth");
  out.Integer(item.TileWidth);
  out.ShortString("TransparentColor");
  out.Integer(int32_t(item.TransparentColor));
  if (item.Transparent) {
    out.ShortString("Transparent");
    out.Boolean(true);
  }
  if (!item.Filepath.empty()) {
    out.ShortString("Filepath");
    out.String(item.Filepath);
  }
  out.U8(oil::vaNull);
}

}  // namespace

std::vector<uint8_t> WriteOil(const std::vector<OilItem>& items) {
  ByteWriter stream;
  stream.Raw(oil::kSignature, 4);
  stream.ShortString(oil::kClassName);
  stream.ShortString("");
  stream.ShortString("List");
  stream.U8(oil::vaCollection);
  for (const OilItem& item : items) WriteItem(stream, item);
  stream.U8(oil::vaNull);  // end of the collection
  stream.U8(oil::vaNull);  // end of the properties
  stream.U8(oil::vaNull);  // end of the (empty) child list

  ByteWriter file;
  file.U8(0xFF);
  file.Le(10, 2);  // raw-data resource
  std::string resourceName = oil::kClassName;
  for (char& c : resourceName) c = char(toupper(static_cast<unsigned char>(c)));
  file.Raw(resourceName.c_str(), resourceName.size() + 1);
  file.Le(0x1030, 2);  // flags: movable, pure
  file.Le(uint32_t(stream.Bytes().size()), 4);
  file.Raw(stream.Bytes().data(), stream.Bytes().size());
  return std::move(file.Bytes());
}
