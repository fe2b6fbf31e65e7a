#include "tools/score-server/UtcText.h"

#include <ctime>

std::string UtcText(int64_t seconds, const char* format) {
  const std::time_t time = static_cast<std::time_t>(seconds);
  std::tm utc{};
  gmtime_r(&time, &utc);
  char text[64];
  return std::string(text, std::strftime(text, sizeof(text), format, &utc));
}
