#pragma once
#include <map>
#include <vector>

#include "platform/GamepadKeys.h"
#include "platform/InputEvent.h"

struct _SDL_GameController;
union SDL_Event;

// The game controllers plugged in, through SDL's game-controller API: opened as SDL
// announces them (also those present at start), closed when unplugged. Their controls
// become key events (see GamepadKeys). Owns SDL's game-controller subsystem; without it
// (SDL refused) there are simply no pads.
class Gamepads {
 public:
  Gamepads();
  ~Gamepads();
  Gamepads(const Gamepads&) = delete;
  Gamepads& operator=(const Gamepads&) = delete;

  bool Available() const { return available_; }
  int Count() const { return static_cast<int>(open_.size()); }
  // True for the SDL events that belong to controllers; `out` gets the key events they
  // stand for.
  bool Translate(const SDL_Event& event, std::vector<InputEvent>& out);
  // Whether a pad holds the key now.
  bool Holds(int key) const { return keys_.Holds(key); }

 private:
  bool available_ = false;
  std::map<int, _SDL_GameController*> open_;  // by SDL's joystick instance id
  GamepadKeys keys_;
};
