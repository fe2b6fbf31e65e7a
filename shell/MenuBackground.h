#pragma once
#include <array>

class TForm1;
class TLight;
class TRunningString;

// The menus' moving background: the three lamps, the demo race and the greeting marquee.
// The menu screens share it. It is built when the splash screen ends and on every return
// from a race to the menus, and ended when a race starts, which takes the world over.
class MenuBackground {
 public:
  explicit MenuBackground(TForm1& form) : form_(form) {}

  // A demo course that cannot be loaded is reported in a message box; the menus then run
  // without the demo cars.
  void Build();
  // The demo race's cars, the lamps and the greeting go (none of them when not built).
  void End();

  const std::array<TLight*, 3>& Lamps() const { return lamps_; }
  // Null while the background is not built.
  TRunningString* Greeting() const { return greeting_; }

  void DrawLamps() const;
  // The part of the greeting that fills its strip at the top of the screen.
  void DrawGreeting() const;
  void DrawLampsAndGreeting() const;

 private:
  TForm1& form_;
  std::array<TLight*, 3> lamps_{};
  TRunningString* greeting_ = nullptr;
};
