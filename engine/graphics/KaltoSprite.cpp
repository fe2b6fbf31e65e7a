#include "engine/graphics/KaltoSprite.h"

#include <algorithm>
#include <cmath>

#include "engine/graphics/KaltoImageList.h"
#include "platform/MessageBox.h"

namespace {

constexpr const char* kNoTextureCaption = "Error";
constexpr const char* kNoTextureText = "No KaltoImageList assigned to sprite!";

uint32_t Argb(int32_t alpha, int32_t red, int32_t green, int32_t blue) {
  return static_cast<uint32_t>(alpha & 0xFF) << 24 | static_cast<uint32_t>(red & 0xFF) << 16 |
         static_cast<uint32_t>(green & 0xFF) << 8 | static_cast<uint32_t>(blue & 0xFF);
}

}  // namespace

int32_t SnapToPixel(double x) {
  // Far beyond any screen; keeps bounds arithmetic (left + width) inside 32 bits.
  constexpr double kFarthest = 1 << 30;
  const double shifted = std::clamp(x >= 0 ? x + 0.5 : x - 0.5, -kFarthest, kFarthest);
  // Four decimals as a whole number of ten-thousandths, ties to even; then truncate.
  const long long tenThousandths = std::llrint(shifted * 10000.0);
  return static_cast<int32_t>(tenThousandths / 10000);
}

// ---- TSprite ----------------------------------------------------------------------------

TSprite::TSprite(TKaltoSprite& engine) : engine_(engine) {
  VertexColors.fill(0xFFFFFFFF);
  engine_.Insert(this);
}

TSprite::~TSprite() {
  engine_.Remove(this);
  engine_.RemoveFromDeadList(this);
}

SpriteRect TSprite::GetPatternRect() {
  SpriteRect r;
  if (!image_) return r;
  const int32_t count = image_->PatternCount();
  const int32_t columns = image_->Columns();
  patternIndex_ = std::clamp(patternIndex_, 0, std::max(count - 1, 0));
  if (columns <= 0) return r;
  r.Left = image_->TileWidth() * (patternIndex_ % columns);
  r.Right = r.Left + image_->TileWidth();
  r.Top = image_->TileHeight() * (patternIndex_ / columns);
  r.Bottom = r.Top + image_->TileHeight();
  return r;
}

void TSprite::SetName(const std::string& name) {
  name_ = name;
}

void TSprite::RefreshVertexColors() {
  VertexColors.fill(Argb(alpha_, red_, green_, blue_));
}

void TSprite::SetRed(int32_t value) {
  red_ = value;
  RefreshVertexColors();
}

void TSprite::SetGreen(int32_t value) {
  green_ = value;
  RefreshVertexColors();
}

void TSprite::SetBlue(int32_t value) {
  blue_ = value;
  RefreshVertexColors();
}

void TSprite::SetAlpha(int32_t value) {
  alpha_ = value;
  RefreshVertexColors();
}

void TSprite::SetPatternIndex(int32_t index) {
  patternIndex_ = index;
  if (!image_) return;
  const int32_t columns = image_->Columns();
  if (columns > 0) {
    patternX_ = (index % columns) * image_->TileWidth();
    patternY_ = (index / columns) * image_->TileHeight();
  }
  const int32_t count = image_->PatternCount();
  if (index > count) patternIndex_ = count;
}

void TSprite::SetX(float x) {
  x_ = x;
  boxCorners_[0].X = x + static_cast<float>(width_);
  boxCorners_[1].X = x + static_cast<float>(width_);
  boxCorners_[2].X = x;
  bounds_.Left = SnapToPixel(x);
  bounds_.Right = bounds_.Left + width_;
  midX_ = static_cast<float>(width_) / 2 + x_;
}

void TSprite::SetY(float y) {
  y_ = y;
  boxCorners_[0].Y = y;
  boxCorners_[1].Y = y + static_cast<float>(height_);
  boxCorners_[2].Y = y + static_cast<float>(height_);
  bounds_.Top = SnapToPixel(y);
  bounds_.Bottom = bounds_.Top + height_;
  midY_ = static_cast<float>(height_) / 2 + y_;
}

void TSprite::SetZ(int32_t z) {
  if (z == z_) return;
  engine_.Remove(this);
  z_ = z;
  engine_.Insert(this);
}

