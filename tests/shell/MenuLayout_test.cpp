// Where the menus put things: every button and panel comes to rest at its place, and every
// text a screen writes falls inside the plate the pictures draw for it. With BK_SHOT_DIR set,
// the frame of each screen is saved there as PNG (SaveShot), to be looked at.
#include <gtest/gtest.h>

#include <vector>

#include "core/GameTexts.h"
#include "engine/gui/KaltoGUIComponent.h"
#include "platform/Cp1251.h"
#include "shell/CarScreen.h"
#include "shell/TrackScreen.h"
#include "tests/harness/ScreenParts.h"
#include "tests/shell/MenuPlayer.h"

namespace {

struct Box {
  int32_t X, Y, W, H;
};

::testing::AssertionResult Inside(const Box& inner, const Box& outer) {
  if (inner.X >= outer.X && inner.Y >= outer.Y && inner.X + inner.W <= outer.X + outer.W &&
      inner.Y + inner.H <= outer.Y + outer.H) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << "box " << inner.X << "," << inner.Y << " " << inner.W << "x" << inner.H
         << " is not inside " << outer.X << "," << outer.Y << " " << outer.W << "x" << outer.H;
}

Box TextBox(TKaltoFont& font, int32_t x, int32_t y, const std::string& text) {
  return {x, y, font.TextWidth(text), font.TextHeight(text)};
}

Box CentredTextBox(TKaltoFont& font, int32_t centreX, int32_t y, const std::string& text) {
  const int32_t width = font.TextWidth(text);
  return {centreX - width / 2, y, width, font.TextHeight(text)};
}

struct Place {
  const char* Picture;  // a button's picture, or "#n" for the button slot n
  int32_t X, Y;
};

void ExpectButtonsAt(GameHarness& game, const std::vector<Place>& places) {
  TForm1& form = game.Form();
  for (const Place& place : places) {
    const std::string name = place.Picture;
    TKaltoGUIComponent* widget =
        name[0] == '#' ? form.CurrentPage()->Buttons[static_cast<size_t>(std::stoi(name.substr(1)))]
                       : ButtonShowing(form, name);
    if (!widget && form.CurrentPage()->Edit && form.CurrentPage()->Edit->Name == name)
      widget = form.CurrentPage()->Edit;
    ASSERT_NE(widget, nullptr) << name;
    EXPECT_EQ(widget->X, place.X) << name;
    EXPECT_EQ(widget->Y, place.Y) << name;
    EXPECT_TRUE(Inside({widget->X, widget->Y, widget->Width, widget->Height}, {0, 0, 800, 600}))
        << name;
  }
}

void ExpectSpriteAt(TSprite* sprite, float x, float y) {
  ASSERT_NE(sprite, nullptr);
  EXPECT_EQ(sprite->X(), x) << sprite->Name();
  EXPECT_EQ(sprite->Y(), y) << sprite->Name();
}

void Settle(GameHarness& game) {
  game.StepFrames(kSettleFrames);
}

}  // namespace

