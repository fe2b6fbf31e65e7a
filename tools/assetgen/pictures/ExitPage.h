#pragma once
#include <string>

// Writes the exit page into gameDir: wdata/config.ini, the pictures it names, and
// "website.url", the shortcut its records button opens, pointing at recordsAddress.
void writeExitPage(const std::string& gameDir, const std::string& recordsAddress);
