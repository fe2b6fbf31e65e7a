#include "race/Background.h"

#include <algorithm>
#include <cmath>

#include "engine/graphics/KaltoImageList.h"
#include "race/GameConstants.h"

namespace {
constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;
}  // namespace

std::vector<std::pair<int32_t, int32_t>> BackgroundTilePositions(float x, float y,
                                                                 int32_t tileWidth,
                                                                 int32_t tileHeight,
                                                                 int32_t columns, int32_t rows) {
  std::vector<std::pair<int32_t, int32_t>> positions;
  positions.reserve(static_cast<size_t>(columns + 1) * static_cast<size_t>(rows + 1));
  for (int32_t j = 0; j <= columns; ++j) {
    for (int32_t k = 0; k <= rows; ++k) {
      positions.emplace_back(static_cast<int32_t>(std::nearbyint(x + j * tileWidth)),
                             static_cast<int32_t>(std::nearbyint(y + k * tileHeight)));
    }
  }
  return positions;
}

TBackground::TBackground(RaceContext& race) : TBackgroundAbstract(race) {
  TImageListItem* grass = race.CoursePicture("grass");
  SetImage(grass);
  if (grass) {
    SetWidth(grass->PictureWidth());
    SetHeight(grass->PictureHeight());
  }
  SetX(0);
  SetY(0);
  SetZ(race::depth::Background);
  SetPatternIndex(0);
  columns_ = kScreenWidth / std::max(Width(), 1) + 1;
  rows_ = kScreenHeight / std::max(Height(), 1) + 1;
}

void TBackgroundAbstract::Move(int32_t) {
  const Vec2 scroll = Race.Scroll();
  const Vec2 push = Race.Push();
  SetX(static_cast<float>(X() + (scroll.X + push.X)));
  SetY(static_cast<float>(Y() + (scroll.Y + push.Y)));
}

namespace {

// The corner brought into [-size, 0] whole. The world shift at the start of a race moves
// the ground by many pictures at once; wrapping one picture a frame would leave the screen
// black at the edges for the first frames.
float Wrapped(float corner, float size) {
  if (size <= 0 || (corner <= 0 && corner >= -size)) return corner;
  const float rest = std::fmod(corner, size);
  return rest > 0 ? rest - size : rest;
}

}  // namespace

void TBackgroundAbstract::Draw() {
  SetX(Wrapped(X(), static_cast<float>(Width())));
  SetY(Wrapped(Y(), static_cast<float>(Height())));
  TImageListItem* picture = Image();
  if (!Visible || !picture || !picture->HasTexture()) return;
  for (const auto& [px, py] :
       BackgroundTilePositions(X(), Y(), Width(), Height(), columns_, rows_)) {
    picture->DrawPlain(px, py, PatternIndex());
  }
}
