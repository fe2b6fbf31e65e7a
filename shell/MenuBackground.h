#pragma once
#include <array>

class TKaltoFont;
class TLight;
class TRunningString;
struct RaceContext;

// The menus' moving background: the three lamps, the demo race and the greeting marquee.
// The menu screens share it. It is built when the splash screen ends and on every return
// from a race to the menus, and ended when a race starts, which takes the world over.
class MenuBackground {
 public:
  // The lamps and the demo race live in the race's world; the greeting is measured and
  // written in greetingFont.
  MenuBackground(RaceContext& race, TKaltoFont& greetingFont)
      : race_(race), greetingFont_(greetingFont) {}

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
  RaceContext& race_;
  TKaltoFont& greetingFont_;
  std::array<TLight*, 3> lamps_{};
  TRunningString* greeting_ = nullptr;
};
