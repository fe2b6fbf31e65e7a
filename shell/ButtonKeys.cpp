#include "shell/ButtonKeys.h"

#include "shell/MenuFrame.h"
#include "shell/Unit_pr.h"

bool TakeButtonKeys(TForm1& form, FocusArrows arrows, bool ownEnter) {
  GameState& state = form.State;
  TKaltoGUI& gui = form.KaltoGUI1;
  struct Arrow {
    int Key;
    int Dx;
    int Dy;
  };
  for (const Arrow& arrow : {Arrow{vk::Up, 0, -1}, Arrow{vk::Down, 0, 1}, Arrow{vk::Left, -1, 0},
                             Arrow{vk::Right, 1, 0}}) {
    if (arrows == FocusArrows::UpDownOnly && arrow.Dy == 0) continue;
    if (TakeKeyRelease(state, arrow.Key) && gui.MoveFocus(arrow.Dx, arrow.Dy)) PlayCheck2(form);
  }
  if (!state.KeyReleased[vk::Enter]) return false;
  if (gui.KeysHaveFocus()) {
    state.KeyReleased[vk::Enter] = 0;
    return gui.PressFocused();
  }
  if (!ownEnter) {
    state.KeyReleased[vk::Enter] = 0;
    if (gui.MoveFocus(0, 0)) PlayCheck2(form);
  }
  return false;
}

bool TakeYesKey(GameState& state) {
  return TakeKeyRelease(state, vk::LetterA + ('Y' - 'A'));
}

bool TakeNoKey(GameState& state) {
  return TakeKeyRelease(state, vk::LetterA + ('N' - 'A'));
}
