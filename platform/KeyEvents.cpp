#include "platform/KeyEvents.h"

#include "base/VirtualKeys.h"

namespace {

bool TypesControlCharacter(int key) {
  return key == vk::Backspace || key == vk::Tab || key == vk::Enter || key == vk::Escape;
}

}  // namespace

void AppendKeyEvents(std::vector<InputEvent>& out, int key, bool down, uint8_t modifiers) {
  InputEvent e;
  e.Kind = down ? InputKind::KeyDown : InputKind::KeyUp;
  e.Key = key;
  e.Modifiers = modifiers;
  out.push_back(e);
  if (down && TypesControlCharacter(key)) {
    InputEvent c;
    c.Kind = InputKind::Char;
    c.Char = static_cast<uint8_t>(key);
    c.Modifiers = modifiers;
    out.push_back(c);
  }
}
