// The Windows side of GamePathsSystem.h; GamePathsLinux.cpp is the Linux one.
#ifdef _WIN32
#include <windows.h>

#include <cstdlib>
#include <string>
#include <system_error>

#include "platform/GamePathsSystem.h"
#include "platform/WideText.h"

namespace fs = std::filesystem;

bool IsWritableDir(const fs::path& dir) {
  std::error_code ec;
  if (dir.empty() || !fs::is_directory(dir, ec)) return false;
  // Access rights, UAC and read-only media all decide; creating a file is the one sure test.
  // The file disappears when its handle closes.
  const fs::path probe = dir / L".brindle-karts-write-test";
  const HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

fs::path PerUserSaveRoot(const RootInputs& in) {
  return fs::u8path(in.Home) / L"Brindle Karts";
}

RootInputs CurrentRootInputs() {
  RootInputs in;
  std::error_code ec;
  in.WorkingDir = fs::current_path(ec);
  std::wstring exe(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, exe.data(), static_cast<DWORD>(exe.size()));
    if (length == 0) break;
    if (length < exe.size()) {
      exe.resize(length);
      in.ExecutableDir = fs::path(exe).parent_path();
      break;
    }
    exe.resize(exe.size() * 2);
  }
  // The game folder is the installed folder too: the data lies beside the executable.
  if (const wchar_t* appData = _wgetenv(L"APPDATA")) in.Home = Utf8FromWide(appData);
  return in;
}
#endif
