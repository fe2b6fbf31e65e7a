// Hover, press, click and the mouse-move throttle, driven through the GUI's input hook.
#include <memory>

#include "tests/engine/gui/GuiFixture.h"

namespace {

struct Step {
  char Op;  // 'm' move to (X, Y), 'd' down, 'u' up, 'c' double click
  int X = 0;
  int Y = 0;
  MouseButton Btn = MouseButton::Left;
};

struct PointerCase {
  const char* Name;
  std::vector<Step> Steps;
  std::vector<std::string> Expected;
};

constexpr MouseButton R = MouseButton::Right;
constexpr MouseButton M = MouseButton::Middle;

class PointerSequences : public GuiFixture, public ::testing::WithParamInterface<PointerCase> {
 protected:
  // A step without a position presses where the pointer rests.
  bool Press(InputKind kind, const Step& s) {
    if (s.X == 0 && s.Y == 0) return Button(kind, s.Btn);
    InputEvent e;
    e.Kind = kind;
    e.Button = s.Btn;
    e.X = s.X;
    e.Y = s.Y;
    return gui.HookInput(e);
  }
};

TEST_P(PointerSequences, FireTheseEvents) {
  TKaltoGUIList& page = gui.CreatePage("GUI2");
  AddButton(page, "A", 100, 100, 50, 20);
  AddButton(page, "B", 200, 100, 50, 20);
  for (const Step& s : GetParam().Steps) {
    bool handled = false;
    switch (s.Op) {
      case 'm':
        handled = Move(s.X, s.Y);
        break;
      case 'd':
        handled = Press(InputKind::MouseDown, s);
        break;
      case 'u':
        handled = Press(InputKind::MouseUp, s);
        break;
      default:
        handled = Press(InputKind::MouseDoubleClick, s);
        break;
    }
    EXPECT_TRUE(handled) << s.Op;
  }
  EXPECT_EQ(Log, GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Gui, PointerSequences,
    ::testing::Values(
        PointerCase{"LeftClickFiresClickNotMouseUp",
                    {{'m', 120, 110}, {'d'}, {'u'}},
                    {"enter A", "down A 0 8", "click A"}},
        PointerCase{"PressOnOneReleaseOverAnother",
                    {{'m', 120, 110}, {'d'}, {'m', 220, 110}, {'u'}},
                    {"enter A", "down A 0 8", "leave A", "enter B", "up B 0 0"}},
        PointerCase{
            "RightAndMiddleReleasesFireMouseUp",
            {{'m', 120, 110}, {'d', 0, 0, R}, {'u', 0, 0, R}, {'d', 0, 0, M}, {'u', 0, 0, M}},
            {"enter A", "down A 1 16", "up A 1 0", "down A 2 32", "up A 2 0"}},
        PointerCase{"DoubleClickClicksOnceThenDblClickThenMouseUp",
                    {{'m', 120, 110}, {'d'}, {'u'}, {'c'}, {'u'}},
                    {"enter A", "down A 0 8", "click A", "dbl A", "up A 0 0"}},
        PointerCase{"RightAndBottomEdgesAreInside",
                    {{'m', 150, 120}, {'m', 151, 120}, {'m', 100, 120}, {'m', 100, 121}},
                    {"enter A", "leave A", "enter A", "leave A"}},
        PointerCase{"NothingUnderThePointerGetsNothing",
                    {{'m', 10, 10}, {'d'}, {'u'}, {'c'}, {'d', 0, 0, R}},
                    {}},
        PointerCase{"PressTakesThePointersRestingPlace",
                    {{'m', 10, 10}, {'d', 220, 110}, {'u', 220, 110}},
                    {"enter B", "down B 0 8", "click B"}}),
    [](const auto& param) { return std::string(param.param.Name); });

// The last case presses away from the last accepted move: give the events their position.
TEST_F(GuiFixture, AButtonEventAtAThrottledPositionLandsOnTheWidgetThere) {
  TKaltoGUIList& page = gui.CreatePage("GUI2");
  AddButton(page, "A", 100, 100, 50, 20);
  EXPECT_TRUE(Move(10, 10));
  EXPECT_FALSE(Move(120, 110, 3));  // throttled: hover not updated yet
  EXPECT_EQ(gui.Pointer.HoverId, 0);
  InputEvent down;
  down.Kind = InputKind::MouseDown;
  down.X = 120;
  down.Y = 110;
  EXPECT_TRUE(gui.HookInput(down));
  InputEvent up = down;
  up.Kind = InputKind::MouseUp;
  EXPECT_TRUE(gui.HookInput(up));
  EXPECT_EQ(Log, (std::vector<std::string>{"enter A", "down A 0 8", "click A"}));
}

TEST_F(GuiFixture, OverlappingWidgetsTheLaterInPageOrderOrInALaterPageGetsTheHover) {
  TKaltoGUIList& first = gui.CreatePage("GUI2");
  TKaltoButton& under = AddButton(first, "under", 100, 100, 100, 100);
  TKaltoButton& over = AddButton(first, "over", 150, 150, 100, 100);
  Move(175, 175);
  EXPECT_EQ(gui.Pointer.HoverId, over.Id);
  under.BringToFront();
  Move(176, 176);
  EXPECT_EQ(gui.Pointer.HoverId, under.Id);

  TKaltoGUIList& second = gui.CreatePage("GUI2");
  TKaltoButton& top = AddButton(second, "top", 0, 0, 800, 600);
  Move(177, 177);
  EXPECT_EQ(gui.Pointer.HoverId, top.Id);
  first.BringToFront();
  Move(178, 178);
  EXPECT_EQ(gui.Pointer.HoverId, under.Id);
}

TEST_F(GuiFixture, MovesCloserThanTenMillisecondsAreIgnoredAndLeftUnhandled) {
  TKaltoGUIList& page = gui.CreatePage("GUI2");
  AddButton(page, "A", 100, 100, 50, 20);
  EXPECT_TRUE(Move(10, 10));
  EXPECT_FALSE(Move(120, 110, 5));
  EXPECT_EQ(gui.Pointer.MouseX, 10);
  EXPECT_EQ(gui.Pointer.HoverId, 0);
  EXPECT_FALSE(Move(120, 110, 4));  // 9 ms after the accepted move
  EXPECT_TRUE(Move(120, 110, 1));   // 10 ms
  EXPECT_EQ(gui.Pointer.MouseX, 120);
  EXPECT_EQ(Log, (std::vector<std::string>{"enter A"}));
}

TEST_F(GuiFixture, HoverChangesOnlyOnAcceptedMoves) {
  TKaltoGUIList& page = gui.CreatePage("GUI2");
  TKaltoButton& b = AddButton(page, "A", 0, 0, 50, 20);
  Move(300, 300);
  b.SetX(280);
  b.SetY(290);
  TKaltoGUIList& later = gui.CreatePage("GUI2");
  AddButton(later, "L", 0, 0, 10, 10);
  EXPECT_EQ(gui.Pointer.HoverId, 0);
  Button(InputKind::MouseDown);
  Button(InputKind::MouseUp);
  EXPECT_TRUE(Log.empty());
  Move(300, 300);
  EXPECT_EQ(gui.Pointer.HoverId, b.Id);
  EXPECT_EQ(Log, (std::vector<std::string>{"enter A"}));
}

TEST_F(GuiFixture, HiddenOrDisabledWidgetsAndPagesTakeNoHover) {
  TKaltoGUIList& page = gui.CreatePage("GUI2");
  TKaltoButton& b = AddButton(page, "A", 0, 0, 50, 50);
  for (int i = 0; i < 3; ++i) {
    b.Visible = i != 0;
    b.Enabled = i != 1;
    page.Enabled = i != 2;
    Move(10 + i, 10);
    EXPECT_EQ(gui.Pointer.HoverId, 0) << i;
  }
}

TEST_F(GuiFixture, FreeingAPageClearsTheIdsOfItsWidgetsAndNeverReusesThem) {
  TKaltoGUIList& page = gui.CreatePage("GUI2");
  TKaltoButton& b = AddButton(page, "A", 0, 0, 50, 50);
  TKaltoEdit& e = page.CreateEdit();
  e.SetX(400);
  const int32_t buttonId = b.Id;
  const int32_t editId = e.Id;
  e.SetFocus();
  Move(10, 10);
  Button(InputKind::MouseDown);
  ASSERT_EQ(gui.Pointer.PressedId, buttonId);
  gui.FreePage(&page);
  EXPECT_TRUE(gui.Pages.empty());
  EXPECT_EQ(gui.Pointer.HoverId, 0);
  EXPECT_EQ(gui.Pointer.PressedId, -1);
  EXPECT_EQ(gui.Pointer.FocusId, 0);
  EXPECT_EQ(gui.WidgetById(buttonId), nullptr);
  // A page made at once under the pointer must not receive the old widget's events.
  TKaltoGUIList& next = gui.CreatePage("GUI2");
  TKaltoButton& fresh = AddButton(next, "N", 0, 0, 50, 50);
  EXPECT_EQ(fresh.Id, editId + 1);  // ids keep growing
  Log.clear();
  Button(InputKind::MouseUp);
  Char('a');
  EXPECT_TRUE(Log.empty());
}

// Handlers that leave the screen free the page of the widget that fired them.
TEST_F(GuiFixture, AHandlerMayFreeItsOwnPage) {
  for (int handler = 0; handler < 4; ++handler) {
    TKaltoGUIList& page = gui.CreatePage("GUI2");
    TKaltoButton& first = AddButton(page, "A", 0, 0, 100, 100);
    TKaltoButton& second = AddButton(page, "B", 50, 50, 100, 100);
    TKaltoEdit& edit = page.CreateEdit();
    edit.SetX(300);
    edit.SetWidth(100);
    edit.SetHeight(100);
    const auto freePage = [this, &page](TKaltoGUIComponent&) { gui.FreePage(&page); };
    const int32_t editId = edit.Id;
    switch (handler) {
      case 0:  // the hover pass goes on with the page's other widgets
        first.OnMouseEnter = freePage;
        Move(60, 60);
        break;
      case 1:
        second.OnClick = freePage;
        Move(60, 60);
        Button(InputKind::MouseDown);
        Button(InputKind::MouseUp);
        break;
      case 2:
        edit.OnClick = freePage;
        Move(310, 10);
        Button(InputKind::MouseDown);
        Button(InputKind::MouseUp);
        break;
      default:
        second.OnKeyPress = [this, &page](TKaltoGUIComponent&, uint16_t&, uint8_t) {
          gui.FreePage(&page);
        };
        gui.Pointer.FocusId = second.Id;
        Key(13);
        break;
    }
    EXPECT_TRUE(gui.Pages.empty()) << handler;
    EXPECT_NE(gui.Pointer.FocusId, editId) << handler;
    EXPECT_EQ(gui.WidgetById(editId), nullptr) << handler;
    Move(0, 0);
  }
}

// Read by the handler below after its page (and so the handler itself) may have gone.
std::weak_ptr<int> handlerCapture;
bool handlerOutlivedTheFree = false;

// A button pressed through the keys' focus whose handler frees its page: the page, and the
// handler with what it captured, live until the handler has returned.
TEST_F(GuiFixture, APageFreedByTheHandlerOfAKeyPressOutlivesTheHandler) {
  TKaltoGUIList& page = gui.CreatePage("GUI2");
  TKaltoButton& button = AddButton(page, "A", 0, 0, 100, 100);
  auto captured = std::make_shared<int>(0);
  handlerCapture = captured;
  button.OnClick = [this, &page, captured](TKaltoGUIComponent&) {
    gui.FreePage(&page);
    handlerOutlivedTheFree = !handlerCapture.expired();
  };
  captured.reset();
  ASSERT_TRUE(gui.MoveFocus(0, 1));
  EXPECT_TRUE(gui.PressFocused());
  EXPECT_TRUE(handlerOutlivedTheFree);
  EXPECT_TRUE(handlerCapture.expired()) << "freed once the handler has returned";
  EXPECT_TRUE(gui.Pages.empty());
}

TEST_F(GuiFixture, ButtonClickedByEnterOrSpaceWhileFocused) {
  TKaltoGUIList& page = gui.CreatePage("GUI2");
  TKaltoButton& b = AddButton(page, "A", 0, 0, 50, 50);
  gui.Pointer.FocusId = b.Id;
  Key(13);
  Key(32);
  Key(65);
  Char(13);
  EXPECT_EQ(Log, (std::vector<std::string>{"click A", "click A"}));
}

}  // namespace
