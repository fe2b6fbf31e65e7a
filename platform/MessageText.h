#pragma once
#include <cstddef>
#include <string>

// A message box of at most this many lines of at most this many characters fits an
// 800 x 600 screen with room to spare.
constexpr std::size_t kMessageColumns = 60;
constexpr std::size_t kMessageLines = 15;

// The text (Windows-1251 bytes, one byte a character) broken into lines that fit: its own
// line breaks stay, a longer line wraps at spaces, and a word longer than a line (a path)
// breaks after a "/" where it can. Past kMessageLines, the last line says how many more
// there were.
std::string FitMessageText(const std::string& text);
