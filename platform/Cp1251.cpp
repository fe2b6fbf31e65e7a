#include "platform/Cp1251.h"

#include <SDL.h>

namespace {

// Bytes of the UTF-8 sequence starting at `at`: its lead byte and the continuation bytes
// that follow, at most as many as the lead announces. A broken sequence is thus passed to
// the converter (and dropped) without swallowing the next character.
size_t Utf8SequenceLength(std::string_view text, size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  const size_t wanted = lead >= 0xC0 && lead < 0xE0   ? 2
                        : lead >= 0xE0 && lead < 0xF0 ? 3
                        : lead >= 0xF0 && lead < 0xF8 ? 4
                                                      : 1;
  size_t length = 1;
  while (length < wanted && at + length < text.size() &&
         (static_cast<unsigned char>(text[at + length]) & 0xC0) == 0x80) {
    ++length;
  }
  return length;
}

// What becomes of a character the other encoding has no code for.
enum class Unconvertible { Drop, MarkWithZero, RefuseText };

// SDL_iconv works on whole buffers; an unconvertible character makes it stop, so the text
// is converted one UTF-8 sequence (or one byte) at a time and what fails is dealt with as
// asked.
std::optional<std::string> ConvertEachCharacter(std::string_view text, const char* to,
                                                const char* from, bool fromUtf8,
                                                Unconvertible unknown) {
  std::string out;
  SDL_iconv_t cd = SDL_iconv_open(to, from);
  if (cd == reinterpret_cast<SDL_iconv_t>(-1)) return std::nullopt;
  size_t i = 0;
  while (i < text.size()) {
    size_t length = 1;
    if (fromUtf8) length = Utf8SequenceLength(text, i);
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
    } else if (unknown == Unconvertible::MarkWithZero) {
      out.push_back('\0');
    } else if (unknown == Unconvertible::RefuseText) {
      SDL_iconv_close(cd);
      return std::nullopt;
    }
    i += length;
  }
  SDL_iconv_close(cd);
  return out;
}

}  // namespace

std::string Utf8ToCp1251(std::string_view utf8) {
  return ConvertEachCharacter(utf8, "WINDOWS-1251", "UTF-8", true, Unconvertible::Drop)
      .value_or(std::string());
}

std::string Utf8ToCp1251Marked(std::string_view utf8) {
  return ConvertEachCharacter(utf8, "WINDOWS-1251", "UTF-8", true, Unconvertible::MarkWithZero)
      .value_or(std::string());
}

std::string Cp1251ToUtf8(std::string_view cp1251) {
  return ConvertEachCharacter(cp1251, "UTF-8", "WINDOWS-1251", false, Unconvertible::Drop)
      .value_or(std::string());
}

std::optional<std::string> Cp1251ToUtf8Exact(std::string_view cp1251) {
  return ConvertEachCharacter(cp1251, "UTF-8", "WINDOWS-1251", false, Unconvertible::RefuseText);
}
