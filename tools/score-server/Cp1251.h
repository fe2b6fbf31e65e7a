#pragma once
#include <optional>
#include <string>

// Windows-1251 bytes as UTF-8; nothing when the text holds a byte 1251 leaves undefined.
std::optional<std::string> Cp1251ToUtf8(const std::string& text);
