#pragma once
#include <cstdint>
#include <string>

class TKaltoBitmapFont;
class TKaltoEdit;
class TKaltoImageList;
struct MenuPage;

// The one text field of a menu screen (page.Edit) in the menus' look: the named picture,
// its size, the given caret, at most 12 characters and no more than it can show. Backspace belongs
// to the screen, which removes exactly one character per release (RemoveLastCharacter); the field
// itself only appends typed characters. It writes in the colour of the edits' font (BuildEditFont
// first); the picture comes from the menus' list.
TKaltoEdit& AddMenuEdit(const TKaltoImageList& pictures, const TKaltoBitmapFont& font,
                        MenuPage& page, const std::string& picture, int32_t x, int32_t y,
                        const std::string& caret);
// The text shown for a stored value: the padding "%" at its end removed.
std::string WithoutPadding(std::string text);
void RemoveLastCharacter(TKaltoEdit& edit);
// Builds the edits' bitmap font from a system face, in the colour given.
void BuildEditFont(TKaltoBitmapFont& font, const std::string& face, int32_t size, uint8_t grey);
// The edits' font for the player's name, the same wherever the name is typed.
void BuildNameFont(TKaltoBitmapFont& font);
