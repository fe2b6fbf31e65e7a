// Where captions, edit texts and the edit cursor land, with a bitmap font whose glyphs are
// solid 3 x 5 tiles: A red, B green, C blue, D yellow.
#include "engine/graphics/KaltoBitmapFont.h"
#include "engine/graphics/KaltoImageList.h"
#include "tests/engine/graphics/PictureFixtures.h"
#include "tests/engine/gui/GuiFixture.h"
#include "tests/support/HeadlessScreen.h"

namespace {

constexpr Rgba8 kBlack{0, 0, 0, 255};
constexpr Rgba8 kRed{255, 0, 0, 255};
constexpr Rgba8 kGreen{0, 255, 0, 255};
constexpr Rgba8 kYellow{255, 255, 0, 255};

struct Probe {
  int X, Y;
  Rgba8 Colour;
};

struct TextCase {
  const char* Name;
  bool IsEdit;
  bool Centre;
  int OffsetX, OffsetY;
  bool Focused;
  std::vector<Probe> Probes;
};

class TextPlacement : public ::testing::TestWithParam<TextCase> {
 protected:
  HeadlessScreen h;
  TKaltoImageList list;
  TKaltoBitmapFont font;
  VirtualClock clock;
  TKaltoGUI gui{clock};

  void SetUp() override {
    TImageListItem& sheet = list.ImageList().Add();
    sheet.Name = "glyphs";
    sheet.Picture = PngPicture(TileSheet(3, 5, 4, 1, {kRed, kGreen, {0, 0, 255, 255}, kYellow}));
    sheet.SetTileWidth(3);
    sheet.SetTileHeight(5);
    list.SetKaltoScreen(&h.Screen);
    list.BuildTextures();
    font.SetKaltoScreen(&h.Screen);
    font.SetKaltoImageList(&list);
    font.SetKaltoImageIndex(0);
    font.SetCharacters("ABCD");
    gui.KaltoBitmapFont = &font;
  }
};

// Button (100, 100, 60 x 20), caption "AB": 6 wide, 5 high. Centred: left 100 + 30 - 3,
// top 100 + 10 - 2. Not centred: left 100 + 60 div 4. Edit (200, 100, 100 x 21), margin 5:
// top 100 + 10 - 2; the cursor "D" after one character of width 3.
TEST_P(TextPlacement, PutsTheTextHere) {
  const TextCase& c = GetParam();
  TKaltoGUIList& page = gui.CreatePage("GUI2");
  if (c.IsEdit) {
    TKaltoEdit& edit = page.CreateEdit();
    edit.SetX(200);
    edit.SetY(100);
    edit.SetWidth(100);
    edit.SetHeight(21);
    edit.Text = "AB";
    edit.CursorText = "D";
    edit.CursorPos = 1;
    if (c.Focused) edit.SetFocus();
  } else {
    TKaltoButton& button = page.CreateButton();
    button.SetX(100);
    button.SetY(100);
    button.SetWidth(60);
    button.SetHeight(20);
    button.Caption = "AB";
    button.CenterCaption = c.Centre;
    button.CaptionOffsetX = c.OffsetX;
    button.CaptionOffsetY = c.OffsetY;
  }
  h.Screen.Clear(0, 0, 0, 255);
  h.Screen.BeginScene();
  gui.Draw();
  const PixelImage img = h.Screen.Device()->ReadPixels();
  h.Screen.EndScene();
  for (const Probe& p : c.Probes) {
    ExpectNear(PixelAt(img, p.X, p.Y), p.Colour,
               "(" + std::to_string(p.X) + ", " + std::to_string(p.Y) + ")");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Gui, TextPlacement,
    ::testing::Values(
        TextCase{"CentredCaption",
                 false,
                 true,
                 0,
                 0,
                 false,
                 {{127, 108, kRed},
                  {129, 112, kRed},
                  {130, 108, kGreen},
                  {126, 108, kBlack},
                  {127, 107, kBlack},
                  {133, 108, kBlack}}},
        TextCase{"CaptionAQuarterIn",
                 false,
                 false,
                 0,
                 0,
                 false,
                 {{115, 108, kRed}, {114, 108, kBlack}, {118, 108, kGreen}}},
        TextCase{"CaptionOffsets",
                 false,
                 true,
                 5,
                 -3,
                 false,
                 {{132, 105, kRed}, {131, 105, kBlack}, {132, 104, kBlack}}},
        TextCase{"EditTextAtTheMargin",
                 true,
                 true,
                 0,
                 0,
                 false,
                 {{205, 108, kRed}, {204, 108, kBlack}, {208, 108, kGreen}, {211, 108, kBlack}}},
        TextCase{"CursorAfterTheFirstCharacterOnceFocused",
                 true,
                 true,
                 0,
                 0,
                 true,
                 {{205, 108, kRed}, {208, 108, kYellow}, {210, 112, kYellow}}}),
    [](const auto& param) { return std::string(param.param.Name); });

}  // namespace
