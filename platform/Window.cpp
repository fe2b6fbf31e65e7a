#include "platform/Window.h"

#include <SDL.h>

#include <cstring>
#include <stdexcept>

#include "platform/Cp1251.h"
#include "platform/SdlInput.h"

namespace {

bool AskedForByEnvironment(const char* videoDriver) {
  const char* wanted = SDL_getenv("SDL_VIDEODRIVER");
  return wanted != nullptr && SDL_strcasecmp(wanted, videoDriver) == 0;
}

}  // namespace

bool DrawsNowhere(const char* videoDriver) {
  return videoDriver != nullptr &&
         (std::strcmp(videoDriver, "offscreen") == 0 || std::strcmp(videoDriver, "dummy") == 0);
}

Window::Window(const WindowConfig& config)
    : headless_(config.Headless),
      clientWidth_(config.ClientWidth),
      clientHeight_(config.ClientHeight),
      pictureWidth_(config.ClientWidth),
      pictureHeight_(config.ClientHeight) {
  const bool softwareOnly = headless_ || config.SoftwareOnly;
  if (headless_) SDL_SetHint(SDL_HINT_VIDEODRIVER, "offscreen");
  // Closing the window is a request the game may refuse, not the end of the program.
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    throw std::runtime_error(std::string("cannot start video: ") + SDL_GetError());
  }
  const char* driver = SDL_GetCurrentVideoDriver();
  if (!headless_ && DrawsNowhere(driver) && !AskedForByEnvironment(driver)) {
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    throw std::runtime_error(
        "No display to show the game on.\nSet DISPLAY or WAYLAND_DISPLAY, or start it on a "
        "desktop.");
  }
  const std::string title = Cp1251ToUtf8(config.Title);
  // Made ready for OpenGL from the start: otherwise SDL re-creates the window when the
  // opengl renderer arrives, and each hide/show waits on the window manager.
  const Uint32 plain = SDL_WINDOW_SHOWN | SDL_WINDOW_RESIZABLE;
  const Uint32 flags = plain | (softwareOnly ? 0 : SDL_WINDOW_OPENGL);
  window_ = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                             clientWidth_, clientHeight_, flags);
  if (window_ == nullptr && flags != plain) {
    window_ = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                               clientWidth_, clientHeight_, plain);
  }
  if (window_ == nullptr) {
    const std::string reason = SDL_GetError();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    throw std::runtime_error("cannot open the window: " + reason);
  }
  // Larger only: below its opening size the picture's texts would not be readable.
  SDL_SetWindowMinimumSize(window_, clientWidth_, clientHeight_);
  pads_ = std::make_unique<Gamepads>();
}

Window::~Window() {
  pads_.reset();
  SDL_DestroyWindow(window_);
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

bool Window::SetFullScreen(bool on) {
  if (on == FullScreen()) return true;
  if (SDL_SetWindowFullscreen(window_, on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0) {
    return false;
  }
  if (!on) {
    SDL_SetWindowSize(window_, clientWidth_, clientHeight_);
    SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
  }
  return true;
}

bool Window::FullScreen() const {
  return (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
}

bool Window::Hidden() const {
  return (SDL_GetWindowFlags(window_) & (SDL_WINDOW_HIDDEN | SDL_WINDOW_MINIMIZED)) != 0;
}

void Window::SetTitle(const std::string& titleCp1251) {
  SDL_SetWindowTitle(window_, Cp1251ToUtf8(titleCp1251).c_str());
}

void Window::ShowCursor(bool visible) {
  SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

void Window::SetPictureSize(int width, int height) {
  pictureWidth_ = width;
  pictureHeight_ = height;
}

PictureFit Window::PicturePlace() const {
  int width = 0;
  int height = 0;
  SDL_GetWindowSize(window_, &width, &height);
  return FitPicture(width, height, pictureWidth_, pictureHeight_);
}

void Window::ToPicture(int& x, int& y) const {
  AreaToPicture(PicturePlace(), pictureWidth_, pictureHeight_, x, y, x, y);
}

void Window::Dispatch(const InputEvent& event) {
  switch (event.Kind) {
    case InputKind::KeyDown:
      if (hook_) hook_->HookInput(event);
      if (handler_) handler_->KeyDown(event.Key, event.Modifiers);
      break;
    case InputKind::KeyUp:
      if (handler_) handler_->KeyUp(event.Key, event.Modifiers);
      break;
    case InputKind::Char:
      if (hook_ && hook_->HookInput(event)) break;
      if (handler_) handler_->Char(event.Char);
      break;
    case InputKind::MouseMove:
    case InputKind::MouseDown:
    case InputKind::MouseUp:
    case InputKind::MouseDoubleClick:
      pointerX_ = event.X;
      pointerY_ = event.Y;
      if (hook_ && hook_->HookInput(event)) break;
      if (handler_) handler_->Mouse(event);
      break;
  }
}

bool Window::RequestClose() {
  return handler_ == nullptr || handler_->CloseQuery();
}

bool Window::HandleSdlEvent(const SDL_Event& event) {
  if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_CLOSE) {
    return !RequestClose();
  }
  // SDL_QUIT now only comes from a termination signal (Ctrl+C, kill): that ends the
  // program without asking.
  if (event.type == SDL_QUIT) return false;
  // A key held both on the keyboard and on a pad goes up only when both let go.
  std::vector<InputEvent> padEvents;
  if (pads_->Translate(event, padEvents)) {
    for (const InputEvent& e : padEvents) {
      if (e.Kind == InputKind::KeyUp && keyboardHeld_[e.Key]) continue;
      Dispatch(e);
    }
    return true;
  }
  for (InputEvent e : TranslateSdlEvent(event)) {
    if (e.Kind == InputKind::KeyDown) {
      keyboardHeld_[e.Key] = true;
    } else if (e.Kind == InputKind::KeyUp) {
      keyboardHeld_[e.Key] = false;
      if (pads_->Holds(e.Key)) continue;
    } else if (e.Kind != InputKind::Char) {
      ToPicture(e.X, e.Y);  // a mouse event
    }
    Dispatch(e);
  }
  return true;
}
