// Any bytes as "Config.cfg": reading never fails, and what was read saves and reads back
// to the same file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "shell/SettingsFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  GameState read;
  ApplyConfigFileText(std::string(reinterpret_cast<const char*>(data), size), read);

  const std::string saved = ConfigFileText(read);
  GameState reread;
  ApplyConfigFileText(saved, reread);
  if (ConfigFileText(reread) != saved) std::abort();
  return 0;
}
