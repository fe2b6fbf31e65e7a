#pragma once
#include <bitset>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/Gamepads.h"
#include "platform/InputEvent.h"
#include "platform/PictureFit.h"

struct SDL_Window;
union SDL_Event;

// How the main window is made. Nothing here is read from the environment: the game uses
// the defaults, the headless harness and the tests ask for Headless.
struct WindowConfig {
  std::string Title = "Brindle Karts";  // Windows-1251 bytes
  int ClientWidth = 800;
  int ClientHeight = 600;
  // SDL's offscreen video driver (no display needed); pair it with the software renderer.
  bool Headless = false;
  // Drawn by the software renderer only: no OpenGL driver is loaded for the window, which
  // shows the renderer's memory picture directly. Headless windows are always so.
  bool SoftwareOnly = false;
};

// Whether SDL's video driver of this name draws nowhere a player could see ("offscreen",
// "dummy"): SDL falls back to them when no display can be reached.
bool DrawsNowhere(const char* videoDriver);

// The game's main window: opens centred with the configured client size, which is also the
// size of the game's picture; the player may enlarge it (its edge, maximise) or go full
// screen, and the picture is then scaled into it (see PictureFit). Mouse events reach the
// handlers in picture coordinates at every size. Owns SDL's video subsystem for its
// lifetime. Events reach it through Dispatch (from the event loop, or straight from a test),
// which routes them through the hook and to the handler.
class Window {
 public:
  // Opens the window; throws std::runtime_error with SDL's reason when it cannot, and when
  // SDL could reach no display: a driver that draws nowhere is used only when Headless or
  // the environment's SDL_VIDEODRIVER asks for it by name.
  explicit Window(const WindowConfig& config = {});
  ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  bool Headless() const { return headless_; }
  int ClientWidth() const { return clientWidth_; }
  int ClientHeight() const { return clientHeight_; }
  // The picture shown in the window (the render device's picture size); the client size
  // until set.
  void SetPictureSize(int width, int height);
  // Where the picture lies in the window now, in window coordinates.
  PictureFit PicturePlace() const;
  SDL_Window* Handle() const { return window_; }

  // Neither is owned; either may be null. The hook sees events first (see InputHook).
  void SetInputHook(InputHook* hook) { hook_ = hook; }
  InputHook* GetInputHook() const { return hook_; }
  void SetHandler(WindowHandler* handler) { handler_ = handler; }

  // Desktop full screen: the picture keeps its size, scaled and letterboxed by the render
  // device. Leaving it puts the window back at its opening size, centred. Returns false when
  // SDL refused.
  bool SetFullScreen(bool on);
  bool FullScreen() const;
  // Minimised or hidden: nothing of the picture can be seen.
  bool Hidden() const;

  void SetTitle(const std::string& titleCp1251);
  void ShowCursor(bool visible);
  // The pointer's position in picture coordinates (the client area's top-left is 0,0), as
  // the last mouse event delivered here gave it, whether or not the hook took that event.
  int PointerX() const { return pointerX_; }
  int PointerY() const { return pointerY_; }

  // Delivers one event (mouse positions in picture coordinates): mouse and Char go to the hook,
  // then (when not handled) to the handler; KeyDown goes to the hook and always to the handler;
  // KeyUp to the handler only.
  void Dispatch(const InputEvent& event);
  // A close request: true when the handler (if any) agreed; the caller then quits.
  bool RequestClose();

  // The game controllers: their controls arrive as key events, like the keyboard's.
  const Gamepads& Pads() const { return *pads_; }

  // Translates one SDL event (keyboard, mouse, text, game controller) and dispatches what it
  // yields; returns false for a close request that the handler accepted (time to quit).
  // Other SDL events are ignored here.
  bool HandleSdlEvent(const SDL_Event& event);

 private:
  SDL_Window* window_ = nullptr;
  bool headless_ = false;
  int clientWidth_ = 0;
  int clientHeight_ = 0;
  int pictureWidth_ = 0;
  int pictureHeight_ = 0;
  InputHook* hook_ = nullptr;
  WindowHandler* handler_ = nullptr;
  int pointerX_ = 0;
  int pointerY_ = 0;
  std::unique_ptr<Gamepads> pads_;  // made after the video subsystem, gone before it
  std::bitset<256> keyboardHeld_;   // by virtual-key code

  // Window coordinates to picture coordinates.
  void ToPicture(int& x, int& y) const;
};