void TSprite::SetImage(TImageListItem* item) {
  image_ = item;
  if (item) {
    width_ = item->TileWidth();
    height_ = item->TileHeight();
  }
  bounds_.Right = bounds_.Left + width_;
  bounds_.Bottom = bounds_.Top + height_;
  SetX(x_);
  SetY(y_);
}

void TSprite::SetWidth(int32_t width) {
  width_ = width;
  bounds_.Right = bounds_.Left + width;
}

void TSprite::SetHeight(int32_t height) {
  height_ = height;
  bounds_.Bottom = bounds_.Top + height;
}

void TSprite::Assign(const TSprite& other) {
  SetName(other.name_);
  x_ = other.x_;
  y_ = other.y_;
  boxCorners_ = other.boxCorners_;
  SetZ(other.z_);
  SetRed(other.red_);
  SetGreen(other.green_);
  SetBlue(other.blue_);
  SetAlpha(other.alpha_);
  VertexColors = other.VertexColors;
  SetPatternIndex(other.patternIndex_);
  Collide = other.Collide;
  PixelCheck = other.PixelCheck;
  ForcePixelCheck = other.ForcePixelCheck;
  Angle = other.Angle;
  SetImage(other.image_);
  ScaleX = other.ScaleX;
  ScaleY = other.ScaleY;
  DrawOffsetX = other.DrawOffsetX;
  DrawOffsetY = other.DrawOffsetY;
  OriginX = other.OriginX;
  OriginY = other.OriginY;
  MirrorY = other.MirrorY;
  MirrorX = other.MirrorX;
  BlendMode = other.BlendMode;
  Visible = other.Visible;
  ScreenFixed = other.ScreenFixed;
}

void TSprite::Collision(TSprite& other) {
  if (!Collide || !other.Collide || dead_ || other.dead_) return;
  const SpriteRect overlap{
      std::max(bounds_.Left, other.bounds_.Left), std::max(bounds_.Top, other.bounds_.Top),
      std::min(bounds_.Right, other.bounds_.Right), std::min(bounds_.Bottom, other.bounds_.Bottom)};
  if (overlap.Left >= overlap.Right || overlap.Top >= overlap.Bottom) return;

  if (!ForcePixelCheck && !other.ForcePixelCheck && !(PixelCheck && other.PixelCheck)) {
    OnCollision(other, 0, 0);
    other.OnCollision(*this, 0, 0);
    return;
  }
  int32_t hitX = 0;
  int32_t hitY = 0;
  if (!PixelsTouch(other, overlap, hitX, hitY)) return;
  OnCollision(other, hitX - bounds_.Left, hitY - bounds_.Top);
  other.OnCollision(*this, hitX - other.bounds_.Left, hitY - other.bounds_.Top);
}

// Walks the overlap point by point, reading each sprite's texel under it (mirrored sprites
// are read backwards), and reports the first point where both are non-empty. A sprite
// tested against itself touches at the overlap's top-left corner.
bool TSprite::PixelsTouch(TSprite& other, const SpriteRect& overlap, int32_t& hitX, int32_t& hitY) {
  if (!PixelCheck || !other.PixelCheck) return false;
  if (&other == this) {
    hitX = overlap.Left;
    hitY = overlap.Top;
    return true;
  }
  if (!image_ || !other.image_) return false;
  const TexelMask& mine = image_->SolidTexels();
  const TexelMask& theirs = other.image_->SolidTexels();

  struct Walk {
    int32_t startX, startY, stepX, stepY;
  };
  auto walkFor = [&overlap](const TSprite& s) {
    const int32_t dx = overlap.Left - s.bounds_.Left;
    const int32_t dy = overlap.Top - s.bounds_.Top;
    Walk w;
    w.startX = s.MirrorX ? s.width_ - dx - 1 : dx + 1;
    w.stepX = s.MirrorX ? -1 : 1;
    w.startY = s.MirrorY ? s.height_ - dy - 1 : dy + 1;
    w.stepY = s.MirrorY ? -1 : 1;
    w.startX += s.patternX_;
    w.startY += s.patternY_;
    return w;
  };
  const Walk a = walkFor(*this);
  const Walk b = walkFor(other);
  for (int32_t y = overlap.Top; y <= overlap.Bottom - 2; ++y) {
    const int32_t row = y - overlap.Top;
    for (int32_t x = overlap.Left; x <= overlap.Right - 2; ++x) {
      const int32_t column = x - overlap.Left;
      if (!mine.Solid(a.startX + column * a.stepX, a.startY + row * a.stepY)) continue;
      if (!theirs.Solid(b.startX + column * b.stepX, b.startY + row * b.stepY)) continue;
      hitX = x;
      hitY = y;
      return true;
    }
  }
  return false;
}