TEST(MenuLayout, EveryButtonAndPanelComesToRestAtItsPlace) {
  GameHarness game;
  TForm1& form = game.Form();
  game.StepFrames(100);
  SaveShot(game, "03-splash");
  RunSplash(game);
  game.TypeText("\u0410\u043d\u044f");
  game.StepFrames(100);
  SaveShot(game, "01-name-entry");
  ExpectButtonsAt(game, {{"b_ok", 510, 434}, {"e_name", 253, 363}});
  ExpectSpriteAt(form.CurrentPage()->Title, 107, 104);

  Press(game, vk::Enter);
  Settle(game);
  SaveShot(game, "04-main-menu");
  ExpectButtonsAt(game, {{"b_stgame", 320, 250},
                         {"b_opt", 320, 300},
                         {"b_help", 320, 350},
                         {"b_visit", 320, 400},
                         {"b_exit", 320, 450},
                         {"b_logo", 0, 494}});
  ExpectSpriteAt(form.CurrentPage()->Title, 0, 0);
  ExpectSpriteAt(form.CurrentPage()->Second, 292, 180);

  ClickButton(game, "b_opt");
  Settle(game);
  SaveShot(game, "07-options");
  ExpectButtonsAt(game, {{"b_apply", 180, 525},
                         {"b_cancel", 465, 525},
                         {"#3", 600, 220},
                         {"#4", 600, 279},
                         {"#5", 600, 338},
                         {"#6", 600, 458},
                         {"Edit", 553, 399}});
  ExpectSpriteAt(form.CurrentPage()->Title, 50, 211);
  Press(game, vk::Escape);
  Settle(game);

  ClickButton(game, "b_help");
  Settle(game);
  SaveShot(game, "06-help-1");
  ExpectButtonsAt(game, {{"b_back", 335, 520}, {"b_next", 615, 520}, {"b_prev", 50, 520}});
  ExpectSpriteAt(form.CurrentPage()->Title, 96, 149);
  ClickButton(game, "b_next");
  SaveShot(game, "06-help-2");
  ClickButton(game, "b_next");
  SaveShot(game, "06-help-3");
  Press(game, vk::Escape);
  Settle(game);

  form.GoTo(ScrRecords);
  Settle(game);
  SaveShot(game, "08-records");
  ExpectButtonsAt(game,
                  {{"b_clrhiscr", 330, 495}, {"b_viewwhiscr", 290, 520}, {"b_back", 390, 545}});
  ExpectSpriteAt(form.CurrentPage()->Title, 266, 190);
  ClickButton(game, "b_clrhiscr");
  Settle(game);
  SaveShot(game, "09-clear-records");
  ExpectButtonsAt(game, {{"b_yes", 510, 394}, {"b_no", 380, 399}});
  ExpectSpriteAt(form.CurrentPage()->Title, 310, 284);
  Press(game, vk::Escape);
  Press(game, vk::Escape);
  Settle(game);

  Press(game, vk::Escape);
  Settle(game);
  SaveShot(game, "10-exit-question");
  ExpectButtonsAt(game, {{"b_yes", 420, 434}, {"b_no", 555, 434}});
  ExpectSpriteAt(form.CurrentPage()->Title, 107, 104);
  Press(game, vk::Escape);
  Settle(game);

  ClickButton(game, "b_stgame");
  Settle(game);
  SaveShot(game, "14-track");
  ExpectButtonsAt(game, {{"bc_next", 580, 131},
                         {"bc_prev", 234, 323},
                         {"b_back", 9, 524},
                         {"bc_race", 642, 524},
                         {"bc_trial", 642, 455}});
  ExpectSpriteAt(form.CurrentPage()->Title, 0, 0);
  ExpectSpriteAt(form.CurrentPage()->Picture, 312, 156);
  Press(game, vk::Left);
  game.StepFrame();
  SaveShot(game, "14-track-locked");
  Press(game, vk::Right);

  Press(game, vk::Enter);
  Settle(game);
  SaveShot(game, "15-car");
  ExpectButtonsAt(
      game,
      {{"bc_next", 685, 123}, {"bc_prev", 107, 313}, {"b_back", 9, 524}, {"bc_race", 642, 524}});
  ExpectSpriteAt(form.CurrentPage()->Title, 0, 0);
  ExpectSpriteAt(form.CurrentPage()->Second, 230, 137);
  ExpectSpriteAt(form.CurrentPage()->Picture, 265, 133);
  const auto& bars = dynamic_cast<CarScreen&>(*form.ScreenOf(ScrChooseCar)).Bars();
  const float barRows[4] = {392, 437, 482, 528};
  for (size_t bar = 0; bar < 4; ++bar) ExpectSpriteAt(bars[bar], 380, barRows[bar]);
  Press(game, vk::Left);
  game.StepFrame();
  SaveShot(game, "15-car-locked");
}

// The plates of the pictures, in screen pixels.
constexpr Box kHeadingPlate{268, 43, 300, 64};
constexpr Box kNamePlate{284, 54, 270, 44};
constexpr Box kTrackDataPlate{318, 372, 290, 160};
constexpr Box kRecordsWell{270, 265, 458, 209};
constexpr Box kOptionsPlate{54, 215, 733, 228};

