#pragma once
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>

class MenuBackground;
class TForm1;
class TKaltoButton;
class TKaltoFont;
class TSprite;
struct GameState;
struct MenuPage;

// The pieces every menu and selection screen is built from: its buttons, its sounds, the
// change from one screen to the next and the common parts of its frame.

// A button of the screen's page in the menus' look: the named picture at pattern 0, its
// pattern 1 under the pointer, the picture's tile size, no caption. It takes the next free
// slot of page.Buttons (the order the screen makes them in is their focus order).
TKaltoButton& AddMenuButton(TForm1& form, MenuPage& page, const std::string& picture, int32_t x,
                            int32_t y, std::function<void()> action);
// Shows one picture of the button at the given pattern in its normal slot only (the on/off
// toggles, a button holding the keyboard focus).
void ShowButtonPicture(TForm1& form, TKaltoButton& button, const std::string& picture,
                       int32_t pattern);

// The screen's page of the GUI, named "GUI2", with no buttons yet.
void CreateMenuPage(TForm1& form, MenuPage& page);
// Frees the page of the GUI with its buttons and edit; their slots go back to null.
void FreeMenuPage(TForm1& form, MenuPage& page);
// Marks the sprite in the slot dead (when there is one) and empties the slot.
void KillSlot(TSprite*& slot);

// The click of a button ("check") and of a key action ("check2"), heard when sound is on.
void PlayCheck(TForm1& form);
void PlayCheck2(TForm1& form);

// One step of everything that moves behind and on a menu: the race step of the demo race,
// which moves every sprite (lamps, greeting, panels sliding in) along with its cars.
void StepMenuWorld(TForm1& form);
// Every entry of KeyReleased back to 0.
void ClearKeyReleased(GameState& state);
// True once when the key was released since it was last consumed; consumes it.
bool TakeKeyRelease(GameState& state, int key);

// Frame parts. BeginMenuFrame clears, begins the scene and draws the menus' background.
// DrawSpritesBelowPointer draws every sprite but the pointer and the background's lamps: the
// lamps come with the greeting above the GUI (MenuBackground::DrawLampsAndGreeting), and
// EndMenuFrame draws the pointer last of all and ends the scene.
void BeginMenuFrame(TForm1& form);
// Sprites in drawnLater are held back too: the screen draws them itself above a picture.
void DrawSpritesBelowPointer(TForm1& form, const MenuBackground& background,
                             std::initializer_list<TSprite*> drawnLater = {});
void EndMenuFrame(TForm1& form);
// The picture of the menus' image list at x,y.
void DrawMenuPicture(TForm1& form, const std::string& picture, int32_t x, int32_t y);
// The caret of the page's edit blinking: hidden every 31st frame, shown again every 63rd.
void BlinkCaret(TForm1& form, const MenuPage& page, const std::string& caret);
// A text of the font with its middle on centreX.
void TextCentredOn(TKaltoFont& font, int32_t centreX, int32_t y, const std::string& text);
