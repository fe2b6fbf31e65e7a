#include "platform/Cp1251.h"

#include <SDL.h>

namespace {

// SDL_iconv works on whole buffers; an unconvertible character makes it stop, so the text
// is converted one UTF-8 sequence (or one byte) at a time and what fails is dropped.
std::string ConvertEachCharacter(std::string_view text, const char* to, const char* from,
                                 bool fromUtf8) {
  std::string out;
  SDL_iconv_t cd = SDL_iconv_open(to, from);
  if (cd == reinterpret_cast<SDL_iconv_t>(-1)) return out;
  size_t i = 0;
  while (i < text.size()) {
    size_t length = 1;
    if (fromUtf8) {
      const auto lead = static_cast<unsigned char>(text[i]);
      length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
      if (i + length > text.size()) length = text.size() - i;
    }
    const char* in = text.data() + i;
    size_t inLeft = length;
    char buffer[8];
    char* outPtr = buffer;
    size_t outLeft = sizeof buffer;
    SDL_iconv(cd, nullptr, nullptr, nullptr, nullptr);  // reset shift state
    const size_t result = SDL_iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    if (result != SDL_ICONV_ERROR && result != SDL_ICONV_E2BIG && result != SDL_ICONV_EILSEQ &&
        result != SDL_ICONV_EINVAL && inLeft == 0) {
      out.append(buffer, static_cast<size_t>(outPtr - buffer));
    }
    i += length;
  }
  SDL_iconv_close(cd);
  return out;
}

}  // namespace

std::string Utf8ToCp1251(std::string_view utf8) {
  return ConvertEachCharacter(utf8, "WINDOWS-1251", "UTF-8", true);
}

std::string Cp1251ToUtf8(std::string_view cp1251) {
  return ConvertEachCharacter(cp1251, "UTF-8", "WINDOWS-1251", false);
}
