#include "online/GoToLink.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>

#include "platform/GamePaths.h"
#include "platform/ShellOpen.h"

namespace {

// The desktop's handler takes a target only: the companion's parameter asked a Windows
// browser for a new window, which the handler decides for itself.
void OpenWithDesktop(const LinkRequest& request) {
  ShellOpen(request.Target);
}

LinkOpener& CurrentOpener() {
  static LinkOpener opener = OpenWithDesktop;
  return opener;
}

void Open(const LinkRequest& request) {
  CurrentOpener()(request);
}

bool EndsWithUrlExtension(const std::string& name) {
  if (name.size() < 4) return false;
  std::string extension = name.substr(name.size() - 4);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".url";
}

// The address of an internet shortcut: the value of its first "URL=" line (key in any
// case, surrounding blanks and a Windows line end removed); empty when there is none.
std::string ShortcutAddress(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    const size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos || line.size() - start < 4) continue;
    std::string key = line.substr(start, 4);
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (key != "URL=") continue;
    std::string address = line.substr(start + 4);
    const size_t end = address.find_last_not_of(" \t\r");
    return end == std::string::npos ? std::string() : address.substr(0, end + 1);
  }
  return {};
}

}  // namespace

std::string InternetShortcutText(const std::string& address) {
  return "[InternetShortcut]\r\nURL=" + address + "\r\n";
}

namespace {

bool OpenFile(const std::string& gameName, const std::string& parameters) {
  const std::filesystem::path file = DataPath(gameName);
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) return false;
  if (EndsWithUrlExtension(gameName)) {
    const std::string address = ShortcutAddress(file);
    if (address.empty()) return false;
    Open({address, ""});
    return true;
  }
  Open({file.string(), parameters});
  return true;
}

}  // namespace

void SetLinkOpener(LinkOpener opener) {
  CurrentOpener() = opener ? std::move(opener) : LinkOpener(OpenWithDesktop);
}

void OpenAddress(const std::string& address) {
  Open({address, ""});
}

bool OpenFileIfExists(const std::string& gameName) {
  return OpenFile(gameName, "");
}

void OpenPlayLink() {
  OpenFileIfExists("play.url");
}

void OpenCompanionProgram() {
  OpenFile("fscommand\\wgame.exe", "target=\"_blank\"");
}
