#include <cstring>
#include <stdexcept>

#include "base/Windows1251.h"
#include "engine/graphics/OilFormat.h"
#include "engine/graphics/PlatformColor.h"

namespace {

// Wide strings are stored as UTF-16; the game's texts are Windows-1251. Characters the code
// page lacks and unpaired surrogates are dropped.
std::string Utf16LeToCp1251(const std::string& bytes) {
  std::string text;
  const auto append = [&text](char32_t character) {
    const int byte = cp1251::ByteOf(character);
    if (byte >= 0) text.push_back(static_cast<char>(byte));
  };
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    uint32_t unit = uint8_t(bytes[i]) | (uint32_t(uint8_t(bytes[i + 1])) << 8);
    if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < bytes.size()) {
      const uint32_t low = uint8_t(bytes[i + 2]) | (uint32_t(uint8_t(bytes[i + 3])) << 8);
      if (low >= 0xDC00 && low < 0xE000) {
        append(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
        i += 2;
        continue;
      }
    }
    if (unit >= 0xD800 && unit < 0xE000) continue;
    append(unit);
  }
  return text;
}

struct ParseError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// A bounds-checked cursor over the file bytes; every read past the end is a ParseError.
class ByteCursor {
 public:
  ByteCursor(const uint8_t* data, size_t size, size_t base = 0)
      : data_(data), size_(size), base_(base) {}

  size_t Offset() const { return base_ + pos_; }
  bool AtEnd() const { return pos_ == size_; }
  uint8_t Peek() const {
    Need(1);
    return data_[pos_];
  }
  uint8_t U8() {
    Need(1);
    return data_[pos_++];
  }
  int32_t Signed(size_t bytes) {
    Need(bytes);
    uint32_t v = 0;
    for (size_t i = 0; i < bytes; ++i) v |= uint32_t(data_[pos_ + i]) << (8 * i);
    pos_ += bytes;
    if (bytes == 1) return int8_t(v);
    if (bytes == 2) return int16_t(v);
    return int32_t(v);
  }
  uint32_t U32() { return uint32_t(Signed(4)); }
  std::string Bytes(size_t n) {
    Need(n);
    std::string s(reinterpret_cast<const char*>(data_ + pos_), n);
    pos_ += n;
    return s;
  }
  // A string with a one-byte length.
  std::string ShortString() { return Bytes(U8()); }
  std::vector<uint8_t> Rest() {
    std::vector<uint8_t> rest(data_ + pos_, data_ + size_);
    pos_ = size_;
    return rest;
  }
  void Skip(size_t n) {
    Need(n);
    pos_ += n;
  }
  // The next n bytes as a cursor of their own, so lengths inside them are checked
  // against them and not against the rest of the data.
  ByteCursor Sub(size_t n) {
    Need(n);
    ByteCursor sub(data_ + pos_, n, Offset());
    pos_ += n;
    return sub;
  }

 private:
  void Need(size_t n) const {
    if (n > size_ - pos_) {
      throw ParseError("unexpected end of data at offset " + std::to_string(Offset()));
    }
  }
  const uint8_t* data_;
  size_t size_;
  size_t base_;
  size_t pos_ = 0;
};

class ComponentStreamReader {
 public:
  ComponentStreamReader(ByteCursor& in, std::vector<OilItem>& items) : in_(in), items_(items) {}

