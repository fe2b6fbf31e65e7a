#include "shell/GameMain.h"

#include <exception>

#include "platform/Clock.h"
#include "platform/GamePaths.h"
#include "platform/MessageBox.h"
#include "shell/Unit_pr.h"

int RunGame(const std::function<void(TForm1&)>& prepare, std::optional<RendererChoice> renderer) {
  try {
    SetGameRoots(ResolveGameRoots(CurrentRootInputs()));
    const RealClock clock;
    const GameSetup setup{clock, static_cast<uint32_t>(clock.Now()), false, renderer};
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

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  const std::string rendererFlag = "--renderer=";
  CommandLine line;
  for (const std::string& argument : arguments) {
    if (argument.rfind(rendererFlag, 0) == 0) {
      line.Renderer = ParseRendererChoice(argument.substr(rendererFlag.size()));
      if (!line.Renderer) line.Error = "unknown renderer in " + argument;
    } else {
      line.Error = "unknown argument " + argument;
    }
    if (!line.Error.empty()) return line;
  }
  return line;
}
