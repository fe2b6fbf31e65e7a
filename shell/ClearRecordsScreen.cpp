#include "shell/ClearRecordsScreen.h"

#include "shell/ButtonKeys.h"
#include "shell/MenuBackground.h"
#include "shell/MenuFrame.h"
#include "shell/MenuSprites.h"
#include "shell/Settings.h"
#include "shell/Unit_pr.h"

namespace {

constexpr int32_t kAnswerCount = 2;

}  // namespace

void ClearRecordsScreen::Enter() {
  ClearKeyReleased(form_.State);
  CreateMenuPage(form_, page_);
  AddMenuButton(form_, page_, "b_yes", 510, 394, [this] { BackToRecords(); });
  AddMenuButton(form_, page_, "b_no", 380, 399, [this] {
    ResetRecords(form_.State);
    BackToRecords();
  });
  form_.KaltoGUI1.FocusButton(*page_.Buttons[1]);
  page_.Title = new TMenuScreen(form_, 310, 284, 20, "scr_clearhiscr", "clearhiscr", 255, true);
}

void ClearRecordsScreen::RunFrame() {
  GameState& state = form_.State;
  if (TakeKeyRelease(state, vk::Right)) {
    PlayCheck2(form_);
    MoveFocus(1);
  }
  if (TakeKeyRelease(state, vk::Left)) {
    PlayCheck2(form_);
    MoveFocus(-1);
  }
  const bool yes = TakeYesKey(state);
  const bool no = !yes && TakeNoKey(state);
  if (yes || no) form_.KaltoGUI1.FocusButton(*page_.Buttons[yes ? 1 : 2]);
  if (TakeKeyRelease(state, vk::Enter) || yes || no) {
    PlayCheck2(form_);
    if (form_.KaltoGUI1.PressFocused()) return;
    MoveFocus(0);
  }
  if (TakeKeyRelease(state, vk::Escape)) {
    PlayCheck2(form_);
    form_.GoTo(ScrRecords);
    return;
  }
  BeginMenuFrame(form_);
  DrawMenuPicture(form_, "scr_hiscr", 266, 190);
  DrawSpritesBelowPointer(form_, *background_);
  form_.KaltoGUI1.Draw();
  background_->DrawLamps();
  EndMenuFrame(form_);
  form_.Cursor->Move(1);
}

void ClearRecordsScreen::Leave() {
  KillSlot(page_.Title);
  form_.KaltoSprite1.KillDead();
  FreeMenuPage(form_, page_);
}

void ClearRecordsScreen::BackToRecords() {
  PlayCheck(form_);
  form_.GoTo(ScrRecords);
}

int32_t ClearRecordsScreen::FocusIndex() const {
  const TKaltoButton* focused = form_.KaltoGUI1.FocusedButton();
  for (int32_t index = 0; index < kAnswerCount; ++index) {
    if (page_.Buttons[static_cast<size_t>(index + 1)] == focused) return index;
  }
  return -1;
}

// Left and Right go round the two buttons, as they always have.
void ClearRecordsScreen::MoveFocus(int32_t step) {
  const int32_t count = kAnswerCount;
  int32_t focus = FocusIndex();
  if (focus < 0) focus = 0;
  focus = ((focus + step) % count + count) % count;
  form_.KaltoGUI1.FocusButton(*page_.Buttons[static_cast<size_t>(focus + 1)]);
}
