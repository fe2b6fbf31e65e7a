#include "shell/GameMain.h"

#include <exception>

#include "platform/Clock.h"
#include "platform/GamePaths.h"
#include "platform/MessageBox.h"
#include "shell/Unit_pr.h"

int RunGame(const std::function<void(TForm1&)>& prepare) {
  try {
    SetGameRoots(ResolveGameRoots(CurrentRootInputs()));
    const RealClock clock;
    const GameSetup setup{clock, static_cast<uint32_t>(clock.Now()), false};
    TForm1 form(setup);
    if (prepare) prepare(form);
    form.FormShow();
    form.Loop.Run();
    return 0;
  } catch (const std::exception& error) {
    ShowMessageBox("Error", error.what());
    return 1;
  }
}
