#pragma once
#include <cstdint>
#include <vector>

#include "platform/InputEvent.h"

// Appends the events of one key press or release: KeyDown or KeyUp and, for a press of
// Backspace, Tab, Enter or Escape, the control character a Windows edit field receives.
// Every input source (keyboard, gamepad) goes through here, so screens cannot tell them apart.
void AppendKeyEvents(std::vector<InputEvent>& out, int key, bool down, uint8_t modifiers);
