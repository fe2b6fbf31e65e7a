#include "platform/SafeFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::string SystemReason(int error) {
  return std::strerror(error);
}

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

// Writes and flushes the temporary file; returns 0, or the system's error number.
int WriteTemporary(const fs::path& temp, const std::string& contents) {
  FileDescriptor file(::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
  if (file.get() < 0) return errno;
  if (const int error = WriteAll(file.get(), contents)) return error;
  if (::fsync(file.get()) != 0) return errno;
  if (file.Close() != 0) return errno;
  return 0;
}

// Writes the temporary file, making its folder first when that is what is missing (a save
// folder not yet made, or made by nobody because that failed), so the reason given is the
// folder's own: permission denied rather than "no such file".
std::optional<std::string> WriteTemporaryInFolder(const fs::path& temp,
                                                  const std::string& contents) {
  int error = WriteTemporary(temp, contents);
  const fs::path folder = temp.parent_path();
  std::error_code ec;
  if (error == ENOENT && !folder.empty() && !fs::exists(folder, ec)) {
    fs::create_directories(folder, ec);
    if (ec) return "its folder cannot be made: " + ec.message();
    error = WriteTemporary(temp, contents);
  }
  if (error == 0) return std::nullopt;
  return SystemReason(error);
}

fs::path TemporaryPathFor(const fs::path& path) {
  fs::path temp = path;
  temp += ".tmp";
  return temp;
}

}  // namespace

FileReadResult ReadWholeFile(const fs::path& path) {
  FileReadResult result;
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (file.get() < 0) {
    if (errno == ENOENT) return result;
    result.Outcome = FileReadResult::Status::Failed;
    result.Error = SystemReason(errno);
    return result;
  }
  char buffer[4096];
  for (;;) {
    const ssize_t n = ::read(file.get(), buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      result.Outcome = FileReadResult::Status::Failed;
      result.Error = SystemReason(errno);
      result.Contents.clear();
      return result;
    }
    result.Contents.append(buffer, static_cast<std::size_t>(n));
  }
  result.Outcome = FileReadResult::Status::Read;
  return result;
}

std::optional<std::string> WriteFileAtomically(const fs::path& path, const std::string& contents,
                                               const ReplaceGate& replaceGate) {
  const fs::path temp = TemporaryPathFor(path);
  if (auto error = WriteTemporaryInFolder(temp, contents)) {
    std::error_code ignored;
    fs::remove(temp, ignored);
    return error;
  }
  if (replaceGate && !replaceGate()) return std::string("the save was interrupted");
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    const int error = errno;
    std::error_code ignored;
    fs::remove(temp, ignored);
    return SystemReason(error);
  }
  SyncFolder(path.parent_path());
  return std::nullopt;
}

void RemoveUnfinishedWrite(const fs::path& path) {
  std::error_code ignored;
  fs::remove(TemporaryPathFor(path), ignored);
}

std::optional<fs::path> MoveAside(const fs::path& path, const std::string& suffix) {
  std::error_code ec;
  for (int n = 1;; ++n) {
    fs::path aside = path;
    aside += suffix;
    if (n > 1) aside += "." + std::to_string(n);
    if (fs::symlink_status(aside, ec).type() != fs::file_type::not_found) {
      if (ec) return std::nullopt;
      continue;
    }
    fs::rename(path, aside, ec);
    if (ec) return std::nullopt;
    return aside;
  }
}
