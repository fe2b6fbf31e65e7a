#pragma once
#include <array>
#include <functional>
#include <string>

#include "engine/graphics/KaltoSprite.h"

struct GameState;

// The menus' marquee: a greeting with the score and what is unlocked, scrolled one
// character at a time. A character stays in front for a time in proportion to its width
// (9 frames for one as wide as "W", at least 1). It draws nothing itself: the screens draw
// the part that fills their greeting strip (TextWithin). Texts are Windows-1251 bytes.
class TRunningString : public TSprite {
 public:
  // Pixel width of a text in the marquee's font.
  using MeasureText = std::function<int32_t(const std::string&)>;

  TRunningString(TKaltoSprite& engine, const GameState& state, MeasureText measure);
  void Move(int32_t moveCount) override;

  // The whole text as the game words it for this state.
  static std::string MarqueeText(const GameState& state);

  // The longest beginning of Text whose characters measure at most `width` together: the
  // strip is filled to its end whatever the characters' widths (VisibleText, a fixed count
  // of characters, ends anywhere between a third and all of the strip).
  std::string TextWithin(int32_t width) const;

  std::string Text;
  std::string VisibleText;

 private:
  int32_t CharacterWidth(char c) const;

  MeasureText measure_;
  mutable std::array<int32_t, 256> characterWidths_;  // measured on first use; -1 before
  int32_t wideWidth_;
  int32_t lastWidth_;
  int32_t counter_ = 0;
};
