// SDL events through translation and the window's dispatch: what the hook and the
// window's handlers see.
#include <SDL.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/VirtualKeys.h"
#include "platform/SdlInput.h"
#include "platform/Window.h"

namespace {

WindowConfig Headless() {
  WindowConfig c;
  c.Headless = true;
  return c;
}

// Records what reaches it; handles what it is told to.
struct Recorder : InputHook, WindowHandler {
  std::vector<std::string> Log;
  bool HandleMouse = false;
  bool HandleChars = false;
  bool AllowClose = false;

  bool HookInput(const InputEvent& e) override {
    switch (e.Kind) {
      case InputKind::KeyDown:
        Log.push_back("hook key " + std::to_string(e.Key));
        return true;  // must not stop the window's handler
      case InputKind::Char:
        Log.push_back("hook char " + std::to_string(e.Char));
        return HandleChars;
      default:
        Log.push_back("hook mouse " + std::to_string(static_cast<int>(e.Kind)));
        return HandleMouse;
    }
  }
  void KeyDown(int key, uint8_t) override { Log.push_back("down " + std::to_string(key)); }
  void KeyUp(int key, uint8_t) override { Log.push_back("up " + std::to_string(key)); }
  void Mouse(const InputEvent& e) override {
    Log.push_back("mouse " + std::to_string(static_cast<int>(e.Kind)));
  }
  void Char(uint8_t ch) override { Log.push_back("char " + std::to_string(ch)); }
  bool CloseQuery() override {
    Log.push_back("close?");
    return AllowClose;
  }
};

SDL_Event Key(Uint32 type, SDL_Scancode scancode) {
  SDL_Event e{};
  e.type = type;
  e.key.keysym.scancode = scancode;
  return e;
}

SDL_Event Text(const char* utf8) {
  SDL_Event e{};
  e.type = SDL_TEXTINPUT;
  SDL_strlcpy(e.text.text, utf8, sizeof e.text.text);
  return e;
}

SDL_Event Button(Uint32 type, Uint8 button, Uint8 clicks, int x, int y) {
  SDL_Event e{};
  e.type = type;
  e.button.button = button;
  e.button.clicks = clicks;
  e.button.x = x;
  e.button.y = y;
  return e;
}

TEST(SdlInput, TranslatesKeysTextAndClicks) {
  auto down = TranslateSdlEvent(Key(SDL_KEYDOWN, SDL_SCANCODE_BACKSPACE));
  ASSERT_EQ(down.size(), 2u);  // the key and the character an edit field deletes with
  EXPECT_EQ(down[0].Kind, InputKind::KeyDown);
  EXPECT_EQ(down[0].Key, vk::Backspace);
  EXPECT_EQ(down[1].Kind, InputKind::Char);
  EXPECT_EQ(down[1].Char, 8);
  EXPECT_EQ(TranslateSdlEvent(Key(SDL_KEYUP, SDL_SCANCODE_BACKSPACE)).size(), 1u);
  EXPECT_EQ(TranslateSdlEvent(Key(SDL_KEYDOWN, SDL_SCANCODE_A)).size(), 1u);
  EXPECT_TRUE(TranslateSdlEvent(Key(SDL_KEYDOWN, SDL_SCANCODE_MUTE)).empty());

  auto text =
      TranslateSdlEvent(Text("\xD0\xAF"
                             "z\xF0\x9F\x98\x80"));  // Я, z, an emoji
  ASSERT_EQ(text.size(), 3u);
  EXPECT_EQ(text[0].Char, 0xDF);
  EXPECT_EQ(text[1].Char, 'z');
  EXPECT_EQ(text[2].Char, 0) << "a character Windows-1251 lacks arrives as 0, to be refused";

  struct ClickCase {
    Uint32 Type;
    Uint8 Button, Clicks;
    size_t Count;
    InputKind Kind;
    MouseButton Which;
  };
  const ClickCase clicks[] = {
      {SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 1, 1, InputKind::MouseDown, MouseButton::Left},
      {SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 2, 1, InputKind::MouseDoubleClick, MouseButton::Left},
      {SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 3, 1, InputKind::MouseDown, MouseButton::Right},
      {SDL_MOUSEBUTTONUP, SDL_BUTTON_MIDDLE, 2, 1, InputKind::MouseUp, MouseButton::Middle},
      {SDL_MOUSEBUTTONDOWN, SDL_BUTTON_X1, 1, 0, InputKind::MouseDown, MouseButton::Left},
  };
  for (const ClickCase& c : clicks) {
    auto out = TranslateSdlEvent(Button(c.Type, c.Button, c.Clicks, 123, 456));
    ASSERT_EQ(out.size(), c.Count) << int(c.Button);
    if (c.Count == 0) continue;
    EXPECT_EQ(out[0].Kind, c.Kind);
    EXPECT_EQ(out[0].Button, c.Which);
    EXPECT_EQ(out[0].X, 123);
    EXPECT_EQ(out[0].Y, 456);
  }
}

TEST(WindowDispatch, HookSeesEventsFirstAndCanStopMouseAndCharactersOnly) {
  Window window(Headless());
  Recorder r;
  window.SetInputHook(&r);
  window.SetHandler(&r);
  r.HandleMouse = true;
  r.HandleChars = true;
  window.HandleSdlEvent(Key(SDL_KEYDOWN, SDL_SCANCODE_RETURN));
  window.HandleSdlEvent(Text("q"));
  window.HandleSdlEvent(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 1, 5, 5));
  window.HandleSdlEvent(Key(SDL_KEYUP, SDL_SCANCODE_RETURN));
  const std::vector<std::string> handled = {"hook key 13",   "down 13",      "hook char 13",
                                            "hook char 113", "hook mouse 1", "up 13"};
  EXPECT_EQ(r.Log, handled);

