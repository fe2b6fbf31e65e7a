// Any text given to the track compiler either compiles into records the checker can read
// or is refused with a TrackSourceError; nothing else escapes and nothing crashes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "tools/trackc/lib/TrackCheck.h"
#include "tools/trackc/lib/TrackCompiler.h"
#include "tools/trackc/lib/TrackSource.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  try {
    const std::vector<TrackRecord> records = CompileTrack(ParseTrackSource(text));
    CheckTrack(records, {7, std::nullopt});
  } catch (const TrackSourceError&) {
  }
  return 0;
}
