#pragma once
#ifdef _WIN32
#include <string>

// UTF-8, the game's text everywhere, to and from the UTF-16 of Windows' wide calls.
// Bytes that are not UTF-8 become U+FFFD.
std::wstring WideFromUtf8(const std::string& utf8);
std::string Utf8FromWide(const std::wstring& wide);
#endif
