#include <exception>

#include "platform/Clock.h"
#include "platform/GamePaths.h"
#include "platform/MessageBox.h"
#include "shell/Unit_pr.h"

// Runs the game until its window closes. Exit code 0 after a normal exit; 1 when the game
// cannot start or stops on an error (fatal graphics errors end the program with 1 too).
int main() {
  try {
    SetGameRoots(ResolveGameRoots(CurrentRootInputs()));
    const RealClock clock;
    const GameSetup setup{clock, static_cast<uint32_t>(clock.Now()), false};
    TForm1 form(setup);
    form.FormShow();
    form.Loop.Run();
    return 0;
  } catch (const std::exception& error) {
    ShowMessageBox("Error", error.what());
    return 1;
  }
}
