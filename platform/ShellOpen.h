#pragma once
#include <string>

// Hands a file path or a web address to the desktop's default handler (xdg-open), started
// detached: the call returns at once, and whether the handler succeeds is not known.
void ShellOpen(const std::string& target);
