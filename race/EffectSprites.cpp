#include "race/EffectSprites.h"

#include "race/GameConstants.h"

TDim::TDim(RaceContext& race, bool usesMenuImages, double centreX, double centreY)
    : TSprite(race.Engine), race_(race) {
  SetImage(race.Picture(usesMenuImages, "dim"));
  SetName("arrow");
  SetPatternIndex(0);
  SetZ(race::depth::SkidMark);
  SetAlpha(200);
  OriginX = 0;
  OriginY = 0.5f;
  Visible = !usesMenuImages;
  SetX(static_cast<float>(centreX - Width() / 2.0));
  SetY(static_cast<float>(centreY - Height() / 2.0));
}

void TDim::Move(int32_t) {
  const Vec2 scroll = race_.Scroll();
  const Vec2 push = race_.Push();
  SetX(static_cast<float>(X() + (scroll.X + push.X)));
  SetY(static_cast<float>(Y() + (scroll.Y + push.Y)));
  if (counter_ % 3 == 0) {
    if (PatternIndex() == 4) {
      Dead();
    } else {
      SetPatternIndex(PatternIndex() + 1);
      SetAlpha(Alpha() - 15);
    }
    counter_ = 0;
  }
  counter_ += 1;
}

TArrow::TArrow(RaceContext& race, bool usesMenuImages, int32_t pattern, double x, double y)
    : TSprite(race.Engine) {
  SetImage(race.Picture(usesMenuImages, "arrows"));
  SetName("arrow");
  SetPatternIndex(pattern);
  SetZ(race::depth::DirectionArrow);
  OriginX = 0;
  OriginY = 0.5f;
  Visible = false;
  SetX(static_cast<float>(x));
  SetY(static_cast<float>(y));
}
