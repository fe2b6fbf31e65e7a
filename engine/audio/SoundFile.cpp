#include "engine/audio/SoundFile.h"

#include <fstream>
#include <iostream>
#include <iterator>

#include "platform/GamePaths.h"

std::optional<std::vector<uint8_t>> ReadSoundFile(const std::string& fileName) {
  std::ifstream in(DataPath(fileName), std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

void ReportSoundLoadError(const std::string& fileName) {
  std::cerr << "Error loading sound: " << fileName << std::endl;
}
