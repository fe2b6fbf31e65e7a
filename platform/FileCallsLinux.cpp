// The Linux side of FileCalls.h; FileCallsWindows.cpp is the Windows one.
#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/FileCalls.h"

namespace fs = std::filesystem;

namespace {

// Closes the descriptor when it goes out of scope.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  // Closes now, so an error of the close itself can be reported.
  int Close() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result;
  }

 private:
  int fd_;
};

// Returns 0, or the system's error number.
int WriteAll(int fd, const std::string& contents) {
  std::size_t done = 0;
  while (done < contents.size()) {
    const ssize_t n = ::write(fd, contents.data() + done, contents.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    done += static_cast<std::size_t>(n);
  }
  return 0;
}

// Makes the rename itself durable. Best effort: some file systems refuse to sync a folder.
void SyncFolder(const fs::path& folder) {
  FileDescriptor dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY));
  if (dir.get() >= 0) ::fsync(dir.get());
}

}  // namespace

int ReadFileBytes(const fs::path& path, std::string& contents) {
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (file.get() < 0) return errno;
  char buffer[4096];
  for (;;) {
    const ssize_t n = ::read(file.get(), buffer, sizeof buffer);
    if (n == 0) return 0;
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    contents.append(buffer, static_cast<std::size_t>(n));
  }
}

int WriteFileFlushed(const fs::path& path, const std::string& contents) {
  FileDescriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
  if (file.get() < 0) return errno;
  if (const int error = WriteAll(file.get(), contents)) return error;
  if (::fsync(file.get()) != 0) return errno;
  if (file.Close() != 0) return errno;
  return 0;
}

int ReplaceFileWith(const fs::path& from, const fs::path& to) {
  if (::rename(from.c_str(), to.c_str()) != 0) return errno;
  SyncFolder(to.parent_path());
  return 0;
}

bool IsMissingError(int error) {
  return error == ENOENT;
}

std::string SystemReason(int error) {
  return std::strerror(error);
}
#endif
