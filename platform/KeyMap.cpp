#include "platform/KeyMap.h"

#include <SDL.h>

#include "base/VirtualKeys.h"

namespace {

struct KeyPair {
  SDL_Scancode Scancode;
  int Key;
};

// Keys outside the letter, digit, F-key and keypad-digit runs handled below.
constexpr KeyPair kNamedKeys[] = {
    {SDL_SCANCODE_BACKSPACE, vk::Backspace},
    {SDL_SCANCODE_TAB, vk::Tab},
    {SDL_SCANCODE_RETURN, vk::Enter},
    {SDL_SCANCODE_KP_ENTER, vk::Enter},
    {SDL_SCANCODE_RETURN2, vk::Enter},
    {SDL_SCANCODE_LSHIFT, vk::Shift},
    {SDL_SCANCODE_RSHIFT, vk::Shift},
    {SDL_SCANCODE_LCTRL, vk::Control},
    {SDL_SCANCODE_RCTRL, vk::Control},
    {SDL_SCANCODE_LALT, vk::Alt},
    {SDL_SCANCODE_RALT, vk::Alt},
    {SDL_SCANCODE_PAUSE, vk::Pause},
    {SDL_SCANCODE_CAPSLOCK, 20},
    {SDL_SCANCODE_ESCAPE, vk::Escape},
    {SDL_SCANCODE_SPACE, vk::Space},
    {SDL_SCANCODE_PAGEUP, vk::PageUp},
    {SDL_SCANCODE_PAGEDOWN, vk::PageDown},
    {SDL_SCANCODE_END, vk::End},
    {SDL_SCANCODE_HOME, vk::Home},
    {SDL_SCANCODE_LEFT, vk::Left},
    {SDL_SCANCODE_UP, vk::Up},
    {SDL_SCANCODE_RIGHT, vk::Right},
    {SDL_SCANCODE_DOWN, vk::Down},
    {SDL_SCANCODE_PRINTSCREEN, 44},
    {SDL_SCANCODE_INSERT, vk::Insert},
    {SDL_SCANCODE_DELETE, vk::Delete},
    {SDL_SCANCODE_LGUI, 91},
    {SDL_SCANCODE_RGUI, 92},
    {SDL_SCANCODE_APPLICATION, 93},
    {SDL_SCANCODE_KP_MULTIPLY, 106},
    {SDL_SCANCODE_KP_PLUS, 107},
    {SDL_SCANCODE_KP_MINUS, 109},
    {SDL_SCANCODE_KP_PERIOD, 110},
    {SDL_SCANCODE_KP_DIVIDE, 111},
    {SDL_SCANCODE_NUMLOCKCLEAR, 144},
    {SDL_SCANCODE_SCROLLLOCK, 145},
    {SDL_SCANCODE_SEMICOLON, 186},
    {SDL_SCANCODE_EQUALS, 187},
    {SDL_SCANCODE_COMMA, 188},
    {SDL_SCANCODE_MINUS, 189},
    {SDL_SCANCODE_PERIOD, 190},
    {SDL_SCANCODE_SLASH, 191},
    {SDL_SCANCODE_GRAVE, 192},
    {SDL_SCANCODE_LEFTBRACKET, 219},
    {SDL_SCANCODE_BACKSLASH, 220},
    {SDL_SCANCODE_RIGHTBRACKET, 221},
    {SDL_SCANCODE_APOSTROPHE, 222},
    {SDL_SCANCODE_NONUSBACKSLASH, 226},
};

constexpr int kNumpad0 = 96;

}  // namespace

int VirtualKeyFromScancode(int sdlScancode) {
  const int s = sdlScancode;
  if (s >= SDL_SCANCODE_A && s <= SDL_SCANCODE_Z) return vk::LetterA + (s - SDL_SCANCODE_A);
  // SDL orders the digit row 1..9, 0.
  if (s >= SDL_SCANCODE_1 && s <= SDL_SCANCODE_9) return vk::Digit0 + 1 + (s - SDL_SCANCODE_1);
  if (s == SDL_SCANCODE_0) return vk::Digit0;
  if (s >= SDL_SCANCODE_F1 && s <= SDL_SCANCODE_F12) return vk::F1 + (s - SDL_SCANCODE_F1);
  if (s >= SDL_SCANCODE_F13 && s <= SDL_SCANCODE_F24) return vk::F1 + 12 + (s - SDL_SCANCODE_F13);
  if (s >= SDL_SCANCODE_KP_1 && s <= SDL_SCANCODE_KP_9)
    return kNumpad0 + 1 + (s - SDL_SCANCODE_KP_1);
  if (s == SDL_SCANCODE_KP_0) return kNumpad0;
  for (const KeyPair& pair : kNamedKeys) {
    if (pair.Scancode == s) return pair.Key;
  }
  return 0;
}
