#include "shell/ExitPageScreen.h"

#include "shell/Unit_pr.h"

void ExitPageScreen::Enter() {
  form_.State.ScreenState = ScrExit;
  form_.KaltoScreen1.ShowMouseCursor = true;
  form_.MainWindow.ShowCursor(true);
  form_.KaltoGUI1.Deactivate();  // the page takes the mouse itself
  TShareScreen& page = *form_.PromoScreen;
  if (!page.Valid) {
    page.Countdown = 0;
    form_.Close();
  }
}

void ExitPageScreen::RunFrame() {
  TShareScreen& page = *form_.PromoScreen;
  if (page.Countdown > 0) --page.Countdown;
  TKaltoScreen& screen = form_.KaltoScreen1;
  screen.Clear(0, 0, 0, 0);
  screen.BeginScene();
  form_.ShareList.BeginDraw();
  for (TShareScreen::TButton& button : page.PromoButtons) {
    page.UpdateHover(button, form_.MainWindow.PointerX(), form_.MainWindow.PointerY());
  }
  page.Draw();
  // The menu pointer sprite: with the menu sprites.
  form_.ShareList.EndDraw();
  screen.EndScene();
}
