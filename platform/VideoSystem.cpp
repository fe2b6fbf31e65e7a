#include "platform/VideoSystem.h"

#include <SDL.h>

VideoSystemHold::VideoSystemHold() : started_(SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) {}

VideoSystemHold::~VideoSystemHold() {
  if (started_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}
