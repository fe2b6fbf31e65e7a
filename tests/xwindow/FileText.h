#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "engine/graphics/FileBytes.h"

// A whole file's bytes as a string; empty when it cannot be read.
inline std::string FileText(const std::filesystem::path& path) {
  std::vector<uint8_t> bytes;
  ReadFileBytes(path.string(), bytes);
  return std::string(bytes.begin(), bytes.end());
}
