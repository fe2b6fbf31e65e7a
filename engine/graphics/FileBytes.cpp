#include "engine/graphics/FileBytes.h"

#include <cerrno>
#include <cstdio>
#include <memory>

bool ReadFileBytes(const std::string& path, std::vector<uint8_t>& bytes, int* error) {
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
  if (!file) {
    if (error) *error = errno;
    return false;
  }
  std::vector<uint8_t> read;
  uint8_t buffer[65536];
  size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
    read.insert(read.end(), buffer, buffer + n);
  }
  if (std::ferror(file.get())) {
    if (error) *error = errno;
    return false;
  }
  bytes = std::move(read);
  return true;
}
