#include "platform/MessageBox.h"

#include <SDL.h>

#include <cstdio>

#include "platform/Cp1251.h"
#include "platform/MessageText.h"
#include "platform/Window.h"

namespace {

bool RealDisplayAvailable() {
  if (SDL_WasInit(SDL_INIT_VIDEO) == 0) return false;
  const char* driver = SDL_GetCurrentVideoDriver();
  return driver != nullptr && !DrawsNowhere(driver);
}

}  // namespace

void ShowMessageBox(const std::string& title, const std::string& text) {
  const std::string utf8Title = Cp1251ToUtf8(title);
  const std::string utf8Text = Cp1251ToUtf8(FitMessageText(text));
  std::fprintf(stderr, "%s: %s\n", utf8Title.c_str(), utf8Text.c_str());
  std::fflush(stderr);
  if (RealDisplayAvailable()) {
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, utf8Title.c_str(), utf8Text.c_str(), nullptr);
  }
}
