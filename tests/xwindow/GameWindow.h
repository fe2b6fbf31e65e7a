#pragma once
#include <sys/types.h>

#include <filesystem>
#include <string>

// The game's window on the X display, found, driven and photographed from outside the way a
// player and a window manager see it (xdotool, xwininfo, ImageMagick's import).

// Runs a shell command; a non-zero exit is a test failure naming the command.
bool RunCommand(const std::string& command);

// The visible window titled "Brindle Karts" of process `pid` ("" when none comes up).
std::string FindGameWindow(pid_t pid);

struct WindowBox {
  int X = -1, Y = -1, Width = -1, Height = -1;
};
// Where the window lies on the screen; -1s when xwininfo cannot tell.
WindowBox WindowGeometry(const std::string& window);
WindowBox ScreenGeometry();

// Clicks the left button over a point of the game's 800 x 600 picture, wherever the game
// shows it in the window (scaled by the smaller factor and centred). The pointer rests
// there for a few frames first, so the page sees it over the button before the press.
bool ClickPicturePoint(const std::string& window, int x, int y);

// Presses and releases keys (xdotool key names) on the focused window.
bool PressKeys(const std::string& keys);

// Where the screenshots go: $BK_SHOT_DIR, else the build's screenshot folder.
std::filesystem::path ShotFolder();
// Saves the window's picture as NAME.png in the screenshot folder, to be looked at.
void Shot(const std::string& window, const std::string& name);
