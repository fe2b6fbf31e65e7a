#pragma once
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/Clock.h"
#include "platform/GamePaths.h"
#include "platform/InputEvent.h"
#include "platform/PixelImage.h"
#include "shell/Unit_pr.h"

struct HarnessOptions {
  uint32_t RandomSeed = 12345;
  // Empty: the working folder (the tests run from the game folder).
  std::filesystem::path DataRoot;
  // Empty: a fresh folder of its own, removed with the harness, so no test sees another's
  // saves or the player's.
  std::filesystem::path SaveRoot;
};

// The real game, headless: TForm1 on SDL's offscreen video and the software renderer, a
// virtual clock and a fixed random seed. Input goes in as SDL events, through the same
// translation and window handlers as in the real loop, and is handled at the next step.
// Each step moves the clock to the time the next fixed step falls due and lets the loop
// take one turn, which draws exactly one frame running that one step. Frames are not
// rasterised (fast stepping) unless rendered.
class GameHarness {
 public:
  // Builds the game and shows it (the frame timer runs, the splash screen opens).
  explicit GameHarness(const HarnessOptions& options = {});
  ~GameHarness();
  GameHarness(const GameHarness&) = delete;
  GameHarness& operator=(const GameHarness&) = delete;

  TForm1& Form() { return *form_; }
  GameState& State() { return form_->State; }
  VirtualClock& Clock() { return clock_; }
  const GameRoots& Roots() const { return roots_; }
  int64_t FramesRun() const { return frames_; }

  // Input: keys by virtual-key code, text as UTF-8, mouse in picture coordinates.
  void KeyDown(int virtualKey);
  void KeyUp(int virtualKey);
  void PressKey(int virtualKey);  // down and up before the next frame
  void TypeText(const std::string& utf8);
  void MouseMove(int x, int y);
  void MouseDown(int x, int y, MouseButton button = MouseButton::Left);
  void MouseUp(int x, int y, MouseButton button = MouseButton::Left);
  void Click(int x, int y);
  // A close request as the window manager sends it; true when the game accepted it (the
  // loop then quits). Handled at once, with the events queued before it, without a frame.
  bool RequestClose();

  // One frame, not rasterised.
  void StepFrame();
  void StepFrames(int count);
  // One drawn frame that runs `steps` fixed steps (1 to the loop's catch-up bound): the
  // clock moves on to the time the last of them falls due, as when the machine was late
  // with the picture. Rasterised only when asked.
  void StepDrawnFrame(int steps, bool rasterize = false);
  // One frame drawn for real; returns the picture it showed.
  PixelImage RenderFrame();
  // Writes a picture as PNG; false on failure.
  static bool SaveFrame(const PixelImage& frame, const std::string& path);

 private:
  void Step(bool rasterize, int steps = 1);
  void PushKey(int virtualKey, bool down);
  void PushMouseButton(int x, int y, MouseButton button, bool down);

  VirtualClock clock_;
  GameRoots roots_;
  std::filesystem::path ownSaveRoot_;
  std::unique_ptr<TForm1> form_;
  int64_t frames_ = 0;
};
