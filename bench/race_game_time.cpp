// Game time against wall time in a real window: a race on the largest track with seven
// computer cars, the player's car driven by the autopilot, run by the game's own loop for
// 20 s after the green light, at the natural drawn rate and with the drawn frames slowed
// to about 45 a second (a sleep after each picture is shown). `make bench` runs it under Xvfb.
//
// Figures:
//   drawn_fps         drawn frames a second
//   game_s_per_wall_s race-clock seconds per wall-clock second (goal: 1.00 +- 0.02 both ways)
//   steps             simulation steps in the 20 s (goal: 1800 +- 36 both ways)
//   game_s            race-clock seconds in the 20 s (goal: 20 +- 0.4 both ways)
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <thread>

#include "platform/Clock.h"
#include "race/Autopilot.h"
#include "race/Player.h"
#include "shell/Unit_pr.h"
#include "tests/harness/WindowedRace.h"

namespace {

constexpr int kOpponents = 7;
constexpr double kMeasuredSeconds = 20;
// Seconds of race before the measurement: the start lights are over, the clock runs.
constexpr double kLeadInSeconds = 3.5;
// With drawing slowed, a drawn frame is shown no sooner than this after the one before.
constexpr auto kSlowFramePeriod = std::chrono::microseconds(1'000'000 / 45);

int64_t Hundredths(const RaceTime& t) {
  return t.Minutes * 6000 + t.Seconds * 100 + t.Hundredths;
}

// What the measurement reads off the running game at its start and end.
struct Reading {
  std::chrono::steady_clock::time_point Wall;
  int64_t Steps = 0;
  int64_t DrawnFrames = 0;
  int64_t RaceHundredths = 0;
};

void BM_RaceGameTime(benchmark::State& bench, bool slowDrawing) {
  for (auto _ : bench) {
    WindowedRace race(kOpponents, RendererChoice::Automatic);
    TForm1& form = race.Form();
    const Clock& clock = race.GameClock();
    Autopilot pilot(form.Race);
    int64_t steps = 0;
    form.BeforeStep = [&] {
      ++steps;
      pilot.PressKeys();
    };
    int64_t drawnFrames = 0;
    auto lastShown = std::chrono::steady_clock::now();
    form.AfterDrawnFrame = [&] {
      ++drawnFrames;
      if (slowDrawing) std::this_thread::sleep_until(lastShown + kSlowFramePeriod);
      lastShown = std::chrono::steady_clock::now();
    };
    auto read = [&] {
      return Reading{std::chrono::steady_clock::now(), steps, drawnFrames,
                     Hundredths(form.Race.Player->RaceClock)};
    };
    // One run of the game's loop: the measurement starts after the lead-in and ends with
    // the loop.
    Reading start;
    WindowTimer mark(clock, static_cast<int>(kLeadInSeconds * 1000));
    mark.OnTimer = [&] {
      start = read();
      mark.SetEnabled(false);
    };
    WindowTimer stop(clock, static_cast<int>((kLeadInSeconds + kMeasuredSeconds) * 1000));
    stop.OnTimer = [&form] { form.Loop.Quit(); };
    form.Loop.AddTimer(&mark);
    form.Loop.AddTimer(&stop);
    form.KaltoTimer1.SetEnabled(true);
    form.Steps.Restart(clock.Now());
    mark.SetEnabled(true);
    stop.SetEnabled(true);
    form.Loop.Run();
    const Reading end = read();
    form.Loop.RemoveTimer(&mark);
    form.Loop.RemoveTimer(&stop);

    const double wall = std::chrono::duration<double>(end.Wall - start.Wall).count();
    const double gameSeconds =
        static_cast<double>(end.RaceHundredths - start.RaceHundredths) / 100.0;
    bench.SetLabel(slowDrawing ? "drawing slowed" : "natural rate");
    bench.counters["drawn_fps"] = static_cast<double>(end.DrawnFrames - start.DrawnFrames) / wall;
    bench.counters["game_s_per_wall_s"] = gameSeconds / wall;
    bench.counters["steps"] = static_cast<double>(end.Steps - start.Steps);
    bench.counters["game_s"] = gameSeconds;
    bench.counters["wall_s"] = wall;
    std::printf(
        "%s: %lld steps and %.2f s of race in %.3f s of wall time, %.1f drawn frames a second\n",
        slowDrawing ? "drawing slowed" : "natural rate",
        static_cast<long long>(end.Steps - start.Steps), gameSeconds, wall,
        static_cast<double>(end.DrawnFrames - start.DrawnFrames) / wall);
    bench.counters["still_racing"] = form.State.ScreenState == ScrRace ? 1 : 0;
  }
}

BENCHMARK_CAPTURE(BM_RaceGameTime, natural, false)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_RaceGameTime, slowed, true)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
