#include "race/CheckLine.h"

#include <cmath>

#include "race/GameConstants.h"
#include "race/Player.h"

namespace {

constexpr int32_t kArmingLine = 2;

}  // namespace

TCheckLine::TCheckLine(RaceContext& race, int32_t index, double centreX, double centreY)
    : TWorldSprite(race), Index(index) {
  SetImage(race.Picture(false, "checkline"));
  SetName("checkline");
  SetPatternIndex(0);
  OriginX = 0.5f;
  OriginY = 0.5f;
  CentreOn(centreX, centreY);
  SetZ(race::depth::CheckLine);
  Visible = true;
  SetAlpha(100);
  cornerAngles_ = BoxCornerAngles(Width() / 2.0, Height() / 2.0);
}

void TCheckLine::Move(int32_t) {
  FollowScroll();
  TPlayer* player = Race.Player;
  const Vec2 centre{X() + Width() / 2.0, Y() + Height() / 2.0};
  Visible = player && player->NextCheckLine == Index;
  if (Visible) player->RadarTarget = centre;
  // Check lines are never turned.
  Corners = TurnedCorners(centre, std::hypot(Width() / 2.0, Height() / 2.0), 0, cornerAngles_);
  if (player) CheckPlayerCrossing();
  Pulse();
}

void TCheckLine::CheckPlayerCrossing() {
  TPlayer& player = *Race.Player;
  if (!QuadsOverlap(Corners, player.Corners)) return;
  if (Index == kArmingLine) player.FinishArmed = true;
  if (player.NextCheckLine == Index) {
    player.NextCheckLine = Index + 1 == Race.Course.CheckLineCount ? 0 : player.NextCheckLine + 1;
  }
}

void TCheckLine::Pulse() {
  if (Alpha() > 230) {
    pulseDirection_ = -1;
  } else if (Alpha() < 50) {
    pulseDirection_ = 1;
  }
  SetAlpha(Alpha() + 2 * pulseDirection_);
}
