#include "platform/Cp1251.h"

#include "base/Windows1251.h"

namespace {

// Each UTF-8 sequence becomes its Windows-1251 byte; one the code page lacks, or a malformed
// one, is dropped, or becomes a 0 byte when marked.
std::string FromUtf8(std::string_view utf8, bool markUnknown) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    const cp1251::Utf8Sequence sequence = cp1251::DecodeUtf8(utf8.data(), utf8.size(), i);
    const int byte = cp1251::ByteOf(sequence.Character);
    if (byte >= 0) {
      out.push_back(static_cast<char>(byte));
    } else if (markUnknown) {
      out.push_back('\0');
    }
    i += sequence.Length;
  }
  return out;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

}  // namespace

std::string Utf8ToCp1251(std::string_view utf8) {
  return FromUtf8(utf8, false);
}

std::string Utf8ToCp1251Marked(std::string_view utf8) {
  return FromUtf8(utf8, true);
}

namespace {

// Each byte becomes its character in UTF-8; the unassigned byte is dropped, or refuses the
// whole text when it must arrive whole.
std::optional<std::string> ToUtf8(std::string_view cp1251, bool refuseUnassigned) {
  std::string out;
  out.reserve(cp1251.size() * 2);
  for (char byte : cp1251) {
    const char32_t c = cp1251::CharacterOf(static_cast<unsigned char>(byte));
    if (c != cp1251::kNoCharacter) {
      AppendUtf8(out, c);
    } else if (refuseUnassigned) {
      return std::nullopt;
    }
  }
  return out;
}

}  // namespace

std::string Cp1251ToUtf8(std::string_view cp1251) {
  return *ToUtf8(cp1251, false);
}

std::optional<std::string> Cp1251ToUtf8Exact(std::string_view cp1251) {
  return ToUtf8(cp1251, true);
}
