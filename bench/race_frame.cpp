// Whole race frames of the game in a real window: the race screen of the largest track with
// seven computer cars, the player's car driven by the autopilot, simulation, drawing and HUD
// texts, presented. `make bench` runs it under Xvfb.
//
// Figures, per driver (the game's pick, then software):
//   fps, x90      race frames a second with no cap, and that as a multiple of the 90 a
//                 second the game runs at (goal: at least 2)
//   cpu%          share of one core used by the whole process (all threads) while the
//                 game's own loop holds 90 frames a second in the race (goal: at most 50)
//   peak_rss_MB   the process's peak resident memory by the end of the race frames
//                 (goal: under 200)
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>

#include "platform/Clock.h"
#include "platform/RenderDevice.h"
#include "race/Autopilot.h"
#include "shell/RaceScreen.h"
#include "shell/Unit_pr.h"
#include "tests/harness/WindowedRace.h"

namespace {

constexpr int kOpponents = 7;
constexpr int kUncappedFrames = 1500;
constexpr double kPacedSeconds = 10;

double ProcessorSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double Since(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_RaceFrame(benchmark::State& bench, bool software) {
  for (auto _ : bench) {
    WindowedRace race(kOpponents, software);
    TForm1& form = race.Form();
    const Clock& clock = race.GameClock();
    Autopilot pilot(form.Race);
    auto raceFrame = [&] {
      pilot.PressKeys();
      form.RunScreenFrame(ScrRace);
    };
    for (int frame = 0; frame <= RaceScreen::kStartFrame; ++frame) raceFrame();

    // As fast as frames come.
    const auto wallStart = std::chrono::steady_clock::now();
    for (int frame = 0; frame < kUncappedFrames; ++frame) raceFrame();
    const double fps = kUncappedFrames / Since(wallStart);

    // The game's own loop at 90 frames a second.
    int64_t frames = 0;
    TKaltoTimer::NotifyEvent tick = form.KaltoTimer1.OnTimer;
    form.KaltoTimer1.OnTimer = [&](TKaltoTimer& sender) {
      ++frames;
      tick(sender);
    };
    form.BeforeStep = [&pilot] { pilot.PressKeys(); };
    WindowTimer stop(clock, static_cast<int>(kPacedSeconds * 1000));
    stop.OnTimer = [&form] { form.Loop.Quit(); };
    form.Loop.AddTimer(&stop);
    const double cpuStart = ProcessorSeconds();
    const auto pacedStart = std::chrono::steady_clock::now();
    stop.SetEnabled(true);
    form.KaltoTimer1.SetEnabled(true);
    form.Loop.Run();
    const double wall = Since(pacedStart);
    const double cpu = ProcessorSeconds() - cpuStart;
    form.Loop.RemoveTimer(&stop);

    bench.SetLabel(form.KaltoScreen1.Device()->DriverName() + ", " +
                   std::to_string(race.Data().TrackRecords()) + " track records");
    bench.counters["fps"] = fps;
    bench.counters["x90"] = fps / 90.0;
    bench.counters["paced_fps"] = static_cast<double>(frames) / wall;
    bench.counters["cpu_pct_of_core"] = 100.0 * cpu / wall;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    bench.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
    bench.counters["still_racing"] = form.State.ScreenState == ScrRace ? 1 : 0;
  }
}

BENCHMARK_CAPTURE(BM_RaceFrame, game_pick, false)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_RaceFrame, software, true)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
