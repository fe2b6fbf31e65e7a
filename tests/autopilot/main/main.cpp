#include <optional>

#include "shell/GameMain.h"
#include "shell/Unit_pr.h"
#include "tests/autopilot/RaceAutopilot.h"

// The game for black-box tests: the autopilot drives the player's car in every race; the
// menus, and everything else, stay in the tester's hands. Run it from a game folder.
int main() {
  std::optional<RaceAutopilot> autopilot;
  return RunGame([&](TForm1& form) {
    autopilot.emplace(form);
    autopilot->Attach();
  });
}
