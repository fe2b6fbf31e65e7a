#pragma once
#include <vector>

#include "platform/InputEvent.h"

union SDL_Event;

// The input events one SDL event stands for (none for events the game does not read).
// Text input becomes one Char event per Windows-1251 byte; Backspace, Tab, Enter and
// Escape key presses also yield their control character, as a Windows edit field expects.
// Mouse coordinates are taken as they come, in window coordinates (the window maps them
// into its picture).
std::vector<InputEvent> TranslateSdlEvent(const SDL_Event& event);
