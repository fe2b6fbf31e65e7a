#pragma once
#include <cstdint>

struct _SDL_Joystick;

// A game controller that exists only in SDL (its virtual-joystick driver): plugged in when
// made, unplugged when destroyed or on Unplug. Changes reach the game as the SDL events a
// real pad sends, at the next event pump. Needs SDL's game-controller subsystem running
// (the game's window starts it).
class VirtualPad {
 public:
  VirtualPad();
  ~VirtualPad();
  VirtualPad(const VirtualPad&) = delete;
  VirtualPad& operator=(const VirtualPad&) = delete;

  // Values as the game reads them: sticks -32768..32767, triggers 0..32767.
  // axis and button are SDL_GameControllerAxis and SDL_GameControllerButton values.
  void SetAxis(int axis, int value);
  void SetButton(int button, bool down);
  void Unplug();
  bool Plugged() const { return joystick_ != nullptr; }

 private:
  _SDL_Joystick* joystick_ = nullptr;
};
