#pragma once

#include <memory>

class MenuBackground;
class TForm1;

// Installs the screens of the menus and of the track and car selection in the main window;
// they share the menus' background, which is returned for the race screens to end and build.
std::shared_ptr<MenuBackground> InstallMenuScreens(TForm1& form);
