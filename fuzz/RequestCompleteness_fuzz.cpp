// Any bytes as the start of a request the server's reading thread has received: the check
// never crashes, never calls a request whole without its head's end, and a whole request
// stays whole as more bytes arrive after it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "tools/score-server/RequestCompleteness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string received(reinterpret_cast<const char*>(data), size);
  const RequestState state = RequestStateOf(received, 4096);
  if (state == RequestState::Whole && received.find("\r\n\r\n") == std::string::npos) std::abort();
  if (state == RequestState::Whole && size <= 4096 &&
      RequestStateOf(received + "GET / HTTP/1.1\r\n", 8192) != RequestState::Whole) {
    std::abort();
  }
  return 0;
}
