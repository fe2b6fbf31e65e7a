#include "shell/RaceStart.h"

#include "core/GameTexts.h"
#include "shell/GameSounds.h"
#include "shell/ScreenPicture.h"
#include "shell/Unit_pr.h"

namespace {

// One frame shown while the race pictures load; the loading blocks the loop.
void DrawLoadingFrame(TForm1& form) {
  TKaltoScreen& screen = form.KaltoScreen1;
  screen.Clear(0, 0, 0, 0);
  screen.BeginScene();
  DrawPicture(form.KaltoImageList1, "splash_back", 0, 0);
  form.KaltoFont1.SetFont("Arial Black", 55, 0);
  form.KaltoFont1.SetColor(0xFFFFFFFF);
  form.KaltoFont1.TextOut(306, 312, TextOf(GameText::Loading));
  screen.EndScene();
}

}  // namespace

void BeginRace(TForm1& form) {
  SwitchMusic(form, "menumusic", "gamemusic");
  if (form.State.GameImagesPending) {
    DrawLoadingFrame(form);
    form.GameImageList.BuildTextures();
    form.State.GameImagesPending = false;
  }
  form.GoTo(ScrRace);
}
