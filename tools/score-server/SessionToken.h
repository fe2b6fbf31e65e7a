#pragma once
#include <string>

// Session ids and report tokens: 128 random bits from the operating system, as 32
// lower-case hexadecimal characters, so they can never contain a report's separators.
constexpr size_t kSessionTokenLength = 32;

std::string NewSessionToken();
bool IsSessionToken(const std::string& text);
