#pragma once
#include <functional>
#include <string>

#include "engine/graphics/KaltoSprite.h"

struct GameState;

// The menus' marquee: a greeting with the score and what is unlocked, scrolled one
// character at a time. A character stays in front for a time in proportion to its width
// (9 frames for one as wide as "W", at least 1). It draws nothing itself: the screens draw
// VisibleText. Texts are Windows-1251 bytes.
class TRunningString : public TSprite {
 public:
  // Pixel width of a text in the marquee's font.
  using MeasureText = std::function<int32_t(const std::string&)>;

  TRunningString(TKaltoSprite& engine, const GameState& state, MeasureText measure);
  void Move(int32_t moveCount) override;

  // The whole text as the game words it for this state.
  static std::string MarqueeText(const GameState& state);

  std::string Text;
  std::string VisibleText;

 private:
  MeasureText measure_;
  int32_t wideWidth_;
  int32_t lastWidth_;
  int32_t counter_ = 0;
};
