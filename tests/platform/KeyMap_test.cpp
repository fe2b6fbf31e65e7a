#include "platform/KeyMap.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include "base/VirtualKeys.h"

TEST(KeyMap, KeysTheGameReadsGetTheirVirtualKeyCodes) {
  struct Case {
    SDL_Scancode Scancode;
    int Key;
  };
  const Case cases[] = {
      {SDL_SCANCODE_ESCAPE, 27},   {SDL_SCANCODE_RETURN, 13}, {SDL_SCANCODE_KP_ENTER, 13},
      {SDL_SCANCODE_BACKSPACE, 8}, {SDL_SCANCODE_TAB, 9},     {SDL_SCANCODE_SPACE, 32},
      {SDL_SCANCODE_LEFT, 37},     {SDL_SCANCODE_UP, 38},     {SDL_SCANCODE_RIGHT, 39},
      {SDL_SCANCODE_DOWN, 40},     {SDL_SCANCODE_DELETE, 46}, {SDL_SCANCODE_HOME, 36},
      {SDL_SCANCODE_END, 35},      {SDL_SCANCODE_LSHIFT, 16}, {SDL_SCANCODE_RSHIFT, 16},
      {SDL_SCANCODE_LCTRL, 17},    {SDL_SCANCODE_RCTRL, 17},  {SDL_SCANCODE_LALT, 18},
      {SDL_SCANCODE_RALT, 18},     {SDL_SCANCODE_P, 80},      {SDL_SCANCODE_Z, 90},
      {SDL_SCANCODE_A, 65},        {SDL_SCANCODE_M, 77},      {SDL_SCANCODE_0, 48},
      {SDL_SCANCODE_1, 49},        {SDL_SCANCODE_9, 57},      {SDL_SCANCODE_F1, 112},
      {SDL_SCANCODE_F10, 121},     {SDL_SCANCODE_F12, 123},   {SDL_SCANCODE_KP_0, 96},
      {SDL_SCANCODE_KP_7, 103},    {SDL_SCANCODE_PAGEUP, 33}, {SDL_SCANCODE_INSERT, 45},
      {SDL_SCANCODE_PAUSE, 19},    {SDL_SCANCODE_MINUS, 189}, {SDL_SCANCODE_UNKNOWN, 0},
      {SDL_SCANCODE_MUTE, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(VirtualKeyFromScancode(c.Scancode), c.Key) << SDL_GetScancodeName(c.Scancode);
  }
}

TEST(KeyMap, EveryLetterAndDigitKeyIsMapped) {
  for (int i = 0; i < 26; ++i) {
    EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_A + i), vk::LetterA + i);
  }
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(VirtualKeyFromScancode(SDL_SCANCODE_1 + i), vk::Digit0 + 1 + i);
  }
}