void TSprite::Dead() {
  if (dead_) return;
  dead_ = true;
  engine_.dead_.push_back(this);
}

void TSprite::OnCollision(TSprite&, int32_t, int32_t) {}

void TSprite::Move(int32_t) {}

void TSprite::Draw() {
  if (!Visible || !image_) return;
  if (!image_->HasTexture() || !image_->List()) {
    engine_.ReportMissingTexture(image_);
    return;
  }
  int32_t sx = SnapToPixel(static_cast<double>(x_) + DrawOffsetX);
  int32_t sy = SnapToPixel(static_cast<double>(y_) + DrawOffsetY);
  if (!ScreenFixed) {
    sx = SnapToPixel(sx - static_cast<double>(engine_.WorldX));
    sy = SnapToPixel(sy - static_cast<double>(engine_.WorldY));
  }
  const TKaltoSprite& e = engine_;
  if (e.DrawAreaX1 != 0 || e.DrawAreaY1 != 0 || e.DrawAreaX2 != 0 || e.DrawAreaY2 != 0) {
    if (e.DrawAreaX1 > sx + width_ || sx > e.DrawAreaX2 || e.DrawAreaY1 > sy + height_ ||
        sy > e.DrawAreaY2) {
      return;
    }
  }
  image_->DrawColors(sx, sy, Angle, OriginX, OriginY, ScaleX, ScaleY, VertexColors[0],
                     VertexColors[1], VertexColors[2], VertexColors[3], MirrorY, MirrorX,
                     patternIndex_, BlendMode);
}

void TSprite::SetAdditiveBlend(bool additive) {
  additiveBlend_ = additive;
  BlendMode = additive ? 2 : 0;
}

// ---- TKaltoSprite -----------------------------------------------------------------------

TKaltoSprite::TKaltoSprite() : ReportError(ShowMessageBox) {}

TKaltoSprite::~TKaltoSprite() {
  while (!sprites_.empty()) delete sprites_.back();
}

void TKaltoSprite::MoveAll(int32_t moveCount) {
  const size_t passes = sprites_.size();
  for (size_t i = 0; i < passes && i < sprites_.size(); ++i) sprites_[i]->Move(moveCount);
}

void TKaltoSprite::DrawAll() {
  const size_t passes = sprites_.size();
  for (size_t i = 0; i < passes && i < sprites_.size(); ++i) sprites_[i]->Draw();
}

void TKaltoSprite::KillDead() {
  while (!dead_.empty()) delete dead_.back();
}

TSprite* TKaltoSprite::Sprites(int index) const {
  if (index < 0 || index >= SpriteCount()) return nullptr;
  return sprites_[static_cast<size_t>(index)];
}

// Bisection for the first sprite whose depth is not below the new one's: the newcomer goes
// in front of every sprite of equal depth.
void TKaltoSprite::Insert(TSprite* sprite) {
  const auto at = std::lower_bound(sprites_.begin(), sprites_.end(), sprite->z_,
                                   [](const TSprite* s, int32_t z) { return s->z_ < z; });
  sprites_.insert(at, sprite);
}

void TKaltoSprite::Remove(TSprite* sprite) {
  auto first = std::lower_bound(sprites_.begin(), sprites_.end(), sprite->z_,
                                [](const TSprite* s, int32_t z) { return s->z_ < z; });
  const auto found = std::find(first, sprites_.end(), sprite);
  if (found != sprites_.end()) sprites_.erase(found);
}

void TKaltoSprite::RemoveFromDeadList(TSprite* sprite) {
  const auto found = std::find(dead_.rbegin(), dead_.rend(), sprite);
  if (found != dead_.rend()) dead_.erase(std::next(found).base());
}

void TKaltoSprite::ReportMissingTexture(const TImageListItem* item) {
  if (!reportedItems_.insert(item).second) return;
  if (ReportError) ReportError(kNoTextureCaption, kNoTextureText);
}
