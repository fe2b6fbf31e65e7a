#include "race/WorldSprite.h"

void TWorldSprite::FollowScroll() {
  const Vec2 scroll = Race.Scroll();
  const Vec2 push = Race.Push();
  SetX(static_cast<float>(X() + scroll.X));
  SetY(static_cast<float>(Y() + scroll.Y));
  SetX(static_cast<float>(X() + push.X));
  SetY(static_cast<float>(Y() + push.Y));
}

void TWorldSprite::CentreOn(double x, double y) {
  SetX(static_cast<float>(x - Width() / 2.0));
  SetY(static_cast<float>(y - Height() / 2.0));
}
