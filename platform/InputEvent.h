#pragma once
#include <cstdint>

// One input event of the main window, already in the game's terms: mouse positions in
// 800 x 600 picture coordinates (whatever the window's real size or letterboxing), keys as
// the virtual-key codes of base/VirtualKeys.h, characters as Windows-1251 bytes.
enum class InputKind : uint8_t {
  MouseMove,
  MouseDown,
  MouseUp,
  MouseDoubleClick,  // replaces the second press of a double click (then MouseUp follows)
  Char,
  KeyDown,  // also sent for auto-repeat, as a held key repeats
  KeyUp,
};

enum class MouseButton : uint8_t { Left, Right, Middle };

// Modifier keys held at the time of the event.
enum ModifierBits : uint8_t { ModShift = 1, ModCtrl = 2, ModAlt = 4 };

struct InputEvent {
  InputKind Kind = InputKind::MouseMove;
  int X = 0;  // mouse events
  int Y = 0;
  MouseButton Button = MouseButton::Left;  // MouseDown, MouseUp, MouseDoubleClick
  int Key = 0;                             // KeyDown, KeyUp: virtual-key code 1..255
  uint8_t Char = 0;       // Char: one Windows-1251 byte; 0 for a character Windows-1251 lacks
  uint8_t Modifiers = 0;  // ModifierBits
};

// Sees every mouse, Char and KeyDown event before the window's handler (the GUI plugs in
// here). Returning true marks a mouse or Char event handled: the window's handler does not
// get it. KeyDown events always reach the window's handler as well, whatever is returned.
// KeyUp events do not pass through the hook.
class InputHook {
 public:
  virtual ~InputHook() = default;
  virtual bool HookInput(const InputEvent& event) = 0;
};

// The main window's own handlers. Every method has a do-nothing default.
class WindowHandler {
 public:
  virtual ~WindowHandler() = default;
  virtual void KeyDown(int /*key*/, uint8_t /*modifiers*/) {}
  virtual void KeyUp(int /*key*/, uint8_t /*modifiers*/) {}
  // Mouse events the hook left unhandled (all mouse kinds, including moves).
  virtual void Mouse(const InputEvent& /*event*/) {}
  // Characters the hook left unhandled.
  virtual void Char(uint8_t /*ch*/) {}
  // A close request (window manager, Alt+F4): return false to refuse it.
  virtual bool CloseQuery() { return true; }
};
