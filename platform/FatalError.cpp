#include "platform/FatalError.h"

#include <SDL.h>

#include <cstdlib>

#include "platform/MessageBox.h"

void ExitOnFatalError(const std::vector<std::string>& messages) {
  SDL_ShowCursor(SDL_ENABLE);
  for (const std::string& text : messages) ShowMessageBox("Error", text);
  std::exit(1);
}
