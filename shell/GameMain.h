#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/RendererChoice.h"

class TForm1;

// Runs the game until its window closes: the roots resolved from the process, the real
// clock, a seed taken from it. `prepare` sees the form before it shows (test programs
// install their hooks there). Exit code 0 after a normal exit; 1 when the game cannot start
// or stops on an error, which is shown in a message box.
// `renderer` forces a renderer and keeps it in the options file; absent, the options file's
// choice stands.
int RunGame(const std::function<void(TForm1&)>& prepare = {},
            std::optional<RendererChoice> renderer = std::nullopt);

// The game's command line (the arguments after the program's name): nothing, or
// "--renderer=auto|opengl|software". Gives the renderer asked for, or the complaint about
// an argument it does not know.
struct CommandLine {
  std::optional<RendererChoice> Renderer;
  std::string Error;
};
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);
