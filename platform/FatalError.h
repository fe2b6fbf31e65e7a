#pragma once
#include <string>
#include <vector>

// The one way the game ends on a fault it cannot go on from (no graphics, a damaged data
// file, a picture the device refuses). The mouse cursor is shown again, each message is
// shown in turn in a box titled "Error" (ShowMessageBox: Windows-1251 bytes, always on stderr
// too), and the process exits with status 1. With no messages it exits at once: the fault
// was reported where it was found.
[[noreturn]] void ExitOnFatalError(const std::vector<std::string>& messages = {});
