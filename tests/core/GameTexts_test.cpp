// The code page and the game's text table: the mapping agrees with the system's converter for
// every byte, the compile-time conversion gives the known bytes of characteristic texts, every
// text of the table reads back as its UTF-8 source, and a text that cannot be Windows-1251
// is refused loudly.
#include "core/GameTexts.h"

#include <gtest/gtest.h>
#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <string>

#include "base/Windows1251.h"

namespace {

// The system's conversion of Windows-1251 bytes to UTF-8, an oracle independent of our table
// (iconv; on Windows the system's own code page); none when it refuses.
#ifdef _WIN32
std::optional<std::string> SystemUtf8Of1251(const std::string& text) {
  if (text.empty()) return text;
  const int size = static_cast<int>(text.size());
  const int wide = MultiByteToWideChar(1251, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
  if (wide == 0) return std::nullopt;
  std::wstring utf16(static_cast<size_t>(wide), L'\0');
  MultiByteToWideChar(1251, MB_ERR_INVALID_CHARS, text.data(), size, utf16.data(), wide);
  // Windows passes the code page's one unassigned byte (0x98) through as a C1 control,
  // which no assigned byte stands for.
  if (std::any_of(utf16.begin(), utf16.end(), [](wchar_t c) { return c >= 0x80 && c <= 0x9F; })) {
    return std::nullopt;
  }
  std::string out(static_cast<size_t>(wide) * 3, '\0');
  out.resize(static_cast<size_t>(WideCharToMultiByte(
      CP_UTF8, 0, utf16.data(), wide, out.data(), static_cast<int>(out.size()), nullptr, nullptr)));
  return out;
}
#else
std::optional<std::string> SystemUtf8Of1251(const std::string& text) {
  iconv_t converter = iconv_open("UTF-8", "WINDOWS-1251");
  if (converter == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no iconv");
  std::string in = text;
  std::string out(text.size() * 4 + 4, '\0');
  char* inPtr = in.data();
  size_t inLeft = in.size();
  char* outPtr = out.data();
  size_t outLeft = out.size();
  const size_t result = iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(converter);
  if (result == static_cast<size_t>(-1)) return std::nullopt;
  out.resize(out.size() - outLeft);
  return out;
}
#endif

std::string Utf8Of(char32_t c) {
  std::string out;
  if (c < 0x80) {
    out += char(c);
  } else if (c < 0x800) {
    out += char(0xC0 | (c >> 6));
    out += char(0x80 | (c & 0x3F));
  } else {
    out += char(0xE0 | (c >> 12));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  }
  return out;
}

std::string BytesFrom(int first, int last) {
  std::string bytes;
  for (int b = first; b <= last; ++b) bytes += static_cast<char>(b);
  return bytes;
}

template <size_t N>
std::string Bytes(const cp1251::Literal<N>& literal) {
  return std::string(literal.Bytes, literal.Size);
}

TEST(Windows1251, EveryByteMeansWhatTheSystemConverterSays) {
  for (int b = 0; b < 256; ++b) {
    SCOPED_TRACE(b);
    const std::optional<std::string> system =
        SystemUtf8Of1251(std::string(1, static_cast<char>(b)));
    const char32_t ours = cp1251::CharacterOf(static_cast<unsigned char>(b));
    if (!system) {
      EXPECT_EQ(ours, cp1251::kNoCharacter);
      continue;
    }
    ASSERT_NE(ours, cp1251::kNoCharacter);
    EXPECT_EQ(Utf8Of(ours), *system);
    EXPECT_EQ(cp1251::ByteOf(ours), b);
  }
}

TEST(Windows1251, CompileTimeConversionGivesTheCodePageBytes) {
  static constexpr auto kUpper = cp1251::Convert("АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ");
  static constexpr auto kLower = cp1251::Convert("абвгдежзийклмнопрстуфхцчшщъыьэюя");
  static constexpr auto kSigns = cp1251::Convert("Ёё № «»—–…€ a-z 0:9 !?.,;()\"'");
  EXPECT_EQ(Bytes(kUpper), BytesFrom(0xC0, 0xDF));
  EXPECT_EQ(Bytes(kLower), BytesFrom(0xE0, 0xFF));
  EXPECT_EQ(Bytes(kSigns), "\xA8\xB8 \xB9 \xAB\xBB\x97\x96\x85\x88 a-z 0:9 !?.,;()\"'");
  static_assert(kUpper.Size == 32 && kUpper.Bytes[32] == '\0', "one byte a letter, then NUL");
}

TEST(GameTexts, EveryTextIsItsSourceInWindows1251) {
  for (int i = 0; i < static_cast<int>(GameText::Count); ++i) {
    const auto text = static_cast<GameText>(i);
    SCOPED_TRACE(SourceTextOf(text));
    EXPECT_EQ(SystemUtf8Of1251(TextOf(text)), std::string(SourceTextOf(text)));
  }
  // A few as the game has always drawn them, byte for byte.
  EXPECT_STREQ(TextOf(GameText::DifficultyEasy), "\xCB\xB8\xE3\xEA\xE0\xFF");
  EXPECT_STREQ(TextOf(GameText::Loading), "\xC7\xC0\xC3\xD0\xD3\xC7\xCA\xC0...");
  EXPECT_STREQ(TextOf(GameText::EscapeCancels), "Esc - \xEE\xF2\xEC\xE5\xED\xE0");
  EXPECT_STREQ(TextOf(GameText::HelpHeading), "\xCF\xCE\xCC\xCE\xD9\xDC");
}

TEST(Windows1251, TextThatCannotBeWindows1251IsRefused) {
  struct Case {
    const char* Why;
    std::string Utf8;
  };
  const Case cases[] = {
      {"a character the code page lacks", "Стрелка →"},
      {"a Latin letter with a diaeresis", "Jäger"},
      {"an overlong encoding of 'A'", "\xC1\x81"},
      {"a truncated sequence", "\xD0"},
      {"a stray continuation byte", "\x80"},
      {"a surrogate", "\xED\xA0\x80"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Why);
    char out[32];
    EXPECT_THROW(cp1251::AppendConverted(c.Utf8.data(), c.Utf8.size(), out, 0),
                 std::invalid_argument);
  }
}

}  // namespace
