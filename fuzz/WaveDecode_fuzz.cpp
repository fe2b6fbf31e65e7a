// Any bytes handed to the wave decoder give a decoded wave or nothing, never a crash.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/AudioDevice.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> bytes(data, data + size);
  const auto wave = DecodeWave(bytes, 22050);
  if (wave && wave->Stereo.size() % 2 != 0) __builtin_trap();
  return 0;
}
