#include "shell/SelectionScreen.h"

#include "shell/ButtonKeys.h"
#include "shell/MenuFrame.h"
#include "shell/MenuPage.h"
#include "shell/Unit_pr.h"

namespace {

constexpr int32_t kSlideFrames = 26;

}  // namespace

void SlideSelectionButtons(TForm1& form, const MenuPage& page, const SlidingButton (&buttons)[4]) {
  int32_t& frame = form.State.AnimCounter;
  if (frame < 0 || frame >= kSlideFrames) return;
  for (const SlidingButton& sliding : buttons) {
    TKaltoButton& button = *page.Buttons[sliding.Slot];
    button.X += sliding.Step;
    if ((sliding.Step < 0 && button.X <= sliding.RestX) ||
        (sliding.Step > 0 && button.X >= sliding.RestX)) {
      button.X = sliding.RestX;
    }
  }
  frame += 1;
}

void BrowseSelection(TForm1& form, int32_t& selected, int32_t count, int32_t step) {
  PlayCheck(form);
  if (step > 0) {
    selected = selected + 1 > count - 1 ? 0 : selected + 1;
  } else {
    selected = selected - 1 < 0 ? count - 1 : selected - 1;
  }
}

bool TakeSelectionKeys(TForm1& form, uint8_t previousScreen, const std::function<void()>& confirm,
                       const std::function<void(int32_t)>& browse) {
  GameState& state = form.State;
  if (TakeButtonKeys(form, FocusArrows::UpDownOnly, true)) return true;
  if (TakeKeyRelease(state, vk::Escape)) {
    PlayCheck2(form);
    form.GoTo(previousScreen);
  } else if (TakeKeyRelease(state, vk::Enter)) {
    confirm();
  } else if (TakeKeyRelease(state, vk::Right)) {
    browse(1);
  } else if (TakeKeyRelease(state, vk::Left)) {
    browse(-1);
  } else {
    return false;
  }
  return true;
}
