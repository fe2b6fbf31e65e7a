#include "platform/SdlInput.h"

#include <SDL.h>

#include "platform/Cp1251.h"
#include "platform/KeyEvents.h"
#include "platform/KeyMap.h"

namespace {

uint8_t ModifiersOf(uint16_t sdlMod) {
  uint8_t m = 0;
  if (sdlMod & KMOD_SHIFT) m |= ModShift;
  if (sdlMod & KMOD_CTRL) m |= ModCtrl;
  if (sdlMod & KMOD_ALT) m |= ModAlt;
  return m;
}

uint8_t CurrentModifiers() {
  return ModifiersOf(static_cast<uint16_t>(SDL_GetModState()));
}

bool ButtonOf(uint8_t sdlButton, MouseButton& button) {
  switch (sdlButton) {
    case SDL_BUTTON_LEFT:
      button = MouseButton::Left;
      return true;
    case SDL_BUTTON_RIGHT:
      button = MouseButton::Right;
      return true;
    case SDL_BUTTON_MIDDLE:
      button = MouseButton::Middle;
      return true;
    default:
      return false;
  }
}

}  // namespace

std::vector<InputEvent> TranslateSdlEvent(const SDL_Event& event) {
  std::vector<InputEvent> out;
  InputEvent e;
  switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
      const int key = VirtualKeyFromScancode(event.key.keysym.scancode);
      if (key == 0) break;
      AppendKeyEvents(out, key, event.type == SDL_KEYDOWN, ModifiersOf(event.key.keysym.mod));
      break;
    }
    case SDL_TEXTINPUT:
      for (char byte : Utf8ToCp1251Marked(event.text.text)) {
        InputEvent c;
        c.Kind = InputKind::Char;
        c.Char = static_cast<uint8_t>(byte);
        c.Modifiers = CurrentModifiers();
        out.push_back(c);
      }
      break;
    case SDL_MOUSEMOTION:
      e.Kind = InputKind::MouseMove;
      e.X = event.motion.x;
      e.Y = event.motion.y;
      e.Modifiers = CurrentModifiers();
      out.push_back(e);
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      if (!ButtonOf(event.button.button, e.Button)) break;
      if (event.type == SDL_MOUSEBUTTONUP) {
        e.Kind = InputKind::MouseUp;
      } else {
        // Every second press of a run of clicks is the double click.
        e.Kind = event.button.clicks >= 2 && event.button.clicks % 2 == 0
                     ? InputKind::MouseDoubleClick
                     : InputKind::MouseDown;
      }
      e.X = event.button.x;
      e.Y = event.button.y;
      e.Modifiers = CurrentModifiers();
      out.push_back(e);
      break;
    default:
      break;
  }
  return out;
}
