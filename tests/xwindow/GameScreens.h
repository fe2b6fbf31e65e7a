#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "tests/xwindow/WindowPicture.h"

// The pictures by which a test tells the game's screens apart, and the buttons it presses,
// where the game draws them, taken from a game folder's image lists and exit page.
struct GameScreens {
  explicit GameScreens(const std::filesystem::path& gameFolder);

  ShippedPictures Menus, Race;
  std::vector<PlacedPicture> NameEntry, StartGame, TrackNext, CarNext, RaceButton, ExitQuestion,
      YesExit, StartLights, RaceOver, Continue, SendQuestion, SendYes, SendNo;
  ShownExitButton Exit;
};

// A Cyrillic name and the X keysyms that type it: Ё and ё lie outside the rest of the
// alphabet in both encodings, я is byte 255.
inline const std::string kRussianNameUtf8 = "Ёжик Юля";
inline const char* const kRussianNameKeys =
    "Cyrillic_IO Cyrillic_zhe Cyrillic_i Cyrillic_ka space Cyrillic_YU Cyrillic_el Cyrillic_ya";

// On the name entry: types the Cyrillic name on the Russian layout, saves screenshot
// `shotName` showing it, confirms it with Return and waits for the main menu. The layout
// holds until the menu shows: a letter the game reads after it is gone would come out Latin.
bool EnterRussianName(const std::string& window, const std::string& shotName,
                      const std::vector<PlacedPicture>& mainMenu);
