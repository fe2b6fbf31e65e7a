// Editing keys, filters and focus of the edit field, and the keyboard's way through the
// window: key-downs reach both the focused widget and the window, characters only the widget.
#include "engine/graphics/KaltoBitmapFont.h"
#include "tests/engine/gui/GuiFixture.h"
#include "tests/support/HeadlessScreen.h"

namespace {

struct KeyIn {
  bool IsChar;
  int Code;
};
KeyIn C(int code) {
  return {true, code};
}
KeyIn K(int code) {
  return {false, code};
}

struct EditCase {
  const char* Name;
  std::string Text;
  int Cursor;
  int MaxLength;
  uint8_t Filter;
  std::vector<KeyIn> Keys;
  std::string ExpectedText;
  int ExpectedCursor;
};

// The font draws only these characters: no 'z', no lower-case Cyrillic but 0xE4.
const std::string kFontCharacters = "ABCDEabcde0123 \xC4\xE4";

class EditKeys : public GuiFixture, public ::testing::WithParamInterface<EditCase> {
 protected:
  TKaltoBitmapFont font;
};

TEST_P(EditKeys, LeaveThisTextAndCursor) {
  font.SetCharacters(kFontCharacters);
  gui.KaltoBitmapFont = &font;
  TKaltoEdit& edit = gui.CreatePage("GUI2").CreateEdit();
  const EditCase& c = GetParam();
  edit.Text = c.Text;
  edit.CursorPos = c.Cursor;
  edit.MaxLength = c.MaxLength;
  edit.CharFilter = c.Filter;
  edit.SetFocus();
  for (const KeyIn& k : c.Keys) {
    if (k.IsChar) {
      EXPECT_TRUE(Char(static_cast<uint8_t>(k.Code)));
    } else {
      EXPECT_FALSE(Key(k.Code));
    }
  }
  EXPECT_EQ(edit.Text, c.ExpectedText);
  EXPECT_EQ(edit.CursorPos, c.ExpectedCursor);
}

INSTANTIATE_TEST_SUITE_P(
    Gui, EditKeys,
    ::testing::Values(
        EditCase{"TypesAtTheCursor", "AC", 1, -1, 0, {C('B'), C('a')}, "ABaC", 3},
        EditCase{"FullAtMaxLengthButBackspaceAndCursorKeysWork",
                 "ABCDEABCDEAB",
                 12,
                 12,
                 0,
                 {C('a'), K(37), K(37), C(8), C('c')},
                 "ABCDEABCDcAB",
                 10},
        EditCase{"ToUpperTurns228Into196",
                 "",
                 0,
                 -1,
                 4,
                 {C(228), C('a'), C('1')},
                 "\xC4"
                 "A1",
                 3},
        EditCase{"ToLowerTurns196Into228",
                 "",
                 0,
                 -1,
                 5,
                 {C(196), C('A')},
                 "\xE4"
                 "a",
                 2},
        EditCase{"UpperOnlyDropsLowerAndDigits",
                 "",
                 0,
                 -1,
                 1,
                 {C('a'), C('1'), C(196), C('B')},
                 "\xC4"
                 "B",
                 2},
        EditCase{"LowerOnly",
                 "",
                 0,
                 -1,
                 2,
                 {C('A'), C(228), C('b')},
                 "\xE4"
                 "b",
                 2},
        EditCase{"DigitsOnly", "", 0, -1, 3, {C('a'), C('1'), C(' ')}, "1", 1},
        EditCase{
            "ACharacterTheFontLacksIsDropped", "", 0, -1, 0, {C('z'), C(0xE0), C('e')}, "e", 1},
        EditCase{"EnterIsNotInserted", "A", 1, -1, 0, {C(13)}, "A", 1},
        EditCase{"LeftAtZeroStaysZero", "AB", 0, -1, 0, {K(37)}, "AB", 0},
        EditCase{"RightAtTheEndStaysAtTheEnd", "AB", 2, -1, 0, {K(39)}, "AB", 2},
        EditCase{"DeleteAtTheEndDoesNothing", "AB", 2, -1, 0, {K(46)}, "AB", 2},
        EditCase{"DeleteRemovesRightOfTheCursor", "ABC", 1, -1, 0, {K(46)}, "AC", 1},
        EditCase{"BackspaceAtZeroDoesNothing", "AB", 0, -1, 0, {C(8)}, "AB", 0},
        EditCase{"HomeAndEnd", "ABC", 1, -1, 0, {K(36), C('a'), K(35), C('b')}, "aABCb", 5},
        EditCase{"DotIsACharacterNotDelete", "AB", 0, -1, 0, {C('.')}, "AB", 0},
        EditCase{"ACursorSetPastTheTextIsKeptInside", "AB", 9, -1, 0, {C(8)}, "A", 1}),
    [](const auto& param) { return std::string(param.param.Name); });

TEST_F(GuiFixture, ReadOnlyEditIgnoresKeysButStillFiresOnKeyPress) {
  TKaltoBitmapFont font;
  font.SetCharacters(kFontCharacters);
  gui.KaltoBitmapFont = &font;
  TKaltoEdit& edit = gui.CreatePage("GUI2").CreateEdit();
  edit.ReadOnly = true;
  edit.Text = "AB";
  std::vector<uint16_t> seen;
  edit.OnKeyPress = [&](TKaltoGUIComponent&, uint16_t& key, uint8_t) { seen.push_back(key); };
  edit.SetFocus();
  Char('A');
  Key(36);
  EXPECT_EQ(edit.Text, "AB");
  EXPECT_EQ(edit.CursorPos, 0);
  EXPECT_EQ(seen, (std::vector<uint16_t>{'A', 36}));
}

TEST_F(GuiFixture, OnKeyPressMayChangeTheCharacter) {
  TKaltoBitmapFont font;
  font.SetCharacters(kFontCharacters);
  gui.KaltoBitmapFont = &font;
  TKaltoEdit& edit = gui.CreatePage("GUI2").CreateEdit();
  edit.OnKeyPress = [](TKaltoGUIComponent&, uint16_t& key, uint8_t) {
    if (key == 'a') key = 'b';
  };
  edit.SetFocus();
  Char('a');
  EXPECT_EQ(edit.Text, "b");
}

TEST_F(GuiFixture, ANewEditGetsNoCharactersUntilItIsClicked) {
  TKaltoBitmapFont font;
  font.SetCharacters(kFontCharacters);
  gui.KaltoBitmapFont = &font;
  TKaltoGUIList& page = gui.CreatePage("GUI2");
  TKaltoEdit& edit = page.CreateEdit();
  edit.SetX(100);
  edit.SetY(100);
  edit.SetWidth(200);
  edit.SetHeight(30);
  Record(edit);
  Char('A');
  EXPECT_EQ(edit.Text, "");
  EXPECT_EQ(gui.Pointer.FocusId, 0);
  Move(150, 110);
  Button(InputKind::MouseDown);
  Button(InputKind::MouseUp);
  EXPECT_EQ(gui.Pointer.FocusId, edit.Id);
  Char('A');
  EXPECT_EQ(edit.Text, "A");
  edit.ClearFocus();
  Char('B');
  page.Enabled = false;
  edit.SetFocus();
  Char('C');
  EXPECT_EQ(edit.Text, "A");
}

// The platform window with the GUI as its hook; the window's own handler records keys.
class WindowKeys : public ::testing::Test, public WindowHandler {
 protected:
  HeadlessScreen h;
  VirtualClock clock;
  TKaltoGUI gui{clock};
  TKaltoBitmapFont font;
  std::vector<std::string> windowSaw;

