#pragma once
#include <cstdint>
#include <string>

// Seconds since the epoch as UTC, in a strftime format (at most 63 characters of result).
std::string UtcText(int64_t seconds, const char* format);
