#pragma once

class TForm1;
struct GameState;

// Which arrows move the focus between a screen's buttons: all four, or only up and down on
// screens whose left and right arrows already browse.
enum class FocusArrows { All, UpDownOnly };

// Keys on a screen of buttons (a pad's d-pad, stick and A arrive as the same keys): a
// released arrow moves the focus (see TKaltoGUI::MoveFocus) and Enter presses the button the
// keys focused. Otherwise Enter is left to the screen when ownEnter, else it gives the keys
// the focus (the hovered or the first button), so the first press shows where it is. True when a
// button was pressed: its handler may have left the screen, so the caller's frame ends there.
bool TakeButtonKeys(TForm1& form, FocusArrows arrows = FocusArrows::All, bool ownEnter = false);

// The yes/no keys of a question: 'Y' and 'N', taken from the released keys.
bool TakeYesKey(GameState& state);
bool TakeNoKey(GameState& state);
