#pragma once
#include <bitset>
#include <cstdint>
#include <map>
#include <vector>

#include "platform/InputEvent.h"

// The gamepad controls the game reads, named after the standard controller layout.
enum class PadButton : uint8_t { A, B, X, Y, Start, DpadUp, DpadDown, DpadLeft, DpadRight };
// Axis values as SDL reports them: sticks -32768..32767 (y grows downwards), triggers
// 0..32767.
enum class PadAxis : uint8_t { LeftX, LeftY, TriggerLeft, TriggerRight };

// Turns gamepad controls into the keyboard's key events, so the key tables cannot tell a
// pad from a keyboard: the left stick and the d-pad are the arrow keys, A is Enter, B
// Escape, X Space, Y R, Start P, the right trigger Up (throttle) and the left trigger Down
// (brake). Several controls may hold one key (stick, d-pad and trigger, on any number of
// pads): the key goes down with the first and up with the last. No SDL here; pads are told
// apart by any id the caller chooses.
class GamepadKeys {
 public:
  // A stick or trigger presses its key beyond kPressTravel and lets it go only back inside
  // the dead zone, so a control resting near one threshold does not chatter.
  static constexpr int kDeadZone = 8000;
  static constexpr int kPressTravel = 16000;

  std::vector<InputEvent> Button(int pad, PadButton button, bool down);
  std::vector<InputEvent> Axis(int pad, PadAxis axis, int value);
  // The pad is gone: every key only it held is released.
  std::vector<InputEvent> Unplugged(int pad);
  // Whether any control of any pad holds the key now.
  bool Holds(int key) const;

 private:
  enum Source : uint8_t {
    StickLeft,
    StickRight,
    StickUp,
    StickDown,
    PadUp,
    PadDown,
    PadLeft,
    PadRight,
    ButtonA,
    ButtonB,
    ButtonX,
    ButtonY,
    ButtonStart,
    TriggerLeft,
    TriggerRight,
    kSourceCount
  };
  using Sources = std::bitset<kSourceCount>;

  static int KeyOf(Source source);
  // Sets one source and appends the key event when its key changes state.
  void Set(int pad, Source source, bool on, std::vector<InputEvent>& out);
  // A stick half or a trigger: pressed beyond the travel, released inside the dead zone.
  void SetTravel(int pad, Source source, int travel, std::vector<InputEvent>& out);

  std::map<int, Sources> held_;
};
