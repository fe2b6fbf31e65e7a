#include "race/RunningString.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/GameState.h"

namespace {

// The frames (1-based) on which the marquee scrolled, over the first moves.
std::vector<int> ScrollFrames(TRunningString& marquee, int moves) {
  std::vector<int> frames;
  for (int frame = 1; frame <= moves; ++frame) {
    const std::string before = marquee.Text;
    marquee.Move(0);
    if (marquee.Text != before) frames.push_back(frame);
  }
  return frames;
}

}  // namespace

TEST(RunningString, ACharacterStaysInProportionToItsWidthAndAtLeastOneFrame) {
  GameState state;
  TKaltoSprite engine;
  // Spaces half as wide as "W" stay nint(4.5) = 4 frames (ties to even).
  auto* marquee = new TRunningString(engine, state, [](const std::string& s) {
    return s == "W" ? 10 : s == " " ? 5 : 20;
  });
  EXPECT_EQ(ScrollFrames(*marquee, 12), (std::vector<int>{1, 5, 9}));
  EXPECT_EQ(marquee->VisibleText.size(), 100u);
  // A font that measures nothing still scrolls a character a frame.
  auto* blank = new TRunningString(engine, state, [](const std::string&) { return 0; });
  EXPECT_EQ(ScrollFrames(*blank, 3), (std::vector<int>{1, 2, 3}));
}

TEST(RunningString, GreetsWithTheScoreAndWhatIsLeftToUnlock) {
  GameState state;
  state.PlayerName = "Ann";
  state.Score = 120;
  state.PointsNeeded = 300;
  state.TracksAvailable = 4;
  const std::string open = TRunningString::MarqueeText(state);
  EXPECT_EQ(open.substr(0, 100), std::string(100, ' '));
  EXPECT_NE(open.find("Ann!         "), std::string::npos);
  EXPECT_NE(open.find(":  300           "), std::string::npos);
  EXPECT_EQ(open.substr(open.size() - 95), "4" + std::string(94, ' '));
  state.UnlockStep = 9;  // everything unlocked
  const std::string done = TRunningString::MarqueeText(state);
  EXPECT_EQ(done.find(":  300"), std::string::npos);
  EXPECT_NE(done.find("!!!    "), std::string::npos);
  EXPECT_EQ(done.substr(done.size() - 61), "4" + std::string(60, ' '));
}

// The part a screen shows fills its strip: as many characters as fit, whatever their widths.
TEST(RunningString, TheShownPartFillsTheWidthGiven) {
  GameState state;
  TKaltoSprite engine;
  auto* marquee =
      new TRunningString(engine, state, [](const std::string& s) { return s == " " ? 4 : 10; });
  marquee->Text = "ab cd" + std::string(200, 'e');
  EXPECT_EQ(marquee->TextWithin(44), "ab cd");
  EXPECT_EQ(marquee->TextWithin(43), "ab c");
  EXPECT_EQ(marquee->TextWithin(690).size(), 5u + (690 - 44) / 10);
  EXPECT_EQ(marquee->TextWithin(5000), marquee->Text);
  marquee->Text = std::string(300, ' ');
  EXPECT_EQ(marquee->TextWithin(690).size(), 690u / 4) << "a run of spaces fills it as well";
}
