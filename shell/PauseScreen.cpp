#include "shell/PauseScreen.h"

#include "shell/MenuSprites.h"
#include "shell/RaceFrame.h"
#include "shell/RaceHud.h"
#include "shell/Unit_pr.h"

void PauseScreen::Enter() {
  GameState& state = form_.State;
  state.KeyReleased.fill(0);
  page_.Panel = new TGameMenuScreen(form_, 130, 248, 2000, "scr_pause", "pause", 255, true);
  form_.Cursor->Visible = true;
}

void PauseScreen::RunFrame() {
  auto& released = form_.State.KeyReleased;
  if (released[vk::Escape] || released[vk::P] || released[vk::F1]) {
    released[vk::Escape] = released[vk::P] = released[vk::F1] = 0;
    form_.GoTo(ScrRace);
    return;
  }
  BeginRaceFrame(form_);
  form_.Cursor->Move(0);
  form_.Cursor->Draw();
  DrawRaceHud(form_);
  EndRaceFrame(form_);
}

void PauseScreen::Leave() {
  if (page_.Panel) page_.Panel->Dead();
  page_.Panel = nullptr;
  form_.Cursor->Visible = false;
}
