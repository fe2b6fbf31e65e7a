#include "tools/score-server/RequestCompleteness.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>

namespace {

// The Content-Length named among the header lines before headEnd; 0 when none is. A value
// that is not a number, or too large to read, counts as too large.
size_t BodyLength(const std::string& received, size_t headEnd, size_t tooLarge) {
  const std::string name = "\r\ncontent-length:";
  for (size_t at = received.find("\r\n"); at < headEnd; at = received.find("\r\n", at + 2)) {
    const bool matches =
        received.size() - at >= name.size() &&
        std::equal(name.begin(), name.end(), received.begin() + static_cast<std::ptrdiff_t>(at),
                   [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
    if (!matches) continue;
    const char* digits = received.c_str() + at + name.size();
    while (*digits == ' ' || *digits == '\t') ++digits;
    if (!std::isdigit(static_cast<unsigned char>(*digits))) return tooLarge;
    errno = 0;
    const unsigned long long length = std::strtoull(digits, nullptr, 10);
    return errno != 0 || length >= tooLarge ? tooLarge : static_cast<size_t>(length);
  }
  return 0;
}

}  // namespace

RequestState RequestStateOf(const std::string& received, size_t maxBytes) {
  const size_t headEnd = received.find("\r\n\r\n");
  if (headEnd == std::string::npos) {
    return received.size() > maxBytes ? RequestState::TooLarge : RequestState::Partial;
  }
  const size_t bodyLength = BodyLength(received, headEnd, maxBytes + 1);
  if (bodyLength > maxBytes || headEnd + 4 + bodyLength > maxBytes) return RequestState::TooLarge;
  return received.size() >= headEnd + 4 + bodyLength ? RequestState::Whole : RequestState::Partial;
}
