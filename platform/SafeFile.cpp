#include "platform/SafeFile.h"

#include <system_error>

#include "platform/FileCalls.h"

namespace fs = std::filesystem;

namespace {

// Writes the temporary file, making its folder first when that is what is missing (a save
// folder not yet made, or made by nobody because that failed), so the reason given is the
// folder's own: permission denied rather than "no such file".
std::optional<std::string> WriteTemporaryInFolder(const fs::path& temp,
                                                  const std::string& contents) {
  int error = WriteFileFlushed(temp, contents);
  const fs::path folder = temp.parent_path();
  std::error_code ec;
  if (IsMissingError(error) && !folder.empty() && !fs::exists(folder, ec)) {
    fs::create_directories(folder, ec);
    if (ec) return "its folder cannot be made: " + ec.message();
    error = WriteFileFlushed(temp, contents);
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
  const int error = ReadFileBytes(path, result.Contents);
  if (error == 0) {
    result.Outcome = FileReadResult::Status::Read;
  } else if (!IsMissingError(error)) {
    result.Outcome = FileReadResult::Status::Failed;
    result.Error = SystemReason(error);
    result.Contents.clear();
  } else {
    result.Contents.clear();
  }
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
  if (const int error = ReplaceFileWith(temp, path)) {
    std::error_code ignored;
    fs::remove(temp, ignored);
    return SystemReason(error);
  }
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
