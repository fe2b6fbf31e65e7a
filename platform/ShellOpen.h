#pragma once
#include <string>

// Hands a file path or a web address (UTF-8) to the desktop's default handler (xdg-open on
// Linux, the shell's "open" on Windows), started detached: the call returns at once, and
// whether the handler succeeds is not known.
void ShellOpen(const std::string& target);
