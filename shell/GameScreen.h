#pragma once

// One screen of the game's state machine. The main window keeps one per screen state and
// dispatches to it: Enter builds the screen (and sets ScreenState itself), RunFrame reads
// its keys, moves and draws one frame, Leave tears down what Enter built. A screen change
// is always Leave of the current screen, then Enter of the next.
class GameScreen {
 public:
  virtual ~GameScreen() = default;
  virtual void Enter() = 0;
  virtual void RunFrame() = 0;
  virtual void Leave() = 0;
};
