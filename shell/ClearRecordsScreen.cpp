#include "shell/ClearRecordsScreen.h"

#include "shell/ButtonKeys.h"
#include "shell/MenuFrame.h"
#include "shell/MenuSprites.h"
#include "shell/Settings.h"
#include "shell/Unit_pr.h"

void ClearRecordsScreen::Enter() {
  ClearKeyReleased(form_.State);
  CreateMenuPage(form_);
  AddMenuButton(form_, "b_yes", 510, 394, [this] { BackToRecords(); });
  AddMenuButton(form_, "b_no", 380, 399, [this] {
    ResetRecords(form_.State);
    BackToRecords();
  });
  form_.ButtonCount = 2;
  form_.KaltoGUI1.FocusButton(*form_.Buttons[1]);
  form_.TitleSprite =
      new TMenuScreen(form_, 310, 284, 20, "scr_clearhiscr", "clearhiscr", 255, true);
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
  if (yes || no) form_.KaltoGUI1.FocusButton(*form_.Buttons[yes ? 1 : 2]);
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
  DrawSpritesBelowPointer(form_);
  form_.KaltoGUI1.Draw();
  DrawLamps(form_);
  EndMenuFrame(form_);
  form_.Cursor->Move(1);
}

void ClearRecordsScreen::Leave() {
  KillSlot(form_.TitleSprite);
  form_.KaltoSprite1.KillDead();
  FreeMenuPage(form_);
}

void ClearRecordsScreen::BackToRecords() {
  PlayCheck(form_);
  form_.GoTo(ScrRecords);
}

int32_t ClearRecordsScreen::FocusIndex() const {
  const TKaltoButton* focused = form_.KaltoGUI1.FocusedButton();
  for (int32_t index = 0; index < form_.ButtonCount; ++index) {
    if (form_.Buttons[static_cast<size_t>(index + 1)] == focused) return index;
  }
  return -1;
}

// Left and Right go round the two buttons, as they always have.
void ClearRecordsScreen::MoveFocus(int32_t step) {
  const int32_t count = form_.ButtonCount;
  int32_t focus = FocusIndex();
  if (focus < 0) focus = 0;
  focus = ((focus + step) % count + count) % count;
  form_.KaltoGUI1.FocusButton(*form_.Buttons[static_cast<size_t>(focus + 1)]);
}
