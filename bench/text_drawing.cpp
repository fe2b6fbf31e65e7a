// Cost of the race HUD's texts: 30 draws of cached texts in one frame (the target is under
// 0.5 ms a frame). "text_ms_per_frame" is the processor time of a frame with the texts minus
// that of the same frame without them (clear, begin, end on the headless software device),
// so that other work on a busy machine does not count;
// "of_budget" divides it by the 0.5 ms target.
#include <benchmark/benchmark.h>

#include <ctime>
#include <string>
#include <vector>

#include "core/GameTexts.h"
#include "engine/graphics/KaltoFont.h"
#include "tests/support/HeadlessScreen.h"

namespace {

constexpr int kTextsPerFrame = 30;

double MillisecondsPerFrame(TKaltoScreen& screen, TKaltoFont* font,
                            const std::vector<std::string>& texts, int frames) {
  const std::clock_t started = std::clock();
  for (int f = 0; f < frames; ++f) {
    screen.Clear(0, 0, 0, 0);
    screen.BeginScene();
    if (font) {
      for (int i = 0; i < kTextsPerFrame; ++i) {
        font->TextOut(643 - (i % 2) * 100, 30 + (i / 2) * 18,
                      texts[static_cast<size_t>(i) % texts.size()]);
      }
    }
    screen.EndScene();
  }
  return 1000.0 * double(std::clock() - started) / CLOCKS_PER_SEC / frames;
}

void ThirtyCachedHudTexts(benchmark::State& state) {
  HeadlessScreen h{rmSoftware};
  TKaltoFont font;
  font.SetKaltoScreen(&h.Screen);
  font.SetFont("Arial Black", 11, 0);
  // Lap, place, time and record labels and values, as the race frame writes them.
  const std::vector<std::string> texts = {
      TextOf(GameText::Lap),  "2/3",      TextOf(GameText::Place),  "1/8",
      TextOf(GameText::Time), "01:23:45", TextOf(GameText::Record), "00:59:99"};
  MillisecondsPerFrame(h.Screen, &font, texts, 5);  // fills the cache
  double withTexts = 0;
  double without = 0;
  for (auto _ : state) {
    withTexts = MillisecondsPerFrame(h.Screen, &font, texts, 200);
    without = MillisecondsPerFrame(h.Screen, nullptr, texts, 200);
  }
  state.counters["frame_ms_with_texts"] = withTexts;
  state.counters["frame_ms_without"] = without;
  state.counters["text_ms_per_frame"] = withTexts - without;
  state.counters["of_budget"] = (withTexts - without) / 0.5;
}

}  // namespace

BENCHMARK(ThirtyCachedHudTexts)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
