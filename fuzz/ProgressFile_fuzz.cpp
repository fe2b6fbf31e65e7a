// Any bytes as "Configdat.cfg": either every value is taken and saves back to a file that
// reads the same, or the file counts as damaged and the defaults stay untouched.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "shell/SettingsFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const GameState defaults;
  const TrackSlotTimes defaultTimes{};
  GameState state;
  TrackSlotTimes times{};
  const std::string text(reinterpret_cast<const char*>(data), size);

  if (!ApplyProgressFileText(text, state, times)) {
    if (ProgressFileText(state, times) != ProgressFileText(defaults, defaultTimes)) std::abort();
    return 0;
  }
  const std::string saved = ProgressFileText(state, times);
  GameState reread;
  TrackSlotTimes rereadTimes{};
  if (!ApplyProgressFileText(saved, reread, rereadTimes)) std::abort();
  if (ProgressFileText(reread, rereadTimes) != saved) std::abort();
  return 0;
}
