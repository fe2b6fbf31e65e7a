#pragma once
#include <cstddef>
#include <cstdint>

// The Windows-1251 code page, the one mapping of the game: which Unicode character each byte
// stands for, strict UTF-8 decoding, and a conversion of UTF-8 literals that runs at compile
// time. The game keeps its texts as Windows-1251 bytes; its sources write them in UTF-8.

namespace cp1251 {

// What a byte or a UTF-8 sequence stands for when it stands for no character.
inline constexpr char32_t kNoCharacter = 0xFFFFFFFF;

// The Unicode characters of the bytes 0x80..0xFF; the code page leaves 0x98 unassigned.
// clang-format off
inline constexpr char32_t kHighHalf[128] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    kNoCharacter, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,  // C0
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,  // C8
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,  // D0
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,  // D8
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,  // E0
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,  // E8
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,  // F0
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,  // F8
};
// clang-format on

// The character a byte stands for; kNoCharacter for 0x98.
constexpr char32_t CharacterOf(unsigned char byte) {
  return byte < 0x80 ? char32_t{byte} : kHighHalf[byte - 0x80];
}

// The byte of a character; -1 when the code page lacks it, and for kNoCharacter.
constexpr int ByteOf(char32_t character) {
  if (character < 0x80) return static_cast<int>(character);
  for (int i = 0; i < 128; ++i) {
    if (kHighHalf[i] == character && character != kNoCharacter) return 0x80 + i;
  }
  return -1;
}

// One UTF-8 sequence: the character it encodes (kNoCharacter when malformed) and its length.
struct Utf8Sequence {
  char32_t Character;
  size_t Length;
};

// The sequence starting at `at`: its lead byte and the continuation bytes that follow, at
// most as many as the lead announces, so a broken sequence never swallows the next
// character. Truncated, overlong and surrogate sequences and a stray continuation byte
// are malformed.
constexpr Utf8Sequence DecodeUtf8(const char* text, size_t size, size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  if (lead < 0x80) return {lead, 1};
  const size_t wanted = lead >= 0xC0 && lead < 0xE0   ? 2
                        : lead >= 0xE0 && lead < 0xF0 ? 3
                        : lead >= 0xF0 && lead < 0xF8 ? 4
                                                      : 1;
  if (wanted == 1) return {kNoCharacter, 1};
  char32_t character = lead & (0x7F >> wanted);
  size_t length = 1;
  while (length < wanted && at + length < size &&
         (static_cast<unsigned char>(text[at + length]) & 0xC0) == 0x80) {
    character = (character << 6) | (static_cast<unsigned char>(text[at + length]) & 0x3F);
    ++length;
  }
  constexpr char32_t kSmallest[5] = {0, 0, 0x80, 0x800, 0x10000};
  const bool malformed = length < wanted || character < kSmallest[wanted] ||
                         (character >= 0xD800 && character <= 0xDFFF) || character > 0x10FFFF;
  return {malformed ? kNoCharacter : character, length};
}

// Reached only when a text written in the sources cannot become Windows-1251: being no
// constant expression, it stops the compilation of a compile-time conversion right here.
[[noreturn]] void TextIsNotWindows1251();

// Writes the Windows-1251 bytes of a whole UTF-8 text at out[at...] and returns the new
// end. Made for texts the sources write: a character the code page lacks or malformed
// UTF-8 is an error (at compile time, the build fails).
constexpr size_t AppendConverted(const char* utf8, size_t size, char* out, size_t at) {
  for (size_t i = 0; i < size;) {
    const Utf8Sequence sequence = DecodeUtf8(utf8, size, i);
    const int byte = ByteOf(sequence.Character);
    if (byte < 0) TextIsNotWindows1251();
    out[at++] = static_cast<char>(byte);
    i += sequence.Length;
  }
  return at;
}

// A UTF-8 string literal as Windows-1251 bytes, NUL-terminated; never longer than the
// literal, so the literal's size bounds it.
template <size_t N>
struct Literal {
  char Bytes[N] = {};
  size_t Size = 0;
  constexpr const char* c_str() const { return Bytes; }
};

template <size_t N>
constexpr Literal<N> Convert(const char (&utf8)[N]) {
  Literal<N> literal;
  literal.Size = AppendConverted(utf8, N - 1, literal.Bytes, 0);
  return literal;
}

}  // namespace cp1251
