#include "platform/EventLoop.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

WindowConfig Headless() {
  WindowConfig c;
  c.Headless = true;
  return c;
}

struct Keys : WindowHandler {
  std::vector<int> Down;
  void KeyDown(int key, uint8_t) override { Down.push_back(key); }
};

// Counts its calls; asks to be called again after `Wait` seconds; stops the loop after
// `Limit` calls.
struct Frames : IdleHandler {
  EventLoop* Loop = nullptr;
  int Calls = 0;
  int Limit = 0;
  double Wait = 0;
  double OnIdle() override {
    if (++Calls == Limit) Loop->Quit();
    return Wait;
  }
};

TEST(EventLoop, OneTurnDeliversQueuedEventsThenTimersThenIdle) {
  Window window(Headless());
  Keys keys;
  window.SetHandler(&keys);
  VirtualClock clock;
  EventLoop loop(window, clock);
  Frames frames;
  frames.Loop = &loop;
  frames.Wait = 0.25;
  loop.SetIdleHandler(&frames);
  WindowTimer timer(clock, 10);
  int ticks = 0;
  timer.OnTimer = [&] { ++ticks; };
  timer.SetEnabled(true);
  loop.AddTimer(&timer);

  SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
  SDL_Event e{};
  e.type = SDL_KEYDOWN;
  e.key.keysym.scancode = SDL_SCANCODE_ESCAPE;
  SDL_PushEvent(&e);
  clock.Advance(20'000);
  EXPECT_DOUBLE_EQ(loop.RunOnce(), 0.25);
  EXPECT_EQ(keys.Down, std::vector<int>{27});
  EXPECT_EQ(ticks, 2);
  EXPECT_EQ(frames.Calls, 1);
  loop.RemoveTimer(&timer);
}

// With a real clock, Run keeps calling the idle handler until it quits; a handler that is
// always due gets called back at once.
TEST(EventLoop, RunCallsIdleUntilQuit) {
  Window window(Headless());
  RealClock clock;
  EventLoop loop(window, clock);
  Frames frames;
  frames.Loop = &loop;
  frames.Limit = 5;
  frames.Wait = 0.002;
  loop.SetIdleHandler(&frames);
  loop.Run();
  EXPECT_EQ(frames.Calls, 5);
  EXPECT_TRUE(loop.QuitRequested());
}

}  // namespace
