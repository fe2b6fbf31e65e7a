#pragma once

class MenuBackground;
struct MenuPage;

// One screen of the game's state machine. The main window keeps one per screen state and
// dispatches to it: Enter builds the screen, RunFrame reads its keys, moves and draws one
// frame, Leave tears down what Enter built. Screens change only through TForm1::GoTo, which
// sets ScreenState and calls Leave of the current screen, then Enter of the next.
class GameScreen {
 public:
  virtual ~GameScreen() = default;
  virtual void Enter() = 0;
  virtual void RunFrame() = 0;
  virtual void Leave() = 0;
  // A panel opens over the screen it is reached from, which stays built beneath it: the
  // panel's frame draws that screen's picture, and going back to it closes only the panel.
  virtual bool IsPanel() const { return false; }
  // The page and sprites the screen owns while it shows; null for a screen without them.
  virtual MenuPage* Page() { return nullptr; }
  // The menus' background the screen shows behind it; null outside the menus.
  virtual const MenuBackground* Background() const { return nullptr; }
};
