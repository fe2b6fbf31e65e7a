// The Windows side of ShellOpen.h; ShellOpen.cpp is the Linux one.
#ifdef _WIN32
#include <windows.h>
// shellapi.h needs windows.h first.
#include <shellapi.h>

#include "platform/ShellOpen.h"
#include "platform/WideText.h"

void ShellOpen(const std::string& target) {
  // The shell starts the handler (a browser for an address or a .url file) as a process of
  // its own and returns; a failure is the handler's to show.
  ShellExecuteW(nullptr, L"open", WideFromUtf8(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
#endif
