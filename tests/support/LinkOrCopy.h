#pragma once
#include <filesystem>

// Makes `link` show the file or folder `target` without copying where the system allows: a
// symbolic link. Where symbolic links cannot be made (Windows without the privilege, Wine), a
// folder is made anew and filled entry by entry, each file hard-linked, or copied when even
// that fails (another drive). Throws std::filesystem::filesystem_error when nothing works.
void LinkOrCopy(const std::filesystem::path& target, const std::filesystem::path& link);
