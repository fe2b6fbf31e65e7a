#include "shell/RaceFrame.h"

#include "shell/MenuSprites.h"
#include "shell/Unit_pr.h"

void BeginRaceFrame(TForm1& form) {
  form.KaltoScreen1.Clear(0, 0, 0, 0);
  form.KaltoScreen1.BeginScene();
  form.GameImageList.BeginDraw();
  form.KaltoSprite1.DrawAll();
}

void EndRaceFrame(TForm1& form) {
  form.GameImageList.EndDraw();
  form.KaltoScreen1.EndScene();
}

void DrawPageAndPointer(TForm1& form) {
  form.KaltoGUI1.Draw();
  form.Cursor->Move(0);
  form.Cursor->Draw();
}
