#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>

class TForm1;
struct MenuPage;

// What the track and car screens share: their four buttons slide from off the screen to
// rest positions over the first 26 frames.
struct SlidingButton {
  size_t Slot;  // in the page's Buttons
  int32_t Step;
  int32_t RestX;
};

// Moves each button by its step and stops it at its rest, while 0 <= AnimCounter < 26;
// counts the frame.
void SlideSelectionButtons(TForm1& form, const MenuPage& page, const SlidingButton (&buttons)[4]);

// Browsing a catalogue of count entries: the "check" click, then the selection moves one
// entry forward (step > 0) or back, wrapping round at either end.
void BrowseSelection(TForm1& form, int32_t& selected, int32_t count, int32_t step);

// The keys of a selection screen, in their order: Escape (with "check2") goes back to the
// screen before, Enter confirms, Right and Left browse by +1 and -1. True when a key was
// taken: the frame ends there, undrawn.
bool TakeSelectionKeys(TForm1& form, uint8_t previousScreen, const std::function<void()>& confirm,
                       const std::function<void(int32_t)>& browse);
