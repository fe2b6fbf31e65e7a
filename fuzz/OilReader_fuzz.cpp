// Any bytes given to the image-list reader: no crash, no read past the end, and whatever it
// reads completely the writer writes back to the same items.
#include <cstdlib>

#include "engine/graphics/OilFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const OilReadResult read = ReadOil(data, size);
  if (read.Ok) {
    const std::vector<uint8_t> rewritten = WriteOil(read.Items);
    const OilReadResult again = ReadOil(rewritten.data(), rewritten.size());
    if (!again.Ok || !(again.Items == read.Items)) std::abort();
  }
  return 0;
}
