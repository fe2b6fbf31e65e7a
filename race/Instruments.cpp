#include "race/Instruments.h"

#include <cmath>

#include "race/Player.h"

namespace {

constexpr int kPanelDepth = 480;
constexpr int kUpperPanelDepth = 520;
constexpr int kNeedleDepth = 510;
constexpr int kStartArrowsDepth = 550;
constexpr double kNeedleSweep = 197;  // degrees from rest to full speed
constexpr double kNeedleRest = -495;
constexpr double kRadarTurn = 270;  // the arrow's picture points down

void SetFromPicture(TSprite& s, RaceContext& race, bool menu, const char* picture,
                    const char* name) {
  s.SetImage(race.Picture(menu, picture));
  s.SetName(name);
  s.SetPatternIndex(0);
}

}  // namespace

TPanel::TPanel(RaceContext& race, PanelType type, double x, double y)
    : TSprite(race.Engine), race_(race), type_(type) {
  static const char* const kPictures[] = {"speeder", "radar", "panel"};
  // A time trial's texts are other rows, with their own icons.
  const char* picture = type == PanelType::Dashboard && race.TimeTrial
                            ? "panel_trial"
                            : kPictures[static_cast<int>(type)];
  SetFromPicture(*this, race, false, picture, picture);
  SetZ(type == PanelType::Speedometer ? kPanelDepth : kUpperPanelDepth);
  SetAlpha(type == PanelType::Radar ? 150 : 255);
  SetX(static_cast<float>(x));
  SetY(static_cast<float>(y));
}

void TPanel::Move(int32_t) {
  if (type_ != PanelType::Speedometer || !race_.Player) return;
  SetPatternIndex(race_.Player->Speed < 0 ? 1 : 0);
}

TSpeedArrow::TSpeedArrow(RaceContext& race, double maxForward, double maxReverse, double x,
                         double y)
    : TSprite(race.Engine), race_(race), maxForward_(maxForward), maxReverse_(maxReverse) {
  SetFromPicture(*this, race, false, "speedarrow", "speedarrow");
  SetZ(kNeedleDepth);
  OriginX = 0.5f;
  OriginY = 0.85f;
  // At rest: the race's first frame is drawn before anything moves.
  Angle = static_cast<float>(kNeedleRest);
  SetX(static_cast<float>(x - Width() / 2.0));
  SetY(static_cast<float>(y - 0.9 * Width()));
}

void TSpeedArrow::Move(int32_t) {
  if (!race_.Player) return;
  const double s = race_.Player->Speed;
  double v = 0;
  if (s >= 0) {
    if (maxForward_ != 0) v = s / maxForward_ * kNeedleSweep;
  } else if (maxReverse_ != 0) {
    v = std::fabs(s) / std::fabs(maxReverse_) * kNeedleSweep;
  }
  Angle = static_cast<float>(v + kNeedleRest);
}

TRadarArrow::TRadarArrow(RaceContext& race, double centreX, double centreY)
    : TSprite(race.Engine), race_(race) {
  SetFromPicture(*this, race, false, "radararrow", "radararrow");
  SetZ(kNeedleDepth);
  OriginX = 0.5f;
  OriginY = 0.5f;
  SetX(static_cast<float>(centreX - Width() / 2.0));
  SetY(static_cast<float>(centreY - Height() / 2.0));
}

void TRadarArrow::Move(int32_t) {
  if (!race_.Player) return;
  const Vec2 player = race_.Player->Centre();
  const Vec2 target = race_.Player->RadarTarget;
  const double a = player.X - target.X;
  const double b = player.Y - target.Y;
  double angle;
  if (a == 0) {
    angle = b > 0 ? 90 : -90;
  } else {
    const double theta = std::atan(b / a) * kDegreesPerRadian;
    if (a > 0) {
      angle = theta;
    } else {
      angle = b > 0 ? theta - 180 : theta + 180;
    }
  }
  Angle = static_cast<float>(angle + kRadarTurn);
}

TBegArrows::TBegArrows(RaceContext& race, double centreX, double centreY) : TSprite(race.Engine) {
  SetFromPicture(*this, race, false, "begarrows", "begarrows");
  SetZ(kStartArrowsDepth);
  OriginX = 0.5f;
  OriginY = 0.5f;
  SetX(static_cast<float>(centreX - Width() / 2.0));
  SetY(static_cast<float>(centreY - Height() / 2.0));
}

void TBegArrows::Move(int32_t) {
  Angle += 1;
}

void CreateRaceInstruments(RaceContext& race) {
  new TPanel(race, PanelType::Speedometer, 541, 427);
  new TPanel(race, PanelType::Radar, 541, 427);
  new TPanel(race, PanelType::Dashboard, 560, -3);
  new TSpeedArrow(race, race.Player->MaxSpeed, race.Player->MinSpeed, 726, 472);
  new TRadarArrow(race, 602, 557);
}
