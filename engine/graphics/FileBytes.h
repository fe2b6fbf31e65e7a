#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The whole file. False when it cannot be opened or read completely; the system's error
// number then goes to `error` when given.
bool ReadFileBytes(const std::string& path, std::vector<uint8_t>& bytes, int* error = nullptr);
