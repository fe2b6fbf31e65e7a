#include "shell/ExitQuestionScreen.h"

#include "shell/ButtonKeys.h"
#include "shell/MenuBackground.h"
#include "shell/MenuFrame.h"
#include "shell/MenuSprites.h"
#include "shell/Unit_pr.h"

namespace {

constexpr int32_t kSlideFrames = 20;
constexpr int32_t kSlideStep = 40;
constexpr int32_t kButtonsY = 434;

}  // namespace

void ExitQuestionScreen::Enter() {
  ClearKeyReleased(form_.State);
  CreateMenuPage(form_, page_);
  AddMenuButton(form_, page_, "b_yes", -380, kButtonsY, [this] { Yes(); });
  AddMenuButton(form_, page_, "b_no", -245, kButtonsY, [this] {
    PlayCheck(form_);
    form_.GoTo(ScrMainMenu);
  });
  page_.Title = new TMenuScreen(form_, -693, 104, 500, "scr_ExitTheGame", "exitthegame", 255, true);
  form_.State.AnimCounter = 0;
}

void ExitQuestionScreen::RunFrame() {
  GameState& state = form_.State;
  if (TakeButtonKeys(form_, FocusArrows::All, true)) return;
  if (TakeKeyRelease(state, vk::Escape) || TakeNoKey(state)) {
    PlayCheck2(form_);
    form_.GoTo(ScrMainMenu);
    return;
  }
  if (TakeKeyRelease(state, vk::Enter) || TakeYesKey(state)) {
    Yes();
    return;
  }
  TSprite& title = *page_.Title;
  if (state.AnimCounter >= 0 && state.AnimCounter < kSlideFrames) {
    page_.Buttons[1]->X += kSlideStep;
    page_.Buttons[2]->X += kSlideStep;
    title.SetX(title.X() + kSlideStep);
    state.AnimCounter += 1;
  }

  BeginMenuFrame(form_);
  DrawSpritesBelowPointer(form_, *background_, {&title});
  DrawMenuPicture(form_, "scr_title", 0, 0);
  title.Draw();
  form_.KaltoGUI1.Draw();
  StepMenuWorld(form_);
  background_->DrawLampsAndGreeting();
  EndMenuFrame(form_);
  page_.Buttons[1]->Y = kButtonsY;
  page_.Buttons[2]->Y = kButtonsY;
}

void ExitQuestionScreen::Leave() {
  FreeMenuPage(form_, page_);
  KillSlot(page_.Title);
  form_.KaltoSprite1.KillDead();
}

void ExitQuestionScreen::Yes() {
  form_.SaveProgressAndRecordsFiles();
  form_.GoTo(ScrExit);
}
