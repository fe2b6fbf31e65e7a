#include "race/RunningString.h"

#include <algorithm>
#include <cmath>

#include "core/GameState.h"
#include "core/GameTexts.h"

namespace {

constexpr size_t kVisibleLength = 100;
constexpr double kFramesForWideCharacter = 9;
constexpr int32_t kLastUnlockStep = 8;
// The spaces that part the strip's sentences.
const std::string kGap(11, ' ');

}  // namespace

std::string TRunningString::MarqueeText(const GameState& state) {
  std::string text(kVisibleLength, ' ');
  text += TextOf(GameText::Greeting) + state.PlayerName + "!         " +
          TextOf(GameText::YourScore) + "  " + std::to_string(state.Score);
  if (state.UnlockStep > kLastUnlockStep) {
    text += kGap + TextOf(GameText::GameCompleted) + "    ";
  } else {
    text += kGap + TextOf(GameText::PointsNeeded) + "  " + std::to_string(state.PointsNeeded);
  }
  text += kGap + TextOf(GameText::CarsAvailable) + " " + std::to_string(state.CarsAvailable);
  text += kGap + TextOf(GameText::TracksAvailable) + " " + std::to_string(state.TracksAvailable);
  text += std::string(state.UnlockStep > kLastUnlockStep ? 60 : 94, ' ');
  return text;
}

TRunningString::TRunningString(TKaltoSprite& engine, const GameState& state, MeasureText measure)
    : TSprite(engine),
      Text(MarqueeText(state)),
      VisibleText(Text.substr(0, kVisibleLength)),
      measure_(std::move(measure)),
      wideWidth_(measure_("W")),
      lastWidth_(measure_(" ")) {
  characterWidths_.fill(-1);
  SetZ(0);
}

std::string TRunningString::TextWithin(int32_t width) const {
  size_t count = 0;
  for (int32_t used = 0; count < Text.size(); ++count) {
    used += CharacterWidth(Text[count]);
    if (used > width) break;
  }
  return Text.substr(0, count);
}

int32_t TRunningString::CharacterWidth(char c) const {
  int32_t& width = characterWidths_[static_cast<uint8_t>(c)];
  if (width < 0) width = measure_(std::string(1, c));
  return width;
}

void TRunningString::Move(int32_t) {
  const double frames =
      wideWidth_ > 0 ? std::nearbyint(kFramesForWideCharacter * lastWidth_ / wideWidth_) : 1;
  const int32_t period = std::max(1, static_cast<int32_t>(frames));
  if (counter_ % period == 0) {
    const std::string moved = Text.substr(0, 1);
    Text = Text.substr(1) + moved;
    VisibleText = Text.substr(0, kVisibleLength);
    lastWidth_ = measure_(moved);
    counter_ = 0;
  }
  counter_ += 1;
}
