#pragma once
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

// Whole-file reading and crash-safe replacing of small files (the saved settings).

struct FileReadResult {
  enum class Status { Read, Missing, Failed };
  Status Outcome = Status::Missing;
  std::string Contents;  // the bytes of the file when Read
  std::string Error;     // why it failed, in words (the system's reason) when Failed
};

// Reads every byte of the file. A file that does not exist is Missing, not Failed.
FileReadResult ReadWholeFile(const std::filesystem::path& path);

// Called once the new contents are complete and flushed to disk in the temporary file,
// just before that file replaces the target. Returning false abandons the save right
// there, as a crash would: the target is untouched and the temporary file stays behind.
// Lets tests stop a save at its most delicate point.
using ReplaceGate = std::function<bool()>;

// Replaces the file's contents so that at every moment the path holds either the old or
// the new file in full: the contents go to "<path>.tmp" beside it, are flushed to disk,
// and the temporary file is then renamed over the target. Returns nothing on success,
// else the reason; on failure the old file is left as it was.
std::optional<std::string> WriteFileAtomically(const std::filesystem::path& path,
                                               const std::string& contents,
                                               const ReplaceGate& replaceGate = nullptr);

// Removes the temporary file that a save of this path stopped midway (a crash) left beside
// it; nothing happens when there is none.
void RemoveUnfinishedWrite(const std::filesystem::path& path);

// Renames a file out of the way to "<path><suffix>", or "<path><suffix>.2", ".3", ... when
// that name is taken, so no earlier copy is overwritten. Returns the new path, or nothing
// when the rename failed (the file then stays where it is).
std::optional<std::filesystem::path> MoveAside(const std::filesystem::path& path,
                                               const std::string& suffix);
