#include "tools/score-server/Cp1251.h"

#include <iconv.h>

#include <stdexcept>
#include <vector>

std::optional<std::string> Cp1251ToUtf8(const std::string& text) {
  iconv_t converter = iconv_open("UTF-8", "CP1251");
  if (converter == reinterpret_cast<iconv_t>(-1)) {
    throw std::runtime_error("iconv cannot convert from CP1251");
  }
  // Every 1251 character takes at most 3 bytes in UTF-8.
  std::vector<char> out(text.size() * 3 + 1);
  std::string in = text;
  char* inPtr = in.data();
  size_t inLeft = in.size();
  char* outPtr = out.data();
  size_t outLeft = out.size();
  const size_t converted = iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(converter);
  if (converted == static_cast<size_t>(-1)) return std::nullopt;
  return std::string(out.data(), out.size() - outLeft);
}
