#include "shell/GameMain.h"

// The game as shipped: no switches, no environment of its own.
int main() {
  return RunGame();
}
