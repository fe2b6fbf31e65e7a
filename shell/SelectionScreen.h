#pragma once
#include <cstddef>
#include <cstdint>

class TForm1;

// What the track and car screens share: their four buttons slide from off the screen to
// rest positions over the first 26 frames.
struct SlidingButton {
  size_t Slot;  // in form.Buttons
  int32_t Step;
  int32_t RestX;
};

// Moves each button by its step and stops it at its rest, while 0 <= AnimCounter < 26;
// counts the frame.
void SlideSelectionButtons(TForm1& form, const SlidingButton (&buttons)[4]);

// The index after (or before) the given one in a catalogue of count entries, wrapping round.
int32_t NextIndex(int32_t index, int32_t count);
int32_t PreviousIndex(int32_t index, int32_t count);
