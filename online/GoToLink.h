#pragma once
#include <functional>
#include <string>

// Opens files shipped next to the game and web addresses with the desktop's handler. File
// names are the game's relative names, looked up under the data root. Failures are silent:
// a missing file is skipped and a handler that fails is not noticed.

// What a link request hands to the opener: a file path or an address, and the parameters
// of a program start (empty for everything but the companion program).
struct LinkRequest {
  std::string Target;
  std::string Parameters;
};
using LinkOpener = std::function<void(const LinkRequest&)>;

// Replaces the process-wide opener (tests record the requests); an empty one restores the
// desktop's handler.
void SetLinkOpener(LinkOpener opener);

// Opens the address as it is, without any test.
void OpenAddress(const std::string& address);
// Opens the file when it exists. An internet shortcut (".url") is opened through the
// address on its "URL=" line, since Linux desktops have no handler for such files; a
// shortcut without that line opens nothing. True when something was handed on.
bool OpenFileIfExists(const std::string& gameName);
// An internet shortcut (".url") to the address, as OpenFileIfExists reads it: an
// "[InternetShortcut]" section with the address on its "URL=" line, lines ending in CR LF.
std::string InternetShortcutText(const std::string& address);
// "play.url", when it exists.
void OpenPlayLink();
// The companion program "fscommand\wgame.exe", when it exists.
void OpenCompanionProgram();
