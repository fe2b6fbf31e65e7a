#include "race/MenuDecorations.h"

#include <algorithm>

namespace {

constexpr int kLightDepth = 149;
constexpr int kHelpButtonDepth = 55;
constexpr int kSplashDepth = 500;
constexpr int32_t kHelpPatterns = 8;
constexpr int32_t kHelpStepFrames = 10;

}  // namespace

TLight::TLight(RaceContext& race, int32_t kind, double x, double y)
    : TSprite(race.Engine), period_(200 + race.Random.Between(0, 199)) {
  SetImage(race.Picture(true, kind == 0 ? "light1" : "light2"));
  SetName("light");
  SetPatternIndex(0);
  SetZ(kLightDepth);
  SetAlpha(0);
  OriginX = 0;
  OriginY = 0.5f;
  SetX(static_cast<float>(x));
  SetY(static_cast<float>(y));
}

void TLight::Move(int32_t) {
  if (counter_ > period_) {
    if (direction_ == 1) {
      if (Alpha() > 254) {
        direction_ = -1;
      } else {
        SetAlpha(Alpha() + 1);
      }
    } else if (Alpha() <= 0) {
      direction_ = 1;
      counter_ = 0;
    } else {
      SetAlpha(Alpha() - 1);
    }
  }
  counter_ += 1;
}

THelpButton::THelpButton(RaceContext& race, int32_t type, double centreX, double centreY)
    : TSprite(race.Engine) {
  static const char* const kPictures[kHelpPatterns] = {"up_hb",   "down_hb", "left_hb",  "right_hb",
                                                       "ctrl_hb", "p_hb",    "space_hb", "esc_hb"};
  SetImage(race.Picture(true, kPictures[std::clamp(type, 0, kHelpPatterns - 1)]));
  SetName("help_button");
  SetPatternIndex(race.Random.Between(0, kHelpPatterns - 1));
  SetZ(kHelpButtonDepth);
  Visible = false;
  SetX(static_cast<float>(centreX - Width() / 2.0));
  SetY(static_cast<float>(centreY - Height() / 2.0));
}

void THelpButton::Move(int32_t) {
  if (counter_ % kHelpStepFrames == 0) {
    SetPatternIndex((PatternIndex() + 1) % kHelpPatterns);
  }
  counter_ += 1;
}

TSplashSquare::TSplashSquare(RaceContext& race, int32_t kind, int32_t alpha, double x, double y)
    : TSprite(race.Engine), kind_(kind) {
  SetImage(race.Picture(true, kind == 0 ? "splash_square" : "splash_cars"));
  SetName("square");
  SetPatternIndex(kind == 0 ? 0 : race.Random.Between(0, 4));
  SetZ(kSplashDepth);
  SetAlpha(alpha);
  SetX(static_cast<float>(x));
  SetY(static_cast<float>(y));
}

void TSplashSquare::Move(int32_t) {
  if (kind_ == 1) {
    SetX(X() + 2.5f);
    return;
  }
  if (counter_ % 3 == 0) {
    counter_ = 1;
    SetX(X() + 28);
  }
  counter_ += 1;
}
