#include <cstdio>
#include <string>
#include <vector>

#include "shell/GameMain.h"

// The game as shipped: one optional switch, no environment of its own.
int main(int argc, char** argv) {
  const CommandLine line = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  if (!line.Error.empty()) {
    std::fprintf(stderr, "%s\nusage: %s [--renderer=auto|opengl|software]\n", line.Error.c_str(),
                 argv[0]);
    return 2;
  }
  return RunGame({}, line.Renderer);
}
