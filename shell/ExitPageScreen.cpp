#include "shell/ExitPageScreen.h"

#include "shell/MenuFrame.h"
#include "shell/MenuSprites.h"
#include "shell/Unit_pr.h"

void ExitPageScreen::Enter() {
  form_.KaltoScreen1.ShowMouseCursor = true;
  form_.MainWindow.ShowCursor(true);
  // The page takes the mouse itself, for good: without a screen the GUI does not take the
  // input hook back after a device reset.
  form_.KaltoGUI1.Deactivate();
  form_.KaltoGUI1.SetKaltoScreen(nullptr);
  ClearKeyReleased(form_.State);
  pointerX_ = pointerY_ = -1;
  TShareScreen& page = *form_.PromoScreen;
  if (!page.Valid) {
    page.Countdown = 0;
    form_.Close();
  }
}

void ExitPageScreen::RunFrame() {
  TShareScreen& page = *form_.PromoScreen;
  if (page.Countdown > 0) --page.Countdown;
  // The pointer decides the hover only when it has moved, so a focus the keys set stays.
  const int x = form_.MainWindow.PointerX();
  const int y = form_.MainWindow.PointerY();
  if (x != pointerX_ || y != pointerY_) {
    pointerX_ = x;
    pointerY_ = y;
    for (TShareScreen::TButton& button : page.PromoButtons) page.UpdateHover(button, x, y);
  }
  if (TakeKeys(page)) return;
  TKaltoScreen& screen = form_.KaltoScreen1;
  screen.Clear(0, 0, 0, 0);
  screen.BeginScene();
  form_.ShareList.BeginDraw();
  page.Draw();
  form_.ShareList.EndDraw();
  // The game's own pointer over the page, from the menus' pictures.
  form_.KaltoImageList1.BeginDraw();
  form_.Cursor->Move(1);
  form_.Cursor->Draw();
  form_.KaltoImageList1.EndDraw();
  screen.EndScene();
}

bool ExitPageScreen::TakeKeys(TShareScreen& page) {
  GameState& state = form_.State;
  std::vector<TShareScreen::TButton>& buttons = page.PromoButtons;
  const int count = static_cast<int>(buttons.size());
  if (count == 0) return false;
  int focus = -1;
  for (int index = 0; index < count; ++index) {
    if (buttons[static_cast<size_t>(index)].Hover) focus = index;
  }
  int step = 0;
  if (TakeKeyRelease(state, vk::Up) || TakeKeyRelease(state, vk::Left)) step = -1;
  if (TakeKeyRelease(state, vk::Down) || TakeKeyRelease(state, vk::Right)) step = 1;
  const bool enter = TakeKeyRelease(state, vk::Enter);
  if (enter && focus >= 0) {
    page.RunAction(buttons[static_cast<size_t>(focus)]);
    return form_.Loop.QuitRequested();
  }
  if (step == 0 && !enter) return false;
  // The first key puts the focus on the first visible button; the arrows go round them.
  const auto visible = [&](int index) { return buttons[static_cast<size_t>(index)].Visible; };
  int next = focus;
  if (focus < 0) {
    next = 0;
    while (next < count - 1 && !visible(next)) ++next;
  } else {
    do {
      next = ((next + step) % count + count) % count;
    } while (next != focus && !visible(next));
  }
  for (int index = 0; index < count; ++index) {
    buttons[static_cast<size_t>(index)].Hover = index == next;
  }
  return false;
}
