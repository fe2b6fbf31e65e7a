// Any bytes as the exit page's file text: reading never crashes, and a page that is read
// writes out as a text that reads back to the same page.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "online/ExitPageFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const ExitPageReadResult read =
      ReadExitPage(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!read.Page) {
    if (read.Problem.empty()) std::abort();
    return 0;
  }
  const std::string written = ExitPageFileText(*read.Page);
  const ExitPageReadResult again = ReadExitPage(written);
  if (!again.Page || ExitPageFileText(*again.Page) != written) std::abort();
  return 0;
}
