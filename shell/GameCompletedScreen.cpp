#include "shell/GameCompletedScreen.h"

#include "shell/MenuSprites.h"
#include "shell/RaceFrame.h"
#include "shell/Unit_pr.h"

void GameCompletedScreen::Enter() {
  GameState& state = form_.State;
  state.KeyReleased.fill(0);
  state.AnimCounter = 0;
  page_.Panel = new TGameMenuScreen(form_, 0, 0, 10, "gamecompl", "gamecompl", 255, true);
}

void GameCompletedScreen::RunFrame() {
  GameState& state = form_.State;
  form_.KaltoSprite1.KillDead();
  form_.Cursor->Move(0);
  BeginRaceFrame(form_);
  EndRaceFrame(form_);
  state.AnimCounter += 1;
  if (state.AnimCounter >= kShownFrames) {
    form_.GoTo(ScrGameOver);
  }
}

void GameCompletedScreen::Leave() {
  if (page_.Panel) page_.Panel->Dead();
  page_.Panel = nullptr;
  form_.KaltoSprite1.KillDead();  // the game-over screen does not free dead sprites
}
