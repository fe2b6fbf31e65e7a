// Any bytes as a track's ghost file: either no ghost (with a reason), or a ghost of that
// track that encodes back to exactly the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "race/GhostLap.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const GhostDecodeResult result = DecodeGhostLap(bytes, 3);
  if (!result.Lap) {
    if (result.Problem.empty()) std::abort();
    return 0;
  }
  if (result.Lap->Track != 3 || result.Lap->Frames.empty()) std::abort();
  if (EncodeGhostLap(*result.Lap) != bytes) std::abort();
  return 0;
}