TEST(MenuLayout, EveryTextFallsInsideItsPlate) {
  GameHarness game;
  TForm1& form = game.Form();
  ReachMainMenu(game);
  // The headings of options and help (the fonts are the main menu's).
  EXPECT_TRUE(Inside(CentredTextBox(form.KaltoFont3, 418, 60, TextOf(GameText::OptionsHeading)),
                     kHeadingPlate));
  EXPECT_TRUE(Inside(CentredTextBox(form.KaltoFont3, 418, 60, TextOf(GameText::HelpHeading)),
                     kHeadingPlate));

  // Track screen: every name, locked or not, and the data rows with the longest values.
  ClickButton(game, "b_stgame");
  const int32_t rows[4] = {385, 425, 463, 501};
  const std::string labels[4] = {TextOf(GameText::Record) + std::string(" "),
                                 TextOf(GameText::Length), TextOf(GameText::Laps),
                                 TextOf(GameText::Opponents)};
  for (size_t index = 0; index < form.Race.Tracks.Tracks.size(); ++index) {
    const TrackInfo& track = form.Race.Tracks.Tracks[index];
    SCOPED_TRACE(track.Name);
    EXPECT_TRUE(Inside(CentredTextBox(form.KaltoFont3, 419, 68, track.Name), kNamePlate));
    EXPECT_TRUE(Inside(CentredTextBox(form.KaltoFont3, 419, 68,
                                      TextOf(GameText::Track) + (" " + std::to_string(index + 1))),
                       kNamePlate));
    const std::string values[4] = {"999:59:99", track.LengthText, std::to_string(track.Laps),
                                   std::to_string(track.Opponents)};
    for (size_t row = 0; row < 4; ++row) {
      const Box label = TextBox(form.KaltoFont1, 335, rows[row], labels[row]);
      const Box value = CentredTextBox(form.KaltoFont1, 480, rows[row], values[row]);
      EXPECT_TRUE(Inside(label, kTrackDataPlate)) << labels[row];
      EXPECT_TRUE(Inside(value, kTrackDataPlate)) << values[row];
      EXPECT_LT(label.X + label.W, value.X) << "label and value apart: " << values[row];
    }
  }
  // The time trial's best lap, between the record and the length rows.
  const Box bestLap =
      CentredTextBox(form.KaltoFont2, 480, 406, TrackScreen::BestLapText(999 * 6000 + 5999));
  EXPECT_TRUE(Inside(bestLap, kTrackDataPlate));
  EXPECT_GE(bestLap.Y, rows[0] + form.KaltoFont1.TextHeight(labels[0]));
  EXPECT_LE(bestLap.Y + bestLap.H, rows[1]);

  // Car screen: every name and the locked text.
  Press(game, vk::Enter);
  ASSERT_EQ(game.State().ScreenState, ScrChooseCar);
  for (const CarInfo& car : form.Race.Cars.Cars) {
    EXPECT_TRUE(Inside(CentredTextBox(form.KaltoFont3, 419, 68, car.Name), kNamePlate)) << car.Name;
  }
  EXPECT_TRUE(
      Inside(CentredTextBox(form.KaltoFont3, 419, 68, TextOf(GameText::Unavailable)), kNamePlate));

  // Records: the widest rows the table can hold, columns apart.
  form.GoTo(ScrRecords);
  game.StepFrame();
  for (int32_t row = 0; row < 10; ++row) {
    const int32_t y = 271 + 20 * row;
    const Box place = CentredTextBox(form.KaltoFont1, 300, y, "10");
    const Box name = CentredTextBox(form.KaltoFont1, 480, y, Utf8ToCp1251("ЖЖЖЖЖЖЖЖЖЖЖЖ"));
    const Box score = CentredTextBox(form.KaltoFont1, 680, y, "99999999");
    for (const Box& box : {place, name, score}) EXPECT_TRUE(Inside(box, kRecordsWell)) << row;
    EXPECT_LT(place.X + place.W, name.X);
    EXPECT_LT(name.X + name.W, score.X);
  }
}

// The edit font's widest character.
char WidestCharacter(const TKaltoBitmapFont& font) {
  char widest = ' ';
  for (const char c : font.Characters()) {
    if (gui_text::TextWidth(font, std::string(1, c)) >
        gui_text::TextWidth(font, std::string(1, widest))) {
      widest = c;
    }
  }
  return widest;
}

// Twelve of the font's widest character, and the caret after them, fit inside the edit.
::testing::AssertionResult FullTextFits(TForm1& form) {
  const TKaltoBitmapFont& font = form.KaltoBitmapFont1;
  const char widest = WidestCharacter(font);
  const TKaltoEdit& edit = *form.CurrentPage()->Edit;
  const int32_t used = edit.TextMargin + gui_text::TextWidth(font, std::string(12, widest)) +
                       gui_text::TextWidth(font, "_");
  if (used <= edit.Width) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << used << " pixels of text in a field " << edit.Width << " wide (\"" << widest << "\")";
}

// The name field holds twelve of its widest characters. The options field writes larger
// (18 points) than twelve of them fit: typed on, it keeps what it can show inside its edge
// and shakes at the rest.
TEST(MenuLayout, TwelveOfTheWidestCharactersFitTheNameAndTheOptionsFieldKeepsItsTextInside) {
  GameHarness game;
  TForm1& form = game.Form();
  RunSplash(game);
  EXPECT_TRUE(FullTextFits(form)) << "name entry";
  game.TypeText("\u0410\u043d\u044f");
  Press(game, vk::Enter);
  Settle(game);
  ClickButton(game, "b_opt");
  Settle(game);
  TKaltoEdit& field = *form.CurrentPage()->Edit;
  game.Click(field.X + 10, field.Y + 10);
  game.StepFrame();
  while (!field.Text.empty()) Press(game, vk::Backspace);
  const char widest = WidestCharacter(form.KaltoBitmapFont1);
  game.TypeText(Cp1251ToUtf8(std::string(12, widest)));
  game.StepFrame();
  EXPECT_LT(field.TextLength(), 12) << "twelve do not fit at 18 points";
  EXPECT_GT(field.TextLength(), 6);
  EXPECT_GT(field.ShakeFrames, 0) << "the refused ones are seen";
  EXPECT_LE(2 * field.TextMargin +
                gui_text::TextWidth(form.KaltoBitmapFont1, field.Text + field.CursorText),
            field.Width);
  const TKaltoEdit& edit = *form.CurrentPage()->Edit;
  EXPECT_TRUE(Inside({edit.X, edit.Y, edit.Width, edit.Height}, kOptionsPlate))
      << "the options field on its panel";
}