  void ReadComponent() {
    if (in_.Bytes(4) != oil::kSignature) Fail("missing component signature");
    if ((in_.Peek() & 0xF0) == 0xF0) {
      const uint8_t flags = in_.U8() & 0x0F;
      if (flags & 0x02) ReadInteger();  // the child position; a list has no use for it
    }
    in_.ShortString();  // class name, not compared
    in_.ShortString();  // component name
    while (in_.Peek() != oil::vaNull) {
      const std::string property = in_.ShortString();
      if (property != "List") Fail("unknown property '" + property + "'");
      ReadCollection();
    }
    in_.U8();
    if (in_.U8() != oil::vaNull) Fail("unexpected child component");
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const {
    throw ParseError(what + " at offset " + std::to_string(in_.Offset()));
  }

  int32_t ReadInteger() {
    switch (in_.U8()) {
      case oil::vaInt8:
        return in_.Signed(1);
      case oil::vaInt16:
        return in_.Signed(2);
      case oil::vaInt32:
        return in_.Signed(4);
      default:
        Fail("integer expected");
    }
  }

  std::string ReadString() {
    switch (in_.U8()) {
      case oil::vaString:
        return in_.ShortString();
      case oil::vaLString:
        return in_.Bytes(in_.U32());
      case oil::vaWString: {
        const uint32_t chars = in_.U32();
        if (chars > UINT32_MAX / 2) Fail("wide string too long");
        return Utf16LeToCp1251(in_.Bytes(size_t(chars) * 2));
      }
      default:
        Fail("string expected");
    }
  }

  bool ReadBoolean() {
    switch (in_.U8()) {
      case oil::vaFalse:
        return false;
      case oil::vaTrue:
        return true;
      case oil::vaIdent: {
        const std::string ident = in_.ShortString();
        if (ident == "False") return false;
        if (ident == "True") return true;
        Fail("Boolean expected, got '" + ident + "'");
      }
      default:
        Fail("Boolean expected");
    }
  }

  uint32_t ReadColor() {
    if (in_.Peek() != oil::vaIdent) return uint32_t(ReadInteger());
    in_.U8();
    const std::string ident = in_.ShortString();
    uint32_t color = 0;
    if (!ColorFromIdentifier(ident, color)) Fail("unknown colour '" + ident + "'");
    return color;
  }

  OilPicture ReadPicture() {
    if (in_.U8() != oil::vaBinary) Fail("picture data expected");
    ByteCursor block = in_.Sub(in_.U32());
    const std::string graphicClass = block.ShortString();
    OilPicture picture;
    if (graphicClass.empty()) return picture;
    if (graphicClass == oil::kPngClass) {
      picture.Kind = OilPictureKind::Png;
      picture.FileBytes = block.Rest();
    } else if (graphicClass == oil::kBitmapClass) {
      ByteCursor bmp = block.Sub(block.U32());
      picture.Kind = OilPictureKind::Bitmap;
      picture.FileBytes = bmp.Rest();
    } else {
      Fail("unknown picture class '" + graphicClass + "'");
    }
    return picture;
  }

  void ReadCollection() {
    if (in_.U8() != oil::vaCollection) Fail("collection expected");
    while (in_.Peek() != oil::vaNull) {
      const uint8_t code = in_.Peek();
      if (code == oil::vaInt8 || code == oil::vaInt16 || code == oil::vaInt32) ReadInteger();
      if (in_.U8() != oil::vaList) Fail("collection item expected");
      items_.emplace_back();
      while (in_.Peek() != oil::vaNull) ReadItemProperty(items_.back());
      in_.U8();
    }
    in_.U8();
  }

  void ReadItemProperty(OilItem& item) {
    const std::string name = in_.ShortString();
    if (name == "Name") {
      item.Name = ReadString();
    } else if (name == "Picture.Data") {
      item.Picture = ReadPicture();
    } else if (name == "TileHeight") {
      item.TileHeight = ReadInteger();
    } else if (name == "TileWidth") {
      item.TileWidth = ReadInteger();
    } else if (name == "TransparentColor") {
      item.TransparentColor = ReadColor();
    } else if (name == "Transparent") {
      item.Transparent = ReadBoolean();
    } else if (name == "Filepath") {
      item.Filepath = ReadString();
    } else {
      Fail("unknown item property '" + name + "'");
    }
  }

  ByteCursor& in_;
  std::vector<OilItem>& items_;
};

}  // namespace

OilReadResult ReadOil(const uint8_t* data, size_t size) {
  OilReadResult result;
  ByteCursor in(data, size);
  try {
    if (in.U8() != 0xFF || in.Signed(2) != 10) throw ParseError("Invalid stream format");
    while (in.U8() != 0) {
    }
    in.Skip(2 + 4);  // flags and stream size, both ignored
    ComponentStreamReader(in, result.Items).ReadComponent();
  } catch (const ParseError& e) {
    result.Ok = false;
    result.Error = e.what();
  }
  return result;
}
