// A page with two buttons and an edit field on a headless screen, driven by SDL events
// through the window as a player would: the pointer moves, hovers and clicks, a Russian
// name is typed as text input and one letter is taken back. Frames go to
// build/gui_scenario/ for review.
#include <SDL.h>

#include <cstring>
#include <filesystem>

#include "engine/graphics/KaltoBitmapFont.h"
#include "engine/graphics/KaltoImageList.h"
#include "platform/Cp1251.h"
#include "tests/engine/graphics/PictureFixtures.h"
#include "tests/engine/gui/GuiFixture.h"
#include "tests/support/HeadlessScreen.h"
#include "tests/support/PngFile.h"

namespace {

constexpr Rgba8 kButtonNormal{40, 60, 120, 255};
constexpr Rgba8 kButtonHover{90, 140, 230, 255};
constexpr Rgba8 kEditFrame{30, 30, 30, 255};

class GuiScenario : public ::testing::Test {
 protected:
  HeadlessScreen h;
  TKaltoImageList list;
  TKaltoBitmapFont font;
  VirtualClock clock;
  TKaltoGUI gui{clock};
  std::filesystem::path out = "../gui_scenario";

  void SetUp() override {
    std::filesystem::create_directories(out);
    list.SetKaltoScreen(&h.Screen);
    AddItem("button", TileSheet(160, 40, 1, 2, {kButtonNormal, kButtonHover}), 160, 40);
    AddItem("editframe", TileSheet(240, 36, 1, 1, {kEditFrame}), 240, 36);
    list.BuildTextures();
    font.SetKaltoScreen(&h.Screen);
    font.SetCharacters("");
    font.BuildFromSystemFont("Arial", "", bfBold, 18);
    gui.KaltoBitmapFont = &font;
    gui.SetKaltoScreen(&h.Screen);
    gui.Activate();
  }

  void AddItem(const std::string& name, const PixelImage& picture, int w, int hgt) {
    TImageListItem& item = list.ImageList().Add();
    item.Name = name;
    item.Picture = PngPicture(picture);
    item.SetTileWidth(w);
    item.SetTileHeight(hgt);
  }

  void Send(SDL_Event& e) {
    clock.Advance(20'000);
    h.Win.HandleSdlEvent(e);
  }
  void MoveTo(int x, int y) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = x;
    e.motion.y = y;
    Send(e);
  }
  void ClickAt(int x, int y) {
    MoveTo(x, y);
    for (const Uint32 type : {SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP}) {
      SDL_Event e{};
      e.type = type;
      e.button.button = SDL_BUTTON_LEFT;
      e.button.clicks = 1;
      e.button.x = x;
      e.button.y = y;
      Send(e);
    }
  }
  void TypeUtf8(const char* utf8) {
    SDL_Event e{};
    e.type = SDL_TEXTINPUT;
    std::strncpy(e.text.text, utf8, sizeof(e.text.text) - 1);
    Send(e);
  }
  void PressKey(SDL_Scancode scancode, SDL_Keycode key) {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.keysym.scancode = scancode;
    e.key.keysym.sym = key;
    Send(e);
    e.type = SDL_KEYUP;
    Send(e);
  }

  PixelImage Frame(const std::string& name) {
    h.Screen.Clear(10, 40, 20, 255);
    h.Screen.BeginScene();
    gui.Draw();
    PixelImage img = h.Screen.Device()->ReadPixels();
    h.Screen.EndScene();
    EXPECT_TRUE(SavePng(img, (out / name).string()));
    return img;
  }
};

// White text pixels inside a rectangle.
int Ink(const PixelImage& img, int left, int top, int right, int bottom) {
  int ink = 0;
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      const Rgba8 p = PixelAt(img, x, y);
      if (p.R > 160 && p.G > 160 && p.B > 160) ++ink;
    }
  }
  return ink;
}

TEST_F(GuiScenario, HoverClickTypeAndTakeBackOneLetter) {
  TKaltoGUIList& page = gui.CreatePage("GUI2");
  page.BringToFront();
  std::vector<std::string> clicks;
  TKaltoButton* buttons[2] = {&page.CreateButton(), &page.CreateButton()};
  for (int i = 0; i < 2; ++i) {
    TKaltoButton& b = *buttons[i];
    b.Name = std::to_string(i);
    b.Caption = Utf8ToCp1251(i == 0 ? "СТАРТ" : "ВЫХОД");
    b.SetImage(slNormal, list.Find("button"));
    b.SetPattern(slNormal, 0);
    b.SetImage(slHover, list.Find("button"));
    b.SetPattern(slHover, 1);
    b.SetX(320);
    b.SetY(200 + i * 80);
    b.SetWidth(160);
    b.SetHeight(40);
    b.OnClick = [&clicks](TKaltoGUIComponent& s) { clicks.push_back(s.Name); };
  }
  TKaltoEdit& edit = page.CreateEdit();
  edit.Name = "NameEdit";
  edit.MaxLength = 12;
  edit.TextMargin = 3;
  edit.CursorText = ".";
  edit.SetImage(slNormal, list.Find("editframe"));
  edit.SetPattern(slNormal, 0);
  edit.SetX(280);
  edit.SetY(400);
  edit.SetWidth(240);
  edit.SetHeight(36);

  MoveTo(50, 50);
  const PixelImage idle = Frame("1_idle.png");
  ExpectNear(PixelAt(idle, 330, 205), kButtonNormal, "first button at rest");

  MoveTo(400, 220);
  const PixelImage hovered = Frame("2_hover_first.png");
  ExpectNear(PixelAt(hovered, 330, 205), kButtonHover, "first button hovered");
  ExpectNear(PixelAt(hovered, 330, 285), kButtonNormal, "second button at rest");
  EXPECT_GT(Ink(hovered, 320, 200, 480, 240), 40) << "caption drawn";

  ClickAt(400, 300);
  EXPECT_EQ(clicks, std::vector<std::string>{"1"});

  TypeUtf8("x");  // no focus yet: nothing typed
  EXPECT_EQ(edit.Text, "");
  const int cursorlessInk = Ink(Frame("3_edit_unfocused.png"), 280, 400, 520, 436);
  EXPECT_EQ(cursorlessInk, 0);
  ClickAt(300, 418);
  const int cursorInk = Ink(Frame("4_edit_focused.png"), 280, 400, 520, 436);
  EXPECT_GT(cursorInk, 0) << "the cursor text shows once focused";

  TypeUtf8("Пилот");
  EXPECT_EQ(edit.Text, Utf8ToCp1251("Пилот"));
  const int typedInk = Ink(Frame("5_typed.png"), 280, 400, 520, 436);
  EXPECT_GT(typedInk, cursorInk + 100);
  PressKey(SDL_SCANCODE_BACKSPACE, SDLK_BACKSPACE);
  EXPECT_EQ(edit.Text, Utf8ToCp1251("Пило"));
  EXPECT_EQ(edit.CursorPos, 4);
  const int afterBackspace = Ink(Frame("6_backspace.png"), 280, 400, 520, 436);
  EXPECT_LT(afterBackspace, typedInk);
  EXPECT_GT(afterBackspace, cursorInk);
}

}  // namespace
