#include "shell/SelectionScreen.h"

#include "shell/Unit_pr.h"

namespace {

constexpr int32_t kSlideFrames = 26;

}  // namespace

void SlideSelectionButtons(TForm1& form, const SlidingButton (&buttons)[4]) {
  int32_t& frame = form.State.AnimCounter;
  if (frame < 0 || frame >= kSlideFrames) return;
  for (const SlidingButton& sliding : buttons) {
    TKaltoButton& button = *form.Buttons[sliding.Slot];
    button.X += sliding.Step;
    if ((sliding.Step < 0 && button.X <= sliding.RestX) ||
        (sliding.Step > 0 && button.X >= sliding.RestX)) {
      button.X = sliding.RestX;
    }
  }
  frame += 1;
}

int32_t NextIndex(int32_t index, int32_t count) {
  return index + 1 > count - 1 ? 0 : index + 1;
}

int32_t PreviousIndex(int32_t index, int32_t count) {
  return index - 1 < 0 ? count - 1 : index - 1;
}
