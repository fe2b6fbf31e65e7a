#pragma once

class TForm1;

// Installs the screens of the menus and of the track and car selection in the main window.
void InstallMenuScreens(TForm1& form);
