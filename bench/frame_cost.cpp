// What drawing costs the game in a real window, per renderer (the game's own choice, then
// opengl and software forced): the race screen of the largest track with seven computer
// cars and the player's car driven by the autopilot, and the main menu. `make bench` runs
// it under Xvfb, where opengl is Mesa's llvmpipe: a rasteriser on the processor.
//
// Figures, per scene and renderer:
//   fps, x90          frames a second with no cap, and that as a multiple of the 90 a
//                     second the game runs at (goal: at least 2)
//   cpu_pct_of_core   share of one core used by the whole process (all threads) while the
//                     game's own loop holds 90 frames a second (goal for the race: at most
//                     50 for the game's own choice, at most 35 for the cheapest renderer)
//   paced_fps         frames a second drawn meanwhile (should be 90)
//   cpu_ms_per_frame  processor time of all threads per uncapped frame, and cpu_pct_at_90
//                     that at 90 frames a second: the share a loaded machine (other
//                     processes taking the cores, paced_fps under 90) cannot show directly
//   peak_rss_MB       the process's peak resident memory by the end (goal: under 200)
//   hidden_per_frame  quads left out or clipped a frame because later opaque ones paint
//                     over them
// Each case runs twice: with what is painted over left out (the game's way, "hidden left
// out"), and with every quad drawn whole ("all drawn"), to show what leaving it out saves.
// The label names the driver in use and, for opengl, its renderer.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>
#include <functional>

#include "platform/Clock.h"
#include "platform/GamePaths.h"
#include "platform/RenderDevice.h"
#include "race/Autopilot.h"
#include "shell/RaceScreen.h"
#include "shell/Unit_pr.h"
#include "tests/harness/RaceDataRoot.h"
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

RendererChoice ChoiceOf(const benchmark::State& bench) {
  return static_cast<RendererChoice>(bench.range(0));
}

// Measures one scene: `frame` draws one frame of it by hand (uncapped), `step` runs before
// each of the game's own steps (paced at 90 a second by its loop).
void Measure(benchmark::State& bench, TForm1& form, const Clock& clock,
             const std::function<void()>& frame, const std::function<void()>& step) {
  RenderDevice& device = *form.KaltoScreen1.Device();
  const bool leaveOutHidden = bench.range(1) != 0;
  device.SetLeaveOutHidden(leaveOutHidden);
  const int64_t hiddenStart = device.QuadsHidden();
  const auto wallStart = std::chrono::steady_clock::now();
  const double uncappedCpuStart = ProcessorSeconds();
  for (int n = 0; n < kUncappedFrames; ++n) frame();
  const double fps = kUncappedFrames / Since(wallStart);
  const double cpuPerFrame = (ProcessorSeconds() - uncappedCpuStart) / kUncappedFrames;
  const double hiddenPerFrame =
      static_cast<double>(device.QuadsHidden() - hiddenStart) / kUncappedFrames;

  int64_t frames = 0;
  TKaltoTimer::NotifyEvent tick = form.KaltoTimer1.OnTimer;
  form.KaltoTimer1.OnTimer = [&](TKaltoTimer& sender) {
    ++frames;
    tick(sender);
  };
  form.BeforeStep = step;
  WindowTimer stop(clock, static_cast<int>(kPacedSeconds * 1000));
  stop.OnTimer = [&form] { form.Loop.Quit(); };
  form.Loop.AddTimer(&stop);
  const double cpuStart = ProcessorSeconds();
  const auto pacedStart = std::chrono::steady_clock::now();
  form.Steps.Restart(clock.Now());
  stop.SetEnabled(true);
  form.KaltoTimer1.SetEnabled(true);
  form.Loop.Run();
  const double wall = Since(pacedStart);
  const double cpu = ProcessorSeconds() - cpuStart;
  form.Loop.RemoveTimer(&stop);

  std::string label = std::string(RendererChoiceName(ChoiceOf(bench))) + ": " + device.DriverName();
  if (!device.GlRenderer().empty()) label += " (" + device.GlRenderer() + ")";
  label += leaveOutHidden ? ", hidden left out" : ", all drawn";
  bench.SetLabel(label);
  bench.counters["fps"] = fps;
  bench.counters["x90"] = fps / 90.0;
  bench.counters["paced_fps"] = static_cast<double>(frames) / wall;
  bench.counters["cpu_pct_of_core"] = 100.0 * cpu / wall;
  bench.counters["cpu_ms_per_frame"] = 1000.0 * cpuPerFrame;
  bench.counters["cpu_pct_at_90"] = 100.0 * cpuPerFrame * 90.0;
  bench.counters["hidden_per_frame"] = hiddenPerFrame;
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  bench.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_RaceFrame(benchmark::State& bench) {
  for (auto _ : bench) {
    WindowedRace race(kOpponents, ChoiceOf(bench));
    TForm1& form = race.Form();
    Autopilot pilot(form.Race);
    auto raceFrame = [&] {
      pilot.PressKeys();
      form.RunScreenFrame(ScrRace);
    };
    for (int frame = 0; frame <= RaceScreen::kStartFrame; ++frame) raceFrame();
    Measure(bench, form, race.GameClock(), raceFrame, [&pilot] { pilot.PressKeys(); });
    bench.counters["still_racing"] = form.State.ScreenState == ScrRace ? 1 : 0;
  }
}

void BM_MenuFrame(benchmark::State& bench) {
  for (auto _ : bench) {
    RaceDataRoot data;
    SetGameRoots(GameRoots{data.Path(), data.Path()});
    const RealClock clock;
    TForm1 form(GameSetup{clock, 1, /*Headless=*/false, ChoiceOf(bench)});
    form.GoTo(ScrMainMenu);
    Measure(
        bench, form, clock, [&form] { form.RunScreenFrame(ScrMainMenu); }, nullptr);
    bench.counters["still_in_menu"] = form.State.ScreenState == ScrMainMenu ? 1 : 0;
  }
}

void EachRenderer(benchmark::internal::Benchmark* b) {
  for (RendererChoice choice :
       {RendererChoice::Automatic, RendererChoice::OpenGL, RendererChoice::Software}) {
    for (int leaveOutHidden : {1, 0}) b->Args({static_cast<int>(choice), leaveOutHidden});
  }
  b->Iterations(1)->Unit(benchmark::kSecond);
}

BENCHMARK(BM_RaceFrame)->Apply(EachRenderer);
BENCHMARK(BM_MenuFrame)->Apply(EachRenderer);

}  // namespace

BENCHMARK_MAIN();
