// Any Accept-Language header: choosing the world page's language never crashes, and a
// header naming only Russian, or nothing, always gets Russian.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "tools/score-server/HighScorePage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string header(reinterpret_cast<const char*>(data), size);
  PageLanguageFor(header);
  if (header.find("en") == std::string::npos && header.find("EN") == std::string::npos &&
      header.find("En") == std::string::npos && header.find("eN") == std::string::npos &&
      PageLanguageFor(header) != PageLanguage::Russian) {
    std::abort();
  }
  return 0;
}
