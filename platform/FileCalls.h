#pragma once
#include <filesystem>
#include <string>

// The system calls under SafeFile.h: FileCallsLinux.cpp and FileCallsWindows.cpp. Each
// returns 0, or the system's error code (errno on Linux, GetLastError on Windows).

// Every byte of the file into `contents`.
int ReadFileBytes(const std::filesystem::path& path, std::string& contents);

// Creates or truncates the file, writes every byte and flushes them to the disk.
int WriteFileFlushed(const std::filesystem::path& path, const std::string& contents);

// Puts `from` in place of `to` in one step (the old `to` is replaced) and makes that durable.
int ReplaceFileWith(const std::filesystem::path& from, const std::filesystem::path& to);

// Whether an error code says the file or its folder does not exist.
bool IsMissingError(int error);

// The system's reason for an error code, in words.
std::string SystemReason(int error);