  r.Log.clear();
  r.HandleMouse = false;
  r.HandleChars = false;
  window.HandleSdlEvent(Text("q"));
  window.HandleSdlEvent(Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 1, 5, 5));
  const std::vector<std::string> passed = {"hook char 113", "char 113", "hook mouse 2", "mouse 2"};
  EXPECT_EQ(r.Log, passed);

  window.SetInputHook(nullptr);
  r.Log.clear();
  window.HandleSdlEvent(Key(SDL_KEYDOWN, SDL_SCANCODE_P));
  EXPECT_EQ(r.Log, std::vector<std::string>{"down 80"});
}

TEST(WindowDispatch, CloseRequestsAskTheHandler) {
  Window window(Headless());
  Recorder r;
  window.SetHandler(&r);
  SDL_Event close{};
  close.type = SDL_WINDOWEVENT;
  close.window.event = SDL_WINDOWEVENT_CLOSE;
  EXPECT_TRUE(window.HandleSdlEvent(close));  // refused: keep running
  r.AllowClose = true;
  EXPECT_FALSE(window.HandleSdlEvent(close));
  EXPECT_EQ(r.Log, (std::vector<std::string>{"close?", "close?"}));
}

// Mouse positions reach the handlers in picture coordinates whatever the window's size:
// the picture is scaled into the window with its shape kept, points on the bars fall
// outside it.
TEST(WindowDispatch, MousePositionsArriveInPictureCoordinatesAtEveryWindowSize) {
  struct PositionRecorder : WindowHandler {
    int X = 0, Y = 0;
    void Mouse(const InputEvent& e) override {
      X = e.X;
      Y = e.Y;
    }
  };
  struct Case {
    int Width, Height;  // the window
    int WindowX, WindowY;
    int PictureX, PictureY;
  };
  const Case cases[] = {
      {800, 600, 400, 225, 400, 225},     {1600, 1200, 801, 451, 400, 225},
      {1000, 600, 500, 225, 400, 225},    {1000, 600, 50, 225, -50, 225},
      {1024, 768, 512, 288, 400, 225},    {1920, 1080, 960, 405, 400, 225},
      {1920, 1080, 1679, 1079, 799, 599}, {1920, 1080, 1919, 0, 932, 0},
  };
  Window window(Headless());
  PositionRecorder r;
  window.SetHandler(&r);
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.Width) + "x" + std::to_string(c.Height));
    SDL_SetWindowSize(window.Handle(), c.Width, c.Height);
    window.HandleSdlEvent(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 1, c.WindowX, c.WindowY));
    EXPECT_EQ(r.X, c.PictureX);
    EXPECT_EQ(r.Y, c.PictureY);
    SDL_Event move{};
    move.type = SDL_MOUSEMOTION;
    move.motion.x = c.WindowX;
    move.motion.y = c.WindowY;
    r.X = r.Y = -1000;
    window.HandleSdlEvent(move);
    EXPECT_EQ(r.X, c.PictureX);
    EXPECT_EQ(r.Y, c.PictureY);
  }
}

}  // namespace
