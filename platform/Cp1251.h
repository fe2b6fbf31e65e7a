#pragma once
#include <optional>
#include <string>
#include <string_view>

// The game keeps its texts as Windows-1251 bytes; these convert at the edges (typed text,
// window caption, message boxes, fonts).

// UTF-8 to Windows-1251; characters with no Windows-1251 code and malformed sequences are
// dropped.
std::string Utf8ToCp1251(std::string_view utf8);
// The same, but a character with no Windows-1251 code (or a malformed sequence) becomes a
// 0 byte, so whoever reads typed text can refuse it visibly instead of losing it silently.
std::string Utf8ToCp1251Marked(std::string_view utf8);

// Windows-1251 to UTF-8; the one unassigned byte (0x98) is dropped.
std::string Cp1251ToUtf8(std::string_view cp1251);
// The same for text that must arrive whole (what a client sent): nothing when it holds the
// unassigned byte.
std::optional<std::string> Cp1251ToUtf8Exact(std::string_view cp1251);
