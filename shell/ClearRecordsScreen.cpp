#include "shell/ClearRecordsScreen.h"

#include "shell/MenuFrame.h"
#include "shell/MenuSprites.h"
#include "shell/Settings.h"
#include "shell/Unit_pr.h"

void ClearRecordsScreen::Enter() {
  ClearKeyReleased(form_.State);
  form_.State.ScreenState = ScrClearRecords;
  FreeMenuPage(form_);  // the records screen's page
  CreateMenuPage(form_);
  AddMenuButton(form_, "b_yes", 510, 394, [this] { BackToRecords(); });
  AddMenuButton(form_, "b_no", 380, 399, [this] {
    ResetRecords(form_.State);
    BackToRecords();
  });
  form_.ButtonCount = 2;
  focus_ = 0;
  MoveFocus(0);
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
  if (TakeKeyRelease(state, vk::Enter)) {
    PlayCheck2(form_);
    TKaltoButton& focused = *form_.Buttons[static_cast<size_t>(focus_ + 1)];
    focused.OnClick(focused);
    return;
  }
  if (TakeKeyRelease(state, vk::Escape)) {
    PlayCheck2(form_);
    ChangeScreen(form_, ScrClearRecords, ScrRecords);
    return;
  }
  BeginMenuFrame(form_);
  DrawMenuPicture(form_, "scr_hiscr", 266, 190);
  DrawSpritesBelowPointer(form_);
  form_.KaltoGUI1.Draw();
  EndMenuFrame(form_);
  form_.Cursor->Move(1);
}

void ClearRecordsScreen::Leave() {
  KillSlot(form_.TitleSprite);
  form_.KaltoSprite1.KillDead();
  FreeMenuPage(form_);
}

void ClearRecordsScreen::BackToRecords() {
  form_.LeaveScreen(ScrClearRecords);
  PlayCheck(form_);
  form_.EnterScreen(ScrRecords);
}

void ClearRecordsScreen::MoveFocus(int32_t step) {
  const int32_t count = form_.ButtonCount;
  focus_ += step;
  if (focus_ > count - 1) focus_ = 0;
  if (focus_ < 0) focus_ = count - 1;
  for (int32_t index = 0; index < count; ++index) {
    TKaltoButton& button = *form_.Buttons[static_cast<size_t>(index + 1)];
    button.SetPattern(slNormal, index == focus_ ? 1 : 0);
  }
}
