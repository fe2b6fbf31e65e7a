// A race-like frame: an 800 x 600 background tiled from 128-pixel tiles, then 150
// alpha-blended sprites of 64 to 200 pixels, a third of them turned, drawn the way image
// lists draw (renderer, screen transform, blend-mode number).
//
// Figures, per driver (the game's pick, then software):
//   fps, x90      frames a second with no cap, and that as a multiple of the 90 a second
//                 the game runs at (goal: at least 2)
//   cpu%          share of one core used by the whole process (all threads, getrusage)
//                 while the event loop holds 90 frames a second (goal: at most 50)
//   cpu ms        processor time of all threads per uncapped frame
//   calls/frame   SDL geometry calls per frame after batching
// The yardstick PlainRenderCopy draws the same frame as one SDL_RenderCopyEx per picture.
#include <SDL.h>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdlib>
#include <memory>
#include <random>
#include <vector>

#include "engine/graphics/KaltoRenderer.h"
#include "engine/graphics/KaltoScreen.h"
#include "platform/Clock.h"
#include "platform/EventLoop.h"
#include "platform/Window.h"

namespace {

constexpr int kTile = 128;
constexpr int kSprites = 150;
constexpr int kSpritePictures = 10;
constexpr double kFramePeriod = 1.0 / 90.0;

struct Sprite {
  int Picture;
  float X, Y, Size, Angle;
};

// A picture with a soft round edge, so blending has real work.
std::vector<uint8_t> Picture(int size, uint8_t r, uint8_t g, uint8_t b, bool opaque) {
  std::vector<uint8_t> px(static_cast<size_t>(size) * size * 4);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      uint8_t* p = &px[(static_cast<size_t>(y) * size + x) * 4];
      const int dx = x - size / 2, dy = y - size / 2;
      const int d2 = dx * dx + dy * dy, r2 = size * size / 4;
      p[0] = static_cast<uint8_t>(r ^ (x * 3));
      p[1] = static_cast<uint8_t>(g ^ (y * 3));
      p[2] = b;
      p[3] = opaque ? 255 : d2 < r2 * 6 / 10 ? 255 : d2 < r2 ? 128 : 0;
    }
  }
  return px;
}

// The game's window and screen with one frame's worth of pictures and sprites.
class Scene {
 public:
  explicit Scene(TRenderMode mode) : window_(Config()), screen_(&window_) {
    screen_.RenderMode = mode;
    screen_.ShowMouseCursor = false;
    screen_.CenterX = 400;
    screen_.CenterY = 300;
    screen_.Initialize();
    RenderDevice& device = *screen_.Device();
    const auto tile = Picture(kTile, 90, 140, 70, true);
    tile_ = device.CreateTexture(kTile, kTile, tile.data());
    plainTile_ = PlainTexture(kTile, tile, SDL_BLENDMODE_NONE);
    for (int i = 0; i < kSpritePictures; ++i) {
      const auto px = Picture(128, static_cast<uint8_t>(40 * i), 200, 90, false);
      pictures_.push_back(device.CreateTexture(128, 128, px.data()));
      plainPictures_.push_back(PlainTexture(128, px, SDL_BLENDMODE_BLEND));
    }
    std::mt19937 random(7);
    std::uniform_real_distribution<float> x(-60, 860), y(-60, 660), size(64, 200), turn(0, 360);
    // Sprites of one kind follow one another, as the sprite engine's z-order keeps them.
    for (int i = 0; i < kSprites; ++i) {
      sprites_.push_back({i * kSpritePictures / kSprites, x(random), y(random), size(random),
                          i % 3 == 0 ? turn(random) : 0.0f});
    }
    renderer_.Bind(&screen_);
  }

  Window& Win() { return window_; }
  const std::string& Driver() const { return screen_.Device()->DriverName(); }
  int64_t DrawCalls() const { return screen_.Device()->DrawCalls(); }

  // The same frame as a plain loop of SDL_RenderCopyEx calls, one per picture: the yardstick.
  void DrawFramePlain() {
    SDL_Renderer* renderer = SDL_GetRenderer(window_.Handle());
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 0);
    SDL_RenderClear(renderer);
    for (int y = 0; y < 600; y += kTile) {
      for (int x = 0; x < 800; x += kTile) {
        const SDL_FRect to{static_cast<float>(x), static_cast<float>(y), kTile, kTile};
        SDL_RenderCopyExF(renderer, plainTile_, nullptr, &to, 0, nullptr, SDL_FLIP_NONE);
      }
    }
    for (const Sprite& s : sprites_) {
      const SDL_FRect to{s.X, s.Y, s.Size, s.Size};
      SDL_RenderCopyExF(renderer, plainPictures_[s.Picture], nullptr, &to, s.Angle, nullptr,
                        SDL_FLIP_NONE);
    }
    SDL_RenderPresent(renderer);
  }

  // What the game draws while idle on an empty screen: clear and show.
  void DrawEmptyFrame() {
    screen_.Clear(0, 0, 0, 0);
    screen_.BeginScene();
    screen_.EndScene();
  }

  void DrawFrame() {
    screen_.Clear(0, 0, 0, 0);
    screen_.BeginScene();
    screen_.SetBlendMode(0);
    renderer_.SetTexture(tile_.get());
    for (int y = 0; y < 600; y += kTile) {
      for (int x = 0; x < 800; x += kTile)
        Draw(static_cast<float>(x), static_cast<float>(y), kTile, 0);
    }
    for (const Sprite& s : sprites_) {
      renderer_.SetTexture(pictures_[s.Picture].get());
      Draw(s.X, s.Y, s.Size, s.Angle);
    }
    screen_.EndScene();
  }

 private:
  static WindowConfig Config() {
    WindowConfig config;
    config.Headless = std::getenv("DISPLAY") == nullptr;
    return config;
  }

  SDL_Texture* PlainTexture(int size, const std::vector<uint8_t>& px, SDL_BlendMode blend) {
    SDL_Texture* t = SDL_CreateTexture(SDL_GetRenderer(window_.Handle()), SDL_PIXELFORMAT_ABGR8888,
                                       SDL_TEXTUREACCESS_STATIC, size, size);
    SDL_UpdateTexture(t, nullptr, px.data(), size * 4);
    SDL_SetTextureBlendMode(t, blend);
    return t;
  }

  void Draw(float x, float y, float size, float angle) {
    renderer_.SetColors(0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF);
    renderer_.SetTexCoords(0, 0, 1, 0, 1, 1, 0, 1);
    const float l = x - 0.5f, t = y - 0.5f;
    renderer_.SetPositions(l, t, l + size, t, l + size, t + size, l, t + size);
    if (angle != 0) renderer_.Transform(x + size / 2, y + size / 2, angle, 1, 1);
    renderer_.RenderQuad();
  }

  Window window_;
  TKaltoScreen screen_;
  TKaltoRenderer renderer_;
  std::unique_ptr<DeviceTexture> tile_;
  std::vector<std::unique_ptr<DeviceTexture>> pictures_;
  std::vector<Sprite> sprites_;
  SDL_Texture* plainTile_ = nullptr;
  std::vector<SDL_Texture*> plainPictures_;
};