  void KeyDown(int key, uint8_t) override { windowSaw.push_back("key " + std::to_string(key)); }
  void Char(uint8_t ch) override { windowSaw.push_back("char " + std::to_string(ch)); }
  void Mouse(const InputEvent& e) override {
    windowSaw.push_back("mouse " + std::to_string(static_cast<int>(e.Kind)));
  }

  void Send(InputKind kind, int code) {
    InputEvent e;
    e.Kind = kind;
    e.Key = code;
    e.Char = static_cast<uint8_t>(code);
    h.Win.Dispatch(e);
  }
};

TEST_F(WindowKeys, KeyDownReachesWidgetAndWindowCharactersAndMouseOnlyTheGui) {
  h.Win.SetHandler(this);
  font.SetCharacters(kFontCharacters);
  gui.KaltoBitmapFont = &font;
  gui.SetKaltoScreen(&h.Screen);
  gui.Activate();
  ASSERT_TRUE(gui.Hooked);
  EXPECT_EQ(h.Win.GetInputHook(), &gui);
  TKaltoEdit& edit = gui.CreatePage("GUI2").CreateEdit();
  edit.SetFocus();
  Send(InputKind::Char, 'A');
  Send(InputKind::Char, 'B');
  Send(InputKind::KeyDown, 36);  // Home
  Send(InputKind::Char, 'C');
  Send(InputKind::MouseMove, 0);
  EXPECT_EQ(edit.Text, "CAB");
  EXPECT_EQ(windowSaw, (std::vector<std::string>{"key 36"}));

  // Released around a device reset: everything goes to the window then.
  gui.ReleaseDeviceResources();
  EXPECT_FALSE(gui.Hooked);
  Send(InputKind::Char, 'D');
  EXPECT_EQ(edit.Text, "CAB");
  gui.RestoreDeviceResources();
  Send(InputKind::Char, 'D');
  EXPECT_EQ(edit.Text, "CDAB");
  EXPECT_EQ(windowSaw, (std::vector<std::string>{"key 36", "char 68"}));
  h.Win.SetHandler(nullptr);
}

}  // namespace
