// Which slot a widget draws, and the slot animations.
#include "engine/graphics/KaltoImageList.h"
#include "tests/engine/graphics/PictureFixtures.h"
#include "tests/engine/gui/GuiFixture.h"
#include "tests/support/HeadlessScreen.h"

namespace {

struct SlotCase {
  const char* Name;
  bool Hovered;
  bool LeftDown;
  bool HasHoverImage;
  bool HasPressedImage;
  Rgba8 Expected;
};

constexpr Rgba8 kRed{255, 0, 0, 255};
constexpr Rgba8 kGreen{0, 255, 0, 255};
constexpr Rgba8 kBlue{0, 0, 255, 255};

class SlotDrawing : public ::testing::TestWithParam<SlotCase> {
 protected:
  HeadlessScreen h;
  TKaltoImageList list;
  VirtualClock clock;
  TKaltoGUI gui{clock};
};

TEST_P(SlotDrawing, ShowsThisTile) {
  const SlotCase& c = GetParam();
  list.SetKaltoScreen(&h.Screen);
  TImageListItem& item = list.ImageList().Add();
  item.Name = "button";
  item.Picture = PngPicture(TileSheet(40, 20, 3, 1, {kRed, kGreen, kBlue}));
  item.SetTileWidth(40);
  item.SetTileHeight(20);
  list.BuildTextures();
  TKaltoButton& b = gui.CreatePage("GUI2").CreateButton();
  b.Caption = "";
  b.SetX(100);
  b.SetY(100);
  b.SetWidth(80);  // stretched to the widget's size
  b.SetHeight(40);
  b.SetImage(slNormal, &item);
  b.SetPattern(slNormal, 0);
  if (c.HasHoverImage) b.SetImage(slHover, &item);
  b.SetPattern(slHover, 1);
  if (c.HasPressedImage) b.SetImage(slPressed, &item);
  b.SetPattern(slPressed, 2);
  gui.Pointer.HoverId = c.Hovered ? b.Id : 0;
  gui.Pointer.LeftDown = c.LeftDown;

  h.Screen.Clear(0, 0, 0, 255);
  h.Screen.BeginScene();
  gui.Draw();
  const PixelImage img = h.Screen.Device()->ReadPixels();
  h.Screen.EndScene();
  ExpectNear(PixelAt(img, 140, 120), c.Expected, "centre");
  ExpectNear(PixelAt(img, 178, 138), c.Expected, "near the stretched corner");
  ExpectNear(PixelAt(img, 182, 120), {0, 0, 0, 255}, "outside");
}

INSTANTIATE_TEST_SUITE_P(
    Gui, SlotDrawing,
    ::testing::Values(SlotCase{"Normal", false, false, true, true, kRed},
                      SlotCase{"Hover", true, false, true, true, kGreen},
                      SlotCase{"Pressed", true, true, true, true, kBlue},
                      SlotCase{"PressedElsewhereIsNormal", false, true, true, true, kRed},
                      SlotCase{"MissingHoverImageShowsNormal", true, false, false, true, kRed},
                      SlotCase{"MissingPressedImageShowsNormal", true, true, true, false, kRed}),
    [](const auto& param) { return std::string(param.param.Name); });

// Slot 3 is drawn tile-sized at the widget's corner: on a button while Overlay is set, on
// an edit also while it has the focus.
TEST_F(SlotDrawing, OverlaySlotOnTopWhenSetOrOnAFocusedEdit) {
  list.SetKaltoScreen(&h.Screen);
  TImageListItem& item = list.ImageList().Add();
  item.Picture = PngPicture(TileSheet(40, 20, 3, 1, {kRed, kGreen, kBlue}));
  item.SetTileWidth(40);
  item.SetTileHeight(20);
  list.BuildTextures();
  TKaltoGUIList& page = gui.CreatePage("GUI2");
  TKaltoButton& button = page.CreateButton();
  TKaltoEdit& edit = page.CreateEdit();
  int x = 100;
  for (TKaltoGUIComponent* w :
       {static_cast<TKaltoGUIComponent*>(&button), static_cast<TKaltoGUIComponent*>(&edit)}) {
    w->SetX(x);
    w->SetY(100);
    w->SetWidth(80);
    w->SetHeight(40);
    w->SetImage(slNormal, &item);
    w->SetPattern(slNormal, 0);
    w->SetImage(slOverlay, &item);
    w->SetPattern(slOverlay, 2);
    x += 200;
  }
  const auto frame = [&] {
    h.Screen.Clear(0, 0, 0, 255);
    h.Screen.BeginScene();
    gui.Draw();
    PixelImage img = h.Screen.Device()->ReadPixels();
    h.Screen.EndScene();
    return img;
  };
  PixelImage img = frame();
  ExpectNear(PixelAt(img, 110, 110), kRed, "button without Overlay");
  ExpectNear(PixelAt(img, 310, 110), kRed, "edit without Overlay or focus");
  button.Overlay = true;
  edit.SetFocus();
  img = frame();
  ExpectNear(PixelAt(img, 110, 110), kBlue, "button overlay tile");
  ExpectNear(PixelAt(img, 170, 130), kRed, "button beyond the overlay tile");
  ExpectNear(PixelAt(img, 310, 110), kBlue, "focused edit overlay tile");
  ExpectNear(PixelAt(img, 370, 130), kRed, "edit beyond the overlay tile");
}

struct AnimationCase {
  const char* Name;
  int FrameDelay;
  bool Loop;
  bool Reverse;
  std::vector<int> Patterns;  // after each drawn frame
};

class SlotAnimation : public GuiFixture, public ::testing::WithParamInterface<AnimationCase> {};

TEST_P(SlotAnimation, StepsThroughThesePatterns) {
  const AnimationCase& c = GetParam();
  TKaltoButton& b = gui.CreatePage("GUI2").CreateButton();
  TGUISlot& slot = b.Slots[slNormal];
  b.SetPattern(slNormal, 0);
  slot.Animate = true;
  slot.PatternCount = 2;
  slot.FrameDelay = c.FrameDelay;
  slot.Loop = c.Loop;
  slot.Reverse = c.Reverse;
  slot.ResetAnimation();
  std::vector<int> patterns;
  for (size_t i = 0; i < c.Patterns.size(); ++i) {
    b.Draw();
    patterns.push_back(slot.Pattern);
  }
  EXPECT_EQ(patterns, c.Patterns);
}

INSTANTIATE_TEST_SUITE_P(
    Gui, SlotAnimation,
    ::testing::Values(
        AnimationCase{"EveryFrame", 0, true, false, {1, 2, 0, 1}},
        AnimationCase{"Delay20IsEveryOtherFrame", 20, true, false, {0, 1, 1, 2, 2, 0}},
        AnimationCase{
            "Delay100IsEveryTenthFrame", 100, true, false, {0, 0, 0, 0, 0, 0, 0, 0, 0, 1}},
        AnimationCase{"ForwardOnceStopsOnTheLast", 0, false, false, {1, 2, 2, 2}},
        AnimationCase{"ReverseLoops", 0, true, true, {1, 2, 1, 2}},
        AnimationCase{"ReverseOnceStopsOnTheFirst", 0, false, true, {1, 0, 0, 0}}),
    [](const auto& param) { return std::string(param.param.Name); });

TEST_F(GuiFixture, EnteringAndLeavingRestartTheAnimations) {
  TKaltoGUIList& page = gui.CreatePage("GUI2");
  TKaltoButton& b = AddButton(page, "A", 0, 0, 50, 50);
  b.SetPattern(slHover, 4);
  TGUISlot& hover = b.Slots[slHover];
  hover.Pattern = 6;
  hover.Finished = true;
  Move(10, 10);
  EXPECT_EQ(hover.Pattern, 4);
  EXPECT_FALSE(hover.Finished);
  hover.Pattern = 5;
  hover.Reverse = true;
  hover.PatternCount = 3;
  Move(100, 100);
  EXPECT_EQ(hover.Pattern, 7);
}

}  // namespace
