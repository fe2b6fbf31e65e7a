// The Windows side of FileCalls.h; FileCallsLinux.cpp is the Linux one.
#ifdef _WIN32
#include <windows.h>

#include <algorithm>

#include "platform/FileCalls.h"
#include "platform/WideText.h"

namespace fs = std::filesystem;

namespace {

// Closes the handle when it goes out of scope.
class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  HANDLE get() const { return handle_; }
  // Closes now, so an error of the close itself can be reported.
  bool Close() {
    const bool closed = CloseHandle(handle_) != 0;
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE handle_;
};

}  // namespace

int ReadFileBytes(const fs::path& path, std::string& contents) {
  FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.get() == INVALID_HANDLE_VALUE) return static_cast<int>(GetLastError());
  char buffer[4096];
  for (;;) {
    DWORD n = 0;
    if (!ReadFile(file.get(), buffer, sizeof buffer, &n, nullptr)) {
      return static_cast<int>(GetLastError());
    }
    if (n == 0) return 0;
    contents.append(buffer, n);
  }
}

int WriteFileFlushed(const fs::path& path, const std::string& contents) {
  FileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.get() == INVALID_HANDLE_VALUE) return static_cast<int>(GetLastError());
  std::size_t done = 0;
  while (done < contents.size()) {
    DWORD n = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(contents.size() - done, 1 << 20));
    if (!WriteFile(file.get(), contents.data() + done, chunk, &n, nullptr)) {
      return static_cast<int>(GetLastError());
    }
    // A write that reports success but moves nothing would loop forever.
    if (n == 0) return ERROR_WRITE_FAULT;
    done += n;
  }
  if (!FlushFileBuffers(file.get())) return static_cast<int>(GetLastError());
  if (!file.Close()) return static_cast<int>(GetLastError());
  return 0;
}

int ReplaceFileWith(const fs::path& from, const fs::path& to) {
  // One step that replaces an existing target, returning only once it is on the disk.
  if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return static_cast<int>(GetLastError());
  }
  return 0;
}

bool IsMissingError(int error) {
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

std::string SystemReason(int error) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(error), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring reason =
      length ? std::wstring(text, length) : L"system error " + std::to_wstring(error);
  LocalFree(text);
  // The system's text ends in a full stop and a line break; the game adds its own.
  while (!reason.empty() &&
         (reason.back() == L'\n' || reason.back() == L'\r' || reason.back() == L'.')) {
    reason.pop_back();
  }
  return Utf8FromWide(reason);
}
#endif
