#include "shell/MainMenuScreen.h"

#include "online/GoToLink.h"
#include "shell/ButtonKeys.h"
#include "shell/MenuBackground.h"
#include "shell/MenuFrame.h"
#include "shell/MenuSprites.h"
#include "shell/Unit_pr.h"

namespace {

constexpr int32_t kColumnButtons = 5;
constexpr int32_t kColumnTop = 250;
constexpr int32_t kColumnSpacing = 50;
constexpr int32_t kSlideStep = 20;
constexpr int32_t kScoreCheat = 10;

}  // namespace

void MainMenuScreen::Enter() {
  StepMenuWorld(form_);
  ClearKeyReleased(form_.State);
  CreateMenuPage(form_, page_);
  AddMenuButton(form_, page_, "b_stgame", 320, 610, [this] {
    ClearKeyReleased(form_.State);
    PlayCheck(form_);
    form_.GoTo(ScrChooseTrack);
  });
  AddMenuButton(form_, page_, "b_opt", 320, 670, [this] { GoToWithClick(ScrOptions); });
  AddMenuButton(form_, page_, "b_help", 320, 750, [this] { GoToWithClick(ScrHelp); });
  AddMenuButton(form_, page_, "b_visit", 320, 850, [this] {
    PlayCheck(form_);
    OpenFileIfExists("moregames.url");
  });
  AddMenuButton(form_, page_, "b_exit", 320, 970, [this] { GoToWithClick(ScrExitConfirm); });
  AddMenuButton(form_, page_, "b_logo", 0, 494, [this] {
    PlayCheck(form_);
    OpenFileIfExists("website.url");
  });
  form_.KaltoFont1.SetFont("Arial Black", 10, 0);
  form_.KaltoFont2.SetFont("Arial Black", 10, 0);
  form_.KaltoFont2.SetColor(0xFF0F0F0F);
  form_.KaltoFont3.SetFont("Arial Black", 23, 0);
  form_.KaltoFont3.SetColor(0xFFA70918);
  page_.Title = new TMenuScreen(form_, 0, 0, 500, "scr_title", "scrOptions", 255, true);
  page_.Second = new TMenuScreen(form_, 292, 180, 400, "dobav", "scrOptions", 255, true);
  form_.State.AnimCounter = 0;
}

void MainMenuScreen::RunFrame() {
  GameState& state = form_.State;
  if (TakeKeyRelease(state, vk::Escape)) {
    PlayCheck2(form_);
    GoToWithClick(ScrExitConfirm);
    return;
  }
  if (TakeKeyRelease(state, vk::Z)) state.Score += kScoreCheat;
  if (TakeButtonKeys(form_)) return;

  for (int32_t i = 0; i < kColumnButtons; ++i) {
    TKaltoButton& button = *page_.Buttons[static_cast<size_t>(i + 1)];
    const int32_t rest = kColumnTop + kColumnSpacing * i;
    if (button.Y > rest) button.Y -= kSlideStep;
    if (button.Y < rest) button.Y = rest;
  }

  BeginMenuFrame(form_);
  StepMenuWorld(form_);
  DrawSpritesBelowPointer(form_, *background_);
  form_.KaltoGUI1.Draw();
  background_->DrawLampsAndGreeting();
  EndMenuFrame(form_);
}

void MainMenuScreen::Leave() {
  KillSlot(page_.Title);
  KillSlot(page_.Second);
  form_.KaltoSprite1.KillDead();
  FreeMenuPage(form_, page_);
}

void MainMenuScreen::GoToWithClick(uint8_t next) {
  PlayCheck(form_);
  form_.GoTo(next);
}