TRenderMode ModeOf(const benchmark::State& state) {
  return state.range(0) == 0 ? rmHardware : rmSoftware;
}

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Counters shared by the uncapped runs. "cpu ms" is the processor time of all threads per
// frame; times 9 it predicts the share of one core at 90 frames a second, a figure that a
// busy machine disturbs less than the wall-clock rate.
void CountFrames(benchmark::State& state, double cpuSeconds) {
  const double frames = static_cast<double>(state.iterations());
  state.counters["fps"] = benchmark::Counter(frames, benchmark::Counter::kIsRate);
  state.counters["x90"] = benchmark::Counter(frames / 90.0, benchmark::Counter::kIsRate);
  state.counters["cpu ms"] = 1000.0 * cpuSeconds / frames;
}

void PlainRenderCopy(benchmark::State& state) {
  Scene scene(ModeOf(state));
  state.SetLabel(scene.Driver());
  const double cpuBefore = CpuSeconds();
  for (auto _ : state) scene.DrawFramePlain();
  CountFrames(state, CpuSeconds() - cpuBefore);
}

void Uncapped(benchmark::State& state) {
  Scene scene(ModeOf(state));
  state.SetLabel(scene.Driver());
  scene.DrawFrame();
  const int64_t callsBefore = scene.DrawCalls();
  const double cpuBefore = CpuSeconds();
  for (auto _ : state) scene.DrawFrame();
  CountFrames(state, CpuSeconds() - cpuBefore);
  state.counters["calls/frame"] = static_cast<double>(scene.DrawCalls() - callsBefore) /
                                  static_cast<double>(state.iterations());
}

// Draws a frame whenever one is due, 90 a second, through the game's event loop.
class Paced : public IdleHandler {
 public:
  Paced(Scene& scene, bool empty, const Clock& clock, EventLoop& loop, double seconds)
      : scene_(scene),
        empty_(empty),
        clock_(clock),
        loop_(loop),
        start_(Seconds()),
        end_(start_ + seconds) {}
  int Frames() const { return frames_; }
  double OnIdle() override {
    const double now = Seconds();
    if (now >= end_) {
      loop_.Quit();
      return 0;
    }
    const double due = start_ + frames_ * kFramePeriod;
    if (now < due) return due - now;
    if (empty_) {
      scene_.DrawEmptyFrame();
    } else {
      scene_.DrawFrame();
    }
    ++frames_;
    return start_ + frames_ * kFramePeriod - Seconds();
  }

 private:
  double Seconds() const {
    return static_cast<double>(clock_.Now()) / static_cast<double>(clock_.Frequency());
  }
  Scene& scene_;
  bool empty_;
  const Clock& clock_;
  EventLoop& loop_;
  double start_, end_;
  int frames_ = 0;
};

void HoldingNinety(benchmark::State& state) {
  constexpr double kSeconds = 4.0;
  for (auto _ : state) {
    Scene scene(ModeOf(state));
    state.SetLabel(scene.Driver());
    RealClock clock;
    EventLoop loop(scene.Win(), clock);
    Paced paced(scene, state.range(1) == 1, clock, loop, kSeconds);
    loop.SetIdleHandler(&paced);
    const double cpuBefore = CpuSeconds();
    const int64_t start = clock.Now();
    loop.Run();
    const double wall =
        static_cast<double>(clock.Now() - start) / static_cast<double>(clock.Frequency());
    state.counters["cpu%"] = 100.0 * (CpuSeconds() - cpuBefore) / wall;
    state.counters["fps"] = paced.Frames() / wall;
  }
}

}  // namespace

// First argument: 0 the driver the game picks, 1 software. HoldingNinety's second: 0 the
// race-like frame, 1 an empty screen (the game idling in a menu with nothing drawn).
BENCHMARK(Uncapped)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();
BENCHMARK(PlainRenderCopy)->Arg(0)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();
BENCHMARK(HoldingNinety)
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({0, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_MAIN();
