#pragma once
#include <vector>

#include "race/WorldSprite.h"

// Where the tiles of a repeating picture go so that they cover the screen: columns
// 0..columns and rows 0..rows (both included) from the wrapped top-left corner, each
// coordinate rounded to the nearest pixel (ties to even).
std::vector<std::pair<int32_t, int32_t>> BackgroundTilePositions(float x, float y,
                                                                 int32_t tileWidth,
                                                                 int32_t tileHeight,
                                                                 int32_t columns, int32_t rows);

// Ground that repeats without end: one picture drawn as a grid that covers the screen,
// wrapped so that its corner stays within one picture of the screen's corner.
class TBackgroundAbstract : public TWorldSprite {
 public:
  explicit TBackgroundAbstract(RaceContext& race) : TWorldSprite(race) {}
  void Move(int32_t moveCount) override;
  void Draw() override;

 protected:
  int32_t columns_ = 0;
  int32_t rows_ = 0;
};

// The race's grass.
class TBackground : public TBackgroundAbstract {
 public:
  explicit TBackground(RaceContext& race);
};
