#include "tests/harness/GameHarness.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <stdexcept>

#include "platform/KeyMap.h"
#include "tests/support/PngFile.h"

namespace fs = std::filesystem;

namespace {

fs::path FreshSaveRoot() {
  static int counter = 0;
  const fs::path dir = fs::temp_directory_path() / ("bk-harness-" + std::to_string(::getpid()) +
                                                    "-" + std::to_string(counter++));
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

// The platform's own key table, read backwards.
SDL_Scancode ScancodeOf(int virtualKey) {
  for (int sc = SDL_SCANCODE_UNKNOWN + 1; sc < SDL_NUM_SCANCODES; ++sc) {
    if (VirtualKeyFromScancode(sc) == virtualKey) return static_cast<SDL_Scancode>(sc);
  }
  throw std::invalid_argument("no key sends virtual-key code " + std::to_string(virtualKey));
}

uint8_t SdlButtonOf(MouseButton button) {
  switch (button) {
    case MouseButton::Right:
      return SDL_BUTTON_RIGHT;
    case MouseButton::Middle:
      return SDL_BUTTON_MIDDLE;
    case MouseButton::Left:
      break;
  }
  return SDL_BUTTON_LEFT;
}

void Push(SDL_Event& event) {
  if (SDL_PushEvent(&event) != 1) {
    throw std::runtime_error(std::string("cannot queue an input event: ") + SDL_GetError());
  }
}

}  // namespace

GameHarness::GameHarness(const HarnessOptions& options) {
  roots_.Data = options.DataRoot.empty() ? fs::current_path() : options.DataRoot;
  if (options.SaveRoot.empty()) ownSaveRoot_ = FreshSaveRoot();
  roots_.Save = options.SaveRoot.empty() ? ownSaveRoot_ : options.SaveRoot;
  SetGameRoots(roots_);

  form_ = std::make_unique<TForm1>(GameSetup{clock_, options.RandomSeed, /*Headless=*/true});
  // Counts frames around the game's own tick handler; the poll source stays as it is.
  TKaltoTimer::NotifyEvent tick = form_->KaltoTimer1.OnTimer;
  form_->KaltoTimer1.OnTimer = [this, tick](TKaltoTimer& sender) {
    ++frames_;
    tick(sender);
  };
  form_->FormShow();
}

GameHarness::~GameHarness() {
  form_.reset();
  if (!ownSaveRoot_.empty()) {
    std::error_code ec;
    fs::remove_all(ownSaveRoot_, ec);
  }
}

void GameHarness::PushKey(int virtualKey, bool down) {
  SDL_Event event{};
  event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
  event.key.keysym.scancode = ScancodeOf(virtualKey);
  event.key.keysym.sym = SDL_GetKeyFromScancode(event.key.keysym.scancode);
  Push(event);
}

void GameHarness::KeyDown(int virtualKey) {
  PushKey(virtualKey, true);
}

void GameHarness::KeyUp(int virtualKey) {
  PushKey(virtualKey, false);
}

void GameHarness::PressKey(int virtualKey) {
  KeyDown(virtualKey);
  KeyUp(virtualKey);
}

void GameHarness::TypeText(const std::string& utf8) {
  // One event per character, as an input method sends them.
  for (size_t i = 0; i < utf8.size();) {
    size_t length = 1;
    while (i + length < utf8.size() && (static_cast<uint8_t>(utf8[i + length]) & 0xC0) == 0x80) {
      ++length;
    }
    SDL_Event event{};
    event.type = SDL_TEXTINPUT;
    utf8.copy(event.text.text, length, i);
    Push(event);
    i += length;
  }
}

void GameHarness::MouseMove(int x, int y) {
  SDL_Event event{};
  event.type = SDL_MOUSEMOTION;
  event.motion.x = x;
  event.motion.y = y;
  Push(event);
}

void GameHarness::PushMouseButton(int x, int y, MouseButton button, bool down) {
  SDL_Event event{};
  event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
  event.button.button = SdlButtonOf(button);
  event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
  event.button.clicks = 1;
  event.button.x = x;
  event.button.y = y;
  Push(event);
}

void GameHarness::MouseDown(int x, int y, MouseButton button) {
  PushMouseButton(x, y, button, true);
}

void GameHarness::MouseUp(int x, int y, MouseButton button) {
  PushMouseButton(x, y, button, false);
}

void GameHarness::Click(int x, int y) {
  MouseMove(x, y);
  MouseDown(x, y);
  MouseUp(x, y);
}

bool GameHarness::RequestClose() {
  SDL_Event event{};
  event.type = SDL_WINDOWEVENT;
  event.window.event = SDL_WINDOWEVENT_CLOSE;
  event.window.windowID = SDL_GetWindowID(form_->MainWindow.Handle());
  Push(event);
  // A turn of the loop with the clock standing still: events only, no frame is due.
  form_->Loop.RunOnce();
  return form_->Loop.QuitRequested();
}

void GameHarness::Step(bool rasterize, int steps) {
  RenderDevice* device = form_->KaltoScreen1.Device();
  if (device) {
    device->SetRasterize(rasterize);
    device->SetKeepPresentedFrame(rasterize);
  }
  const int64_t before = frames_;
  const StepSchedule& schedule = form_->Steps;
  clock_.Advance(
      std::max<int64_t>(schedule.DueAt(schedule.StepsTaken() + steps) - clock_.Now(), 0));
  form_->Loop.RunOnce();
  if (frames_ != before + 1) {
    ADD_FAILURE() << "a harness step ran " << frames_ - before << " frames instead of one";
  }
}

void GameHarness::StepFrame() {
  Step(false);
}

void GameHarness::StepFrames(int count) {
  for (int i = 0; i < count; ++i) Step(false);
}

void GameHarness::StepDrawnFrame(int steps, bool rasterize) {
  Step(rasterize, steps);
}

PixelImage GameHarness::RenderFrame() {
  Step(true);
  RenderDevice* device = form_->KaltoScreen1.Device();
  return device ? device->LastPresented() : PixelImage{};
}

bool GameHarness::SaveFrame(const PixelImage& frame, const std::string& path) {
  return SavePng(frame, path);
}
