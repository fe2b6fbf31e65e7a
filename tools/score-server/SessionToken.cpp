#include "tools/score-server/SessionToken.h"

#include <sys/random.h>

#include <array>
#include <cstdint>
#include <stdexcept>

std::string NewSessionToken() {
  std::array<uint8_t, kSessionTokenLength / 2> bytes{};
  size_t filled = 0;
  while (filled < bytes.size()) {
    const ssize_t got = getrandom(bytes.data() + filled, bytes.size() - filled, 0);
    if (got < 0) throw std::runtime_error("no random numbers from the operating system");
    filled += static_cast<size_t>(got);
  }
  static const char kHex[] = "0123456789abcdef";
  std::string token;
  for (uint8_t b : bytes) {
    token += kHex[b >> 4];
    token += kHex[b & 15];
  }
  return token;
}

bool IsSessionToken(const std::string& text) {
  if (text.size() != kSessionTokenLength) return false;
  for (char c : text) {
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
  }
  return true;
}
