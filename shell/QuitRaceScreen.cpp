#include "shell/QuitRaceScreen.h"

#include "engine/graphics/PictureTable.h"
#include "shell/ButtonKeys.h"
#include "shell/GameSounds.h"
#include "shell/MenuBackground.h"
#include "shell/MenuFrame.h"
#include "shell/MenuSprites.h"
#include "shell/PageButton.h"
#include "shell/RaceFrame.h"
#include "shell/RaceHud.h"
#include "shell/Unit_pr.h"

namespace {

constexpr int32_t kSlideFrames = 20;
constexpr int32_t kSlideStep = 40;

}  // namespace

void QuitRaceScreen::Enter() {
  GameState& state = form_.State;
  state.KeyReleased.fill(0);
  page_.Gui = &form_.KaltoGUI1.CreatePage("GUI2");
  resumeButton_ = &AddPageButton(*page_.Gui, RequirePicture(form_.GameImageList, "b_no1"), -245,
                                 434, [this](TKaltoGUIComponent&) { Resume(); });
  quitButton_ = &AddPageButton(*page_.Gui, RequirePicture(form_.GameImageList, "b_yes1"), -380, 434,
                               [this](TKaltoGUIComponent&) { Quit(); });
  page_.Panel =
      new TGameMenuScreen(form_, -693, 97, 2000, "scr_exitgame", "menuexitgame", 255, true);
  state.PhaseCounter = 0;
  form_.Cursor->Visible = true;
}

void QuitRaceScreen::RunFrame() {
  GameState& state = form_.State;
  if (TakeButtonKeys(form_, FocusArrows::All, true)) return;
  if (TakeKeyRelease(state, vk::Escape) || TakeNoKey(state)) {
    PlayEffect(form_, "check2");
    Resume();
    return;
  }
  if (TakeKeyRelease(state, vk::Enter) || TakeYesKey(state)) {
    Quit();
    return;
  }
  if (state.PhaseCounter >= 0 && state.PhaseCounter < kSlideFrames) {
    resumeButton_->X += kSlideStep;
    quitButton_->X += kSlideStep;
    page_.Panel->SetX(page_.Panel->X() + kSlideStep);
    state.PhaseCounter += 1;
  }
  BeginRaceFrame(form_);
  DrawPageAndPointer(form_);
  DrawRaceHud(form_);
  EndRaceFrame(form_);
}

void QuitRaceScreen::Resume() {
  form_.GoTo(ScrRace);
  PlayEffect(form_, "check");
  form_.Cursor->Visible = false;
}

void QuitRaceScreen::Quit() {
  SwitchMusic(form_, "gamemusic", "menumusic");
  // A time trial goes back to the track it was driven on.
  form_.GoTo(form_.Race.TimeTrial ? ScrChooseTrack : ScrMainMenu);
  menus_->Build();
}

void QuitRaceScreen::Leave() {
  if (page_.Panel) page_.Panel->Dead();
  page_.Panel = nullptr;
  form_.KaltoGUI1.FreePage(page_.Gui);
  page_.Gui = nullptr;
  resumeButton_ = quitButton_ = nullptr;
}
