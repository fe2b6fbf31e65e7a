#include "tests/support/LinkOrCopy.h"

#include <system_error>

namespace fs = std::filesystem;

void LinkOrCopy(const fs::path& target, const fs::path& link) {
  const bool folder = fs::is_directory(target);
  std::error_code error;
  if (folder) {
    fs::create_directory_symlink(target, link, error);
  } else {
    fs::create_symlink(target, link, error);
  }
  if (!error) return;
  if (folder) {
    fs::create_directory(link);
    for (const fs::directory_entry& entry : fs::directory_iterator(target)) {
      LinkOrCopy(entry.path(), link / entry.path().filename());
    }
    return;
  }
  fs::create_hard_link(target, link, error);
  if (error) fs::copy_file(target, link);
}
