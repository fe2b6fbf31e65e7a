#pragma once
#include <array>

class TKaltoButton;
class TKaltoEdit;
class TKaltoGUIList;
class TSprite;

// What one screen builds when it is entered and frees when it is left: its page of the GUI
// with the buttons and the edit on it, and its own sprites. The sprites belong to the sprite
// engine; the screen marks them dead and empties the slots.
struct MenuPage {
  TKaltoGUIList* Gui = nullptr;
  std::array<TKaltoButton*, 7> Buttons{};  // slots 1..6, in the order the screen made them
  TKaltoEdit* Edit = nullptr;
  bool EditTouched = false;  // the player clicked into Edit
  TSprite* Title = nullptr;
  TSprite* Second = nullptr;
  TSprite* Picture = nullptr;
  TSprite* Panel = nullptr;
};
